#pragma once

#include <QDir>
#include <QFileInfo>
#include <QString>

// Qt's file classes take a name that begins with a colon for one of the program's built-in
// resources, never for a file, and leave it unchanged when joining it to a folder. A user's file
// may well be called so; "./" in front keeps it a file.
inline QString plainFileName(const QString& name) {
    return name.startsWith(QLatin1Char(':')) ? QStringLiteral("./") + name : name;
}

// A name the user gave, as an absolute path: a relative one is taken from folder.
inline QString userFilePath(const QString& name, const QString& folder = QDir::currentPath()) {
    return QFileInfo(QDir(folder), plainFileName(name)).absoluteFilePath();
}

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
