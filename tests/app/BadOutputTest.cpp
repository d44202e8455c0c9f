// Files the File menu cannot write: the six picture exports and Save Tilette. Each failure names
// the file and why, an earlier file of that name keeps its bytes, and nothing else is left
// behind.
#include "WindowFixture.h"
#include "support/FileTraps.h"

#include <QAction>
#include <cstring>
#include <functional>

#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

// One way of saving from the File menu.
struct SaveTarget {
    const char* what;
    QAction* TForm1::*item; // nullptr for Save Tilette
};

const SaveTarget saveTargets[] = {
    {"the sheet as a bitmap", &TForm1::SaveSheetImageBestItem},
    {"the sheet as a JPEG", &TForm1::SaveSheetImageGoodItem},
    {"the sheet for e-mail", &TForm1::SaveSheetImageforEmailItem},
    {"the tilette as a bitmap", &TForm1::SaveSingleTiletteImageBestItem},
    {"the tilette as a JPEG", &TForm1::SaveSingleTiletteImageGoodItem},
    {"the tilette for e-mail", &TForm1::SaveSingleTiletteImageforEmailItem},
    {"the setup", nullptr},
};

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

bool isCharacterDevice(const QString& path) {
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 && S_ISCHR(status.st_mode);
}

} // namespace

class BadOutputTest : public WindowFixture {
  public:
    void SetUp() override {
        WindowFixture::SetUp();
        continueWith(pictureFile(QStringLiteral("photo.bmp"), 400, 400, 0x3366CC));
        ASSERT_EQ(errorsShown(), 0);
    }

    // Saves as the user does, answering the save dialog with path; returns what the user is told
    // of a failure (the setup's "File not Saved" box, an export's error box), or nothing.
    QString save(const SaveTarget& target, const QString& path) {
        const size_t shownBefore = dialogs.shown().size();
        dialogs.answerFile(path);
        if (target.item)
            ((*form).*target.item)->trigger();
        else
            form->run(&TForm1::SaveAsItemClick);
        if (dialogs.shown().size() == shownBefore + 1)
            return {}; // only the save dialog
        const ShownDialog& told = dialogs.shown().back();
        if (!target.item && told.kind == DialogKind::Message &&
            told.text.startsWith(QStringLiteral("File not Saved\n")))
            return told.text.mid(15);
        return told.kind == DialogKind::Error ? told.text : QStringLiteral("(not an error)");
    }

    QString inFolder(const QString& name) const { return folder.filePath(name); }
};

// Where a file cannot be made at all. Every target tells why, naming the file, and the folder
// holds what it held.
TEST_F(BadOutputTest, WhereNoFileCanBeMadeEachSaveSaysWhy) {
    struct Way {
        const char* what;
        std::function<QString(BadOutputTest&)> make; // the path chosen, or nothing to skip
        QString reason;
        QString setupReason = {}; // where Qt's save file words it otherwise
    };
    const QString pipeOrDevice = QStringLiteral("It is a pipe or a device, not a file.");
    const Way ways[] = {
        {"a folder that does not exist",
         [](BadOutputTest& t) { return t.inFolder("no such folder/out.bmp"); },
         systemReason(ENOENT)},
        {"a folder that is a file",
         [](BadOutputTest& t) { return t.inFolder("photo.bmp/out.bmp"); }, systemReason(ENOTDIR)},
        {"the name of a folder",
         [](BadOutputTest& t) {
             QDir(t.inFolder({})).mkdir(QStringLiteral("taken.bmp"));
             return t.inFolder("taken.bmp");
         },
         systemReason(EISDIR), QStringLiteral("Filename refers to a directory")},
        {"a link to a pipe",
         [](BadOutputTest& t) {
             traps::makeFifo(t.inFolder("pipe"));
             QFile::link(t.inFolder("pipe"), t.inFolder("to-pipe.bmp"));
             return t.inFolder("to-pipe.bmp");
         },
         pipeOrDevice},
        // A device of our own like /dev/full, reached through a link: the writers write beside
        // the file they replace, so they would put a file where the device is.
        {"a link to a device",
         [](BadOutputTest& t) {
             const QString device = t.inFolder("full");
             if (::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0666, makedev(1, 7)) != 0)
                 return QString();
             QFile::link(device, t.inFolder("to-device.bmp"));
             return t.inFolder("to-device.bmp");
         },
         pipeOrDevice},
    };
    for (const Way& way : ways) {
        const QString path = way.make(*this);
        if (path.isEmpty()) {
            std::printf("Skipped \"%s\": this system cannot make it.\n", way.what);
            continue;
        }
        const QStringList entries = traps::entriesOf(inFolder({}));
        for (const SaveTarget& target : saveTargets) {
            SCOPED_TRACE(testing::Message() << "saving " << target.what << " to " << way.what);
            EXPECT_EQ(save(target, path).toStdString(),
                      QStringLiteral("Cannot create file \"%1\". %2")
                          .arg(path, !target.item && !way.setupReason.isEmpty() ? way.setupReason
                                                                                : way.reason)
                          .toStdString());
            EXPECT_EQ(traps::entriesOf(inFolder({})), entries);
        }
    }
    // The pipe and the device are still what they were.
    EXPECT_TRUE(QFileInfo(inFolder("pipe")).exists() && !QFileInfo(inFolder("pipe")).isFile());
    if (QFileInfo::exists(inFolder("full"))) {
        EXPECT_TRUE(isCharacterDevice(inFolder("full")));
    }
}

class BadOutputOnItsOwnDiskTest : public BadOutputTest {
  public:
    void SetUp() override {
        BadOutputTest::SetUp();
        if (!disk.skipReason().isEmpty())
            GTEST_SKIP() << disk.skipReason().toStdString();
        // An earlier export: the next saves under its name must leave it whole.
        earlier = disk.filePath(QStringLiteral("tilette.jpg"));
        ASSERT_EQ(save(saveTargets[5], earlier), QString());
        earlierBytes = traps::contentOf(earlier);
        ASSERT_GT(earlierBytes.size(), 100);
    }

    // Every target saved under the earlier file's name fails for reason; the earlier file keeps
    // its bytes and the disk holds nothing new.
    void expectEverySaveRefused(const QString& reason, const QString& setupReason = {}) {
        const QStringList entries = traps::entriesOf(disk.path());
        for (const SaveTarget& target : saveTargets) {
            SCOPED_TRACE(target.what);
            EXPECT_EQ(save(target, earlier).toStdString(),
                      QStringLiteral("Cannot create file \"%1\". %2")
                          .arg(earlier, target.item || setupReason.isEmpty() ? reason : setupReason)
                          .toStdString());
            EXPECT_EQ(traps::contentOf(earlier), earlierBytes);
            EXPECT_EQ(traps::entriesOf(disk.path()), entries);
        }
    }

    traps::SmallFileSystem disk{QStringLiteral("256k")};
    QString earlier;
    QByteArray earlierBytes;
};

TEST_F(BadOutputOnItsOwnDiskTest, AFullDiskKeepsTheEarlierFileAndLeavesNoPart) {
    ASSERT_TRUE(disk.fillUpTo(0));
    expectEverySaveRefused(systemReason(ENOSPC));
}

TEST_F(BadOutputOnItsOwnDiskTest, AReadOnlyDiskKeepsTheEarlierFile) {
    const QString refused = disk.makeReadOnly();
    if (!refused.isEmpty())
        GTEST_SKIP() << refused.toStdString();
    expectEverySaveRefused(systemReason(EROFS),
                           QStringLiteral("Existing file %1 is not writable").arg(earlier));
}
