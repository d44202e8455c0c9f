// Printing where it cannot go: no print server, a queue that is stopped or refuses jobs, a PDF
// file that cannot be made. Each is told, nothing claims the sheet was printed, and the slots
// and the composed sheet stay as they were.
#include "app/TForm1.h"
#include "platform/PictureFile.h"
#include "platform/ui/QtPrinterSystem.h"
#include "print/PrivateCupsServer.h"
#include "support/FileTraps.h"
#include "support/ScriptedDialogs.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QString queueName = QStringLiteral("TestPdf");
const QString cupsPdfPpd = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd");
constexpr Colour pictureColour = 0x2080E0;

class BadPrintQueueTest : public testing::Test {
  protected:
    void SetUp() override {
        picture = folder.filePath(QStringLiteral("photo.bmp"));
        writeBitmapFile(picture, Bitmap(400, 400, pictureColour));
    }

    // Prints the picture's sheet on the printer selected; returns the errors shown.
    QStringList printOn(QtPrinterSystem& printers, const std::optional<QString>& pdfFile = {}) {
        ScriptedDialogs dialogs;
        TForm1 form(dialogs, printers);
        form.show();
        dialogs.answerFile(picture);
        form.run(&TForm1::ContinueButtonClick);
        if (pdfFile)
            dialogs.answerFile(*pdfFile);
        {
            const traps::HangGuard guard(60);
            form.run(&TForm1::PrintButtonClick);
        }
        EXPECT_EQ(dialogs.remainingAnswers(), 0);
        EXPECT_EQ(form.session().slotTable()[1].FileName, picture);
        QStringList errors;
        printedMessage.clear();
        for (const ShownDialog& shown : dialogs.shown()) {
            if (shown.kind == DialogKind::Error)
                errors << shown.text;
            if (shown.kind == DialogKind::Message && shown.text.contains(QStringLiteral("printed")))
                printedMessage = shown.text;
        }
        // A failed print leaves the sheet as composed; a print leaves it white.
        const SheetGrid& grid = form.session().grid();
        sheetKept = form.state.SheetBitmap.pixel(grid.tiletteWidth / 2, grid.tiletteHeight / 2) ==
                    pictureColour;
        return errors;
    }

    QTemporaryDir folder;
    QString picture;
    QString printedMessage;
    bool sheetKept = false;
};

int pdfPrinterOf(const QtPrinterSystem& printers) {
    return static_cast<int>(printers.printerNames().indexOf(QtPrinterSystem::pdfPrinterName));
}

} // namespace

// No print server answers: the built-in PDF printer is all there is, and it prints.
TEST_F(BadPrintQueueTest, WithoutAPrintServerThePdfPrinterRemains) {
    QtPrinterSystem printers;
    EXPECT_EQ(printers.printerNames(), QStringList{QtPrinterSystem::pdfPrinterName});
    EXPECT_EQ(printers.selectedIndex(), 0);
    const QString pdf = folder.filePath(QStringLiteral("sheet.pdf"));
    EXPECT_EQ(printOn(printers, pdf), QStringList());
    EXPECT_TRUE(QFileInfo(pdf).size() > 0);
    EXPECT_EQ(printedMessage, QStringLiteral("The sheet was printed to \"%1\".").arg(pdf));
}

TEST_F(BadPrintQueueTest, AQueueThatWouldNotPrintIsToldAndGetsNoJob) {
    PrivateCupsServer server(qEnvironmentVariable("CUPS_SERVER"));
    const QString started = server.start();
    ASSERT_TRUE(started.isEmpty()) << started.toStdString();
    const QString added = server.addPdfQueue(queueName, cupsPdfPpd);
    ASSERT_TRUE(added.isEmpty()) << added.toStdString();
    const struct {
        const char* tool;
        const char* undo;
        QString message;
    } rows[] = {
        {"cupsdisable", "cupsenable",
         QStringLiteral("Printer \"%1\" is stopped, so nothing was printed. Start it again, or "
                        "choose another printer with Printer Setup.")
             .arg(queueName)},
        {"cupsreject", "cupsaccept",
         QStringLiteral("Printer \"%1\" is not accepting jobs, so nothing was printed. Choose "
                        "another printer with Printer Setup.")
             .arg(queueName)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.tool);
        const QString changed = server.queueCommand(QString::fromLatin1(row.tool), queueName);
        ASSERT_TRUE(changed.isEmpty()) << changed.toStdString();
        QtPrinterSystem printers;
        printers.select(static_cast<int>(printers.printerNames().indexOf(queueName)));
        ASSERT_EQ(printers.printerNames().value(printers.selectedIndex()), queueName);
        EXPECT_EQ(printOn(printers), QStringList{row.message});
        EXPECT_TRUE(printedMessage.isEmpty()) << printedMessage.toStdString();
        EXPECT_TRUE(sheetKept);
        EXPECT_TRUE(server.idle(queueName)) << "a job was left in the queue";
        ASSERT_TRUE(server.queueCommand(QString::fromLatin1(row.undo), queueName).isEmpty());
    }
}

TEST_F(BadPrintQueueTest, APdfFileThatCannotBeMadeIsToldByName) {
    const struct {
        const char* what;
        QString path;
        QString reason;
    } rows[] = {
        {"a folder that is a file", picture + QStringLiteral("/sheet.pdf"),
         QString::fromLocal8Bit(std::strerror(ENOTDIR))},
        {"the name of a folder", folder.path(), QString::fromLocal8Bit(std::strerror(EISDIR))},
        {"a pipe no one reads", traps::makeFifo(folder.filePath(QStringLiteral("pipe.pdf"))),
         QStringLiteral("It is a pipe or a device, not a file.")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        QtPrinterSystem printers;
        printers.select(pdfPrinterOf(printers));
        const QStringList entries = traps::entriesOf(folder.path());
        EXPECT_EQ(
            printOn(printers, row.path),
            QStringList{QStringLiteral("Cannot create file \"%1\". %2").arg(row.path, row.reason)});
        EXPECT_TRUE(printedMessage.isEmpty()) << printedMessage.toStdString();
        EXPECT_TRUE(sheetKept);
        EXPECT_EQ(traps::entriesOf(folder.path()), entries);
    }
}

// A PDF that does not fit on the disk: told, and an earlier PDF of that name keeps its bytes.
TEST_F(BadPrintQueueTest, APdfOnAFullDiskKeepsTheEarlierFile) {
    traps::SmallFileSystem disk(QStringLiteral("64k"));
    if (!disk.skipReason().isEmpty())
        GTEST_SKIP() << disk.skipReason().toStdString();
    const QString pdf = disk.filePath(QStringLiteral("sheet.pdf"));
    ASSERT_TRUE(traps::writeBytes(pdf, "an earlier PDF"));
    QtPrinterSystem printers;
    printers.select(pdfPrinterOf(printers));
    EXPECT_EQ(printOn(printers, pdf),
              QStringList{QStringLiteral("Cannot create file \"%1\". The PDF could not be written "
                                         "whole; is the disk full?")
                              .arg(pdf)});
    EXPECT_TRUE(printedMessage.isEmpty()) << printedMessage.toStdString();
    EXPECT_TRUE(sheetKept);
    EXPECT_EQ(traps::contentOf(pdf), QByteArray("an earlier PDF"));
    EXPECT_EQ(traps::entriesOf(disk.path()), QStringList{QStringLiteral("sheet.pdf")});
}
