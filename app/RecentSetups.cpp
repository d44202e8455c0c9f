#include "app/RecentSetups.h"

#include "platform/DesktopRecent.h"

#include <QFileInfo>
#include <QSettings>

namespace {
// In the program's own settings (organisation and program name, as QSettings finds them).
const QString recentKey = QStringLiteral("recentSetups");
} // namespace

QStringList withNewest(QStringList list, const QString& path) {
    list.removeAll(path);
    list.prepend(path);
    return list.mid(0, recentSetupCount);
}

QStringList recentSetups() {
    const QSettings settings;
    return settings.value(recentKey).toStringList().mid(0, recentSetupCount);
}

void rememberSetup(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QSettings settings;
    settings.setValue(recentKey, withNewest(settings.value(recentKey).toStringList(), absolute));
    addToDesktopRecentFiles(desktopRecentFilesPath(), absolute,
                            QStringLiteral("application/x-tilettes-setup"));
}
