#pragma once

#include <QFileInfo>
#include <QString>

// Pipes and devices are never read or replaced as the user's files: opening a pipe waits for a
// writer that may never come, a device gives endless or no data, and replacing one through a
// link would put a new file where the device was.
inline bool isPipeOrDevice(const QString& path) {
    const QFileInfo info(path); // through links, to what they point at
    return info.exists() && !info.isFile() && !info.isDir();
}

inline QString pipeOrDeviceReason() {
    return QStringLiteral("It is a pipe or a device, not a file.");
}
