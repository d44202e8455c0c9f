// A data folder the program cannot make or write to. The program starts, says so where it cannot
// make it, and works on: pictures load and export; what needs the folder (printing writes the
// page bitmap there first) says why it cannot go on and prints nothing.
#include "app/TForm1.h"
#include "support/FakePrinterSystem.h"
#include "support/FileTraps.h"
#include "support/ScriptedDialogs.h"

#include "platform/PictureFile.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>

namespace {

// The user's data home moved for one window's life, with Qt's test paths off so that the
// standard variable counts as it does for the real program.
class DataHome {
  public:
    explicit DataHome(const QString& path) : saved_(qgetenv("XDG_DATA_HOME")) {
        QStandardPaths::setTestModeEnabled(false);
        qputenv("XDG_DATA_HOME", QFile::encodeName(path));
    }
    ~DataHome() {
        if (saved_.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", saved_);
        QStandardPaths::setTestModeEnabled(true);
    }
    DataHome(const DataHome&) = delete;
    DataHome& operator=(const DataHome&) = delete;

  private:
    QByteArray saved_;
};

QString dataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

QString reason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

QStringList errorsOf(const ScriptedDialogs& dialogs) {
    QStringList errors;
    for (const ShownDialog& shown : dialogs.shown())
        if (shown.kind == DialogKind::Error)
            errors << shown.text;
    return errors;
}

} // namespace

class BadDataFolderTest : public testing::Test {
  public:
    // Starts the window with the data home given, loads a picture, exports the sheet and prints;
    // checks that each went as a window without its data folder should.
    // An empty startReason: start-up has nothing to tell.
    void startExportAndPrint(const QString& dataHome, const QString& startReason,
                             const QString& printReason) {
        const DataHome home(dataHome);
        const QString expectedFolder = dataFolder();
        const QStringList startErrors =
            startReason.isEmpty()
                ? QStringList{}
                : QStringList{QStringLiteral("Unable to create directory \"%1\". %2")
                                  .arg(expectedFolder, startReason)};
        ScriptedDialogs dialogs;
        FakePrinterSystem printers;
        TForm1 form(dialogs, printers);
        form.show();
        EXPECT_EQ(form.state.DataFolder, expectedFolder);
        EXPECT_EQ(errorsOf(dialogs), startErrors);
        EXPECT_EQ(form.session().slotTable()[0].TiletteImage.width(), 316); // start-up went on

        const QString photo = work.filePath(QStringLiteral("photo.bmp"));
        writeBitmapFile(photo, Bitmap(400, 400, 0x3366CC));
        dialogs.answerFile(photo);
        form.run(&TForm1::ContinueButtonClick);
        const QString exported = work.filePath(QStringLiteral("sheet.jpg"));
        dialogs.answerFile(exported);
        form.SaveSheetImageGoodItem->trigger();
        EXPECT_EQ(errorsOf(dialogs), startErrors);
        EXPECT_EQ(readPicture(exported).width(), 1600);

        form.run(&TForm1::PrintButtonClick);
        const QString pageFile = QDir(expectedFolder).filePath(QStringLiteral("~~page.bmp"));
        EXPECT_EQ(errorsOf(dialogs),
                  startErrors + QStringList{QStringLiteral("Cannot create file \"%1\". %2")
                                                .arg(pageFile, printReason)});
        EXPECT_EQ(printers.documentsBegun, 0);
        EXPECT_EQ(form.session().slotTable()[1].FileName, photo);
    }

    static QString dataFolderUnder(const QString& dataHome) {
        const DataHome home(dataHome);
        return dataFolder();
    }

    QTemporaryDir work;
};

TEST_F(BadDataFolderTest, UnderAFile) {
    const QString file = work.filePath(QStringLiteral("a file"));
    ASSERT_TRUE(traps::writeBytes(file, "not a folder"));
    startExportAndPrint(file + QStringLiteral("/share"), reason(ENOTDIR), reason(ENOTDIR));
}

TEST_F(BadDataFolderTest, AFileInItsPlace) {
    const QString home = work.filePath(QStringLiteral("share"));
    const QString folder = dataFolderUnder(home);
    ASSERT_TRUE(QDir().mkpath(QFileInfo(folder).absolutePath()));
    ASSERT_TRUE(traps::writeBytes(folder, "a file where the folder should be"));
    startExportAndPrint(home, reason(ENOTDIR), reason(ENOTDIR));
    EXPECT_EQ(traps::contentOf(folder), QByteArray("a file where the folder should be"));
}

TEST_F(BadDataFolderTest, OnAReadOnlyDisk) {
    traps::SmallFileSystem disk(QStringLiteral("1m"));
    if (!disk.skipReason().isEmpty())
        GTEST_SKIP() << disk.skipReason().toStdString();
    ASSERT_TRUE(QDir().mkpath(dataFolderUnder(disk.path())));
    const QString refused = disk.makeReadOnly();
    if (!refused.isEmpty())
        GTEST_SKIP() << refused.toStdString();
    // The folder is there, so start-up has nothing to tell; the first print has.
    startExportAndPrint(disk.path(), QString(), reason(EROFS));
}

TEST_F(BadDataFolderTest, NotYetMadeOnAReadOnlyDisk) {
    traps::SmallFileSystem disk(QStringLiteral("1m"));
    if (!disk.skipReason().isEmpty())
        GTEST_SKIP() << disk.skipReason().toStdString();
    const QString refused = disk.makeReadOnly();
    if (!refused.isEmpty())
        GTEST_SKIP() << refused.toStdString();
    startExportAndPrint(disk.path(), reason(EROFS), reason(ENOENT));
}
