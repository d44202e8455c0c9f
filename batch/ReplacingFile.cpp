#include "batch/ReplacingFile.h"

#include "platform/UserError.h"

#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {
UserError cannotCreate(const QString& path, const QString& reason) {
    return UserError(QStringLiteral("Cannot create file \"%1\". %2").arg(path, reason));
}

QString systemReason() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}
} // namespace

ReplacingFile::ReplacingFile(const QString& target)
    : target_(target), temporary_(QFileInfo(target).absolutePath() + QStringLiteral("/.") +
                                  QFileInfo(target).fileName() + QStringLiteral(".XXXXXX")) {
    const QFileInfo existing(target);
    if (existing.isDir())
        throw cannotCreate(target, QString::fromLocal8Bit(std::strerror(EISDIR)));
    // Renaming would go past a file the user may not write to.
    if (existing.exists() && !existing.isWritable())
        throw cannotCreate(target, QString::fromLocal8Bit(std::strerror(EACCES)));
    if (!temporary_.open())
        throw cannotCreate(target, temporary_.errorString());
    struct stat status {};
    const QByteArray targetName = QFile::encodeName(target);
    const mode_t mode =
        ::stat(targetName.constData(), &status) == 0 ? (status.st_mode & 0777) : newFileMode();
    if (::fchmod(temporary_.handle(), mode) != 0)
        throw cannotCreate(target, systemReason());
    temporary_.close();
}

void ReplacingFile::replaceTarget() {
    const QByteArray from = QFile::encodeName(temporary_.fileName());
    if (::rename(from.constData(), QFile::encodeName(target_).constData()) != 0)
        throw cannotCreate(target_, systemReason());
    // The temporary name is gone; nothing is left to remove.
    temporary_.setAutoRemove(false);
}
