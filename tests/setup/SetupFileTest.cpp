#include "setup/SetupFile.h"
#include "SampleSetup.h"
#include "platform/UserError.h"
#include "setup/SetupWriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <sys/resource.h>

namespace {
QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QString failureOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const UserError& error) {
        return error.message();
    }
    return {};
}

// Lowers this process's file size limit for a while: writes beyond it fail even for root.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::fflush(nullptr);
        getrlimit(RLIMIT_FSIZE, &before_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = before_;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &before_);
        std::signal(SIGXFSZ, oldHandler_);
    }

  private:
    rlimit before_{};
    void (*oldHandler_)(int) = nullptr;
};
} // namespace

TEST(SetupFile, SavedFileReadsBackAndReplacesAnOldOne) {
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("my setups")));
    const QString path = folder.filePath(QStringLiteral("my setups/sheet one.agt"));
    writeFile(path, QByteArray(5000, 'x'));
    const QByteArray text = setupFileText(sampleRecord());
    saveSetupFile(path, text);
    EXPECT_EQ(contentOf(path), text);
    EXPECT_EQ(readSetupFile(path), sampleRecord());
}

TEST(SetupFile, AFailedSaveNamesTheFile) {
    QTemporaryDir folder;
    writeFile(folder.filePath(QStringLiteral("plain")), "not a folder");
    const QString notCreatable[] = {folder.path(), folder.filePath(QStringLiteral("plain/x.agt"))};
    for (const QString& path : notCreatable) {
        const QString failure = failureOf([&] { saveSetupFile(path, "text\r\n"); });
        const QString start = QStringLiteral("Cannot create file \"%1\". ").arg(path);
        EXPECT_TRUE(failure.startsWith(start)) << failure.toStdString();
        EXPECT_GT(failure.size(), start.size()); // a reason follows
    }
}

TEST(SetupFile, AnOldFileStaysWholeWhenTheWritingFails) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("old.agt"));
    const QByteArray old = fileOf(sampleLines().first(34));
    writeFile(path, old);
    QString failure;
    {
        FileSizeLimit limit(100); // the new text is longer
        failure = failureOf([&] { saveSetupFile(path, setupFileText(sampleRecord())); });
    }
    EXPECT_TRUE(failure.startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(path)))
        << failure.toStdString();
    EXPECT_EQ(contentOf(path), old);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("old.agt")});
}

TEST(SetupFile, ReadingFailuresNameTheFileOrTheLine) {
    QTemporaryDir folder;
    const QString missing = folder.filePath(QStringLiteral("gone.agt"));
    EXPECT_TRUE(failureOf([&] {
                    readSetupFile(missing);
                }).startsWith(QStringLiteral("Cannot open file \"%1\". ").arg(missing)));
    const QString shortFile = folder.filePath(QStringLiteral("short.agt"));
    writeFile(shortFile, fileOf(sampleLines().first(10)));
    EXPECT_EQ(failureOf([&] { readSetupFile(shortFile); }),
              QStringLiteral("The file ends after line 10, but a setup has 52 lines (line 11, "
                             "ValuePlace)"));

    // A huge file is refused before it is read: a sparse file of 2 GB costs no disk.
    const QString huge = folder.filePath(QStringLiteral("huge.agt"));
    writeFile(huge, fileOf(sampleLines()));
    QFile::resize(huge, qint64(2) << 30);
    EXPECT_EQ(failureOf([&] { readSetupFile(huge); }),
              QStringLiteral("\"%1\" is not a setup file: it is 2147483648 bytes long.").arg(huge));
}
