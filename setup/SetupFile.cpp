#include "setup/SetupFile.h"

#include "platform/PlainFile.h"
#include "platform/UserError.h"
#include "setup/SetupReader.h"

#include <QFile>
#include <QSaveFile>

namespace {
UserError cannotCreate(const QString& path, const QString& reason) {
    return UserError(QStringLiteral("Cannot create file \"%1\". %2").arg(path, reason));
}
} // namespace

void saveSetupFile(const QString& path, const QByteArray& text) {
    if (isPipeOrDevice(path))
        throw cannotCreate(path, pipeOrDeviceReason());
    QSaveFile file(path);
    // Unbuffered, and written until all is out: a buffered save file takes a short write (a
    // full disk, a file size limit) for success and would put a cut-off file in place.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw cannotCreate(path, file.errorString());
    for (qsizetype written = 0; written < text.size();) {
        const qint64 step = file.write(text.constData() + written, text.size() - written);
        if (step <= 0)
            throw cannotCreate(path, file.errorString());
        written += step;
    }
    if (!file.commit())
        throw cannotCreate(path, file.errorString());
}

SetupRecord readSetupFile(const QString& path) {
    if (isPipeOrDevice(path))
        throw UserError(
            QStringLiteral("Cannot open file \"%1\". %2").arg(path, pipeOrDeviceReason()));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw UserError(
            QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    // A setup is 52 short lines; anything far larger is not one, and is not read into memory.
    if (file.size() > largestSetupFile)
        throw UserError(QStringLiteral("\"%1\" is not a setup file: it is %2 bytes long.")
                            .arg(path)
                            .arg(file.size()));
    const QByteArray bytes = file.read(largestSetupFile + 1);
    if (file.error() != QFileDevice::NoError)
        throw UserError(
            QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    return parseSetupText(bytes);
}
