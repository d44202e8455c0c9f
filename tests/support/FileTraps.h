#pragma once

// Files and folders that go wrong in the ways a user's files do, for the bad-input tests: pipes,
// paths through files, full and read-only file systems, and a bound on memory. Several of them
// bind root too, since the tests run as root where permissions do not.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <fstream>

#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace traps {

inline QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Everything in a folder, hidden files included: a failed write must leave nothing behind.
inline QStringList entriesOf(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

// A named pipe that no one writes to: opening it for reading waits for a writer for ever.
inline QString makeFifo(const QString& path) {
    return ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0 ? path : QString();
}

// Ends the test program when a step takes longer than a test ever should: a hang then fails the
// run at once instead of waiting for the test driver's timeout.
class HangGuard {
  public:
    explicit HangGuard(unsigned seconds) { ::alarm(seconds); }
    ~HangGuard() { ::alarm(0); }
    HangGuard(const HangGuard&) = delete;
    HangGuard& operator=(const HangGuard&) = delete;
};

// Allows the process only a little more address space than it uses now, so that an attempt to
// allocate a huge picture fails (as std::bad_alloc, told as "Out of memory") instead of
// succeeding on an overcommitting system.
class MemoryBound {
  public:
    explicit MemoryBound(rlim_t headroomBytes) {
        ::getrlimit(RLIMIT_AS, &saved_);
        rlimit bounded = saved_;
        bounded.rlim_cur = currentSize() + headroomBytes;
        ::setrlimit(RLIMIT_AS, &bounded);
    }
    ~MemoryBound() { ::setrlimit(RLIMIT_AS, &saved_); }
    MemoryBound(const MemoryBound&) = delete;
    MemoryBound& operator=(const MemoryBound&) = delete;

  private:
    static rlim_t currentSize() {
        std::ifstream statm("/proc/self/statm");
        rlim_t pages = 0;
        statm >> pages;
        return pages * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE));
    }
    rlimit saved_{};
};

// A file system of its own: a small tmpfs mounted on a temporary folder, so that a test can fill
// it up or make it read-only. Mounting needs root and a system that allows it; where it is
// refused, skipReason() says why and the test skips.
class SmallFileSystem {
  public:
    explicit SmallFileSystem(const QString& size) {
        const QByteArray options = "size=" + size.toLatin1();
        if (::mount("tmpfs", QFile::encodeName(folder_.path()).constData(), "tmpfs", 0,
                    options.constData()) != 0)
            skipReason_ = QStringLiteral("cannot mount a tmpfs here: %1")
                              .arg(QString::fromLocal8Bit(std::strerror(errno)));
        else
            mounted_ = true;
    }
    ~SmallFileSystem() {
        if (mounted_)
            ::umount2(QFile::encodeName(folder_.path()).constData(), MNT_DETACH);
    }
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    QString skipReason() const { return skipReason_; }
    QString path() const { return folder_.path(); }
    QString filePath(const QString& name) const { return folder_.filePath(name); }

    // Fills all but `spare` bytes with one file, so that only small writes still fit.
    bool fillUpTo(qint64 spare) {
        QFile filler(filePath(QStringLiteral("filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray block(1024, 'f');
        while (filler.write(block) == block.size()) {
        }
        filler.close();
        return filler.resize(filler.size() - spare);
    }

    // Remounts the file system read-only; returns what went wrong, or nothing.
    QString makeReadOnly() {
        if (::mount(nullptr, QFile::encodeName(folder_.path()).constData(), nullptr,
                    MS_REMOUNT | MS_RDONLY, nullptr) != 0)
            return QStringLiteral("cannot remount the tmpfs read-only: %1")
                .arg(QString::fromLocal8Bit(std::strerror(errno)));
        return {};
    }

  private:
    QTemporaryDir folder_;
    bool mounted_ = false;
    QString skipReason_;
};

} // namespace traps
