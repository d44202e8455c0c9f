#include "setup/SetupPictures.h"

#include "platform/PlainFile.h"

#include <QFileInfo>

QString besideSetup(const QString& named, const QString& setupFolder) {
    QString name = named;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return userFilePath(QFileInfo(plainFileName(name)).fileName(), setupFolder);
}

QString findPicture(const QString& named, const QString& setupFolder) {
    if (named.isEmpty())
        return named;
    // A relative name belongs to the setup's folder, wherever the program was started from.
    const QString asNamed = userFilePath(named, setupFolder);
    if (QFileInfo(asNamed).isFile())
        return asNamed;
    const QString beside = besideSetup(named, setupFolder);
    return QFileInfo(beside).isFile() ? beside : named;
}

std::array<QString, setupSlotCount> findPictures(const SetupRecord& record,
                                                 const QString& setupFolder) {
    std::array<QString, setupSlotCount> found;
    for (size_t index = 0; index < found.size(); ++index)
        found[index] = findPicture(record.pictures[index], setupFolder);
    return found;
}
