#include "WindowFixture.h"

#include "app/controls/PageControl.h"
#include "app/controls/RadioGroup.h"
#include "app/controls/UpDown.h"
#include "sheet/PrintPerforations.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <stdexcept>

namespace {
constexpr Colour pictureColour = 0x3366CC;

Colour pagePixel(const QImage& page, int x, int y) {
    return fromRgb(page.pixel(x, y));
}
} // namespace

class PrintTest : public WindowFixture {
  protected:
    void SetUp() override {
        WindowFixture::SetUp();
        continueWith(pictureFile(QStringLiteral("photo.bmp"), 400, 400, pictureColour));
        // Each test its own page file: the test programs run side by side.
        form->state.DataFolder = folder.path();
    }
    QString pageFile() const {
        return QDir(form->state.DataFolder).filePath(QStringLiteral("~~page.bmp"));
    }
    // After every way out of Print Page the window is as it was before.
    void expectWindowRestored() {
        EXPECT_FALSE(form->state.Printing);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        EXPECT_TRUE(form->PrintButton->isEnabled());
    }
};

TEST_F(PrintTest, PrintsTheSheetAsOneJobWithTheCopiesAndLeavesItWhite) {
    QFile::remove(pageFile());
    form->CopiesUpDown->setPosition(3);
    bool lockedWhilePrinting = false;
    printers.whenBeginning = [this, &lockedWhilePrinting] {
        lockedWhilePrinting = !form->PrintButton->isEnabled() && !form->FileMenu->isEnabled();
    };
    form->PrintButton->click();
    EXPECT_TRUE(lockedWhilePrinting);
    ASSERT_EQ(printers.documentsBegun, 1);
    ASSERT_EQ(printers.printedPages.size(), 1u);
    EXPECT_EQ(printers.copyCount, 3);
    // 600 dpi, 1600 × 2100 units: three device pixels a unit, no top offset.
    const QImage& page = printers.printedPages.front();
    EXPECT_EQ(pagePixel(page, 160 * 3, 160 * 3), pictureColour);
    EXPECT_EQ(pagePixel(page, (320 + 160) * 3, (320 * 5 + 160) * 3), pictureColour);
    EXPECT_EQ(pagePixel(page, 800 * 3, 2050 * 3), colours::white); // below the sixth row
    // The page file holds the sheet as printed; the sheet itself is white afterwards.
    EXPECT_EQ(readPicture(pageFile()).pixel(160, 160), pictureColour);
    EXPECT_EQ(form->state.SheetBitmap.pixel(160, 160), colours::white);
    EXPECT_EQ(dialogs.shown().back().text,
              QStringLiteral("The sheet was sent to the printer \"Fake Printer\": 3 copies."));
    expectWindowRestored();
}

TEST_F(PrintTest, PerforationsArePrintedOnThePageNotOnTheSheet) {
    form->BorderRadioGroup->setItemIndex(3);
    SheetLayout layout;
    static_cast<SheetGrid&>(layout) = form->session().grid();
    const auto dots = perforationDots(600, 600, layout, colours::black);
    ASSERT_FALSE(dots.empty());
    const Rect box = dots.front().box;
    const int centreX = (box.left + box.right) / 2, centreY = (box.top + box.bottom) / 2;
    // The first dark row down the middle of the first dot.
    const auto dotTop = [&](const QImage& page) {
        for (int y = std::max(0, box.top - 6); y < box.bottom + 6; ++y)
            if (pagePixel(page, centreX, y) == colours::black)
                return y;
        return -1;
    };

    form->run(&TForm1::PrintButtonClick);
    ASSERT_EQ(printers.printedPages.size(), 1u);
    const int dotTopOnEvenPage = dotTop(printers.printedPages.back());
    EXPECT_EQ(pagePixel(printers.printedPages.back(), centreX, centreY), colours::black);
    // On the sheet (the page file) the same place is white: 600 dpi is 3 pixels a unit.
    EXPECT_EQ(readPicture(pageFile()).pixel(centreX / 3, centreY / 3), colours::white);

    // 6305 rows hold 2101 sheet rows printed 6300 high, two rows down: the dots follow.
    printers.caps.pageHeight = 6305;
    form->run(&TForm1::PrintButtonClick);
    ASSERT_EQ(printers.printedPages.size(), 2u);
    EXPECT_EQ(dotTop(printers.printedPages.back()), dotTopOnEvenPage + 2);
    expectWindowRestored();
}

TEST_F(PrintTest, EveryFailureIsToldAndLeavesTheWindowWorking) {
    // The page file cannot be written: nothing reaches the printer.
    const QString dataFolder = form->state.DataFolder;
    form->state.DataFolder = pictureFile(QStringLiteral("not-a-folder.bmp"), 2, 2);
    form->run(&TForm1::PrintButtonClick);
    EXPECT_TRUE(lastError().startsWith(QStringLiteral("Cannot create file")))
        << lastError().toStdString();
    EXPECT_EQ(printers.documentsBegun, 0);
    expectWindowRestored();
    form->state.DataFolder = dataFolder;

    printers.failBegin = true;
    form->run(&TForm1::PrintButtonClick);
    EXPECT_EQ(lastError(), QStringLiteral("Printer is not ready"));
    expectWindowRestored();

    printers.failBegin = false;
    printers.failFinish = true;
    form->run(&TForm1::PrintButtonClick);
    EXPECT_EQ(lastError(), QStringLiteral("Printer error"));
    EXPECT_TRUE(printers.printedPages.empty());
    expectWindowRestored();
    EXPECT_EQ(errorsShown(), 3);

    // A printer without a page size: told, and nothing is written or printed.
    printers.failFinish = false;
    printers.caps = DeviceCapabilities{};
    QFile::remove(pageFile());
    form->run(&TForm1::PrintButtonClick);
    EXPECT_TRUE(dialogs.shown().back().text.startsWith(QStringLiteral("The printer gives no")));
    EXPECT_FALSE(QFile::exists(pageFile()));
    EXPECT_EQ(printers.documentsBegun, 1); // only the job that failed at its end
    expectWindowRestored();
    printers.caps = FakePrinterSystem::letterAt600();

    // Missing slots stop before anything is written or printed.
    printers.failFinish = false;
    QFile::remove(pageFile());
    form->TypeOfPageRadioGroup->setItemIndex(2);
    form->run(&TForm1::PrintButtonClick);
    EXPECT_EQ(dialogs.shown().back().text,
              QStringLiteral("Must have 4 images selected to use this option."));
    EXPECT_FALSE(QFile::exists(pageFile()));
    EXPECT_TRUE(printers.printedPages.empty());
    expectWindowRestored();

    // A fault of the program's own is shown like any other error.
    printers.whenBeginning = [] { throw std::out_of_range("array::at: 5 is past the end"); };
    form->TypeOfPageRadioGroup->setItemIndex(0);
    form->run(&TForm1::PrintButtonClick);
    EXPECT_EQ(lastError(), QStringLiteral("array::at: 5 is past the end"));
    expectWindowRestored();
}

TEST_F(PrintTest, ThePdfPrinterAsksWhereAndSaysWhereItWrote) {
    printers.toFile = true;
    const QString home = folder.filePath(QStringLiteral("home"));
    ASSERT_TRUE(QDir().mkpath(home));
    const QByteArray ownHome = qgetenv("HOME");
    const auto restoreHome = qScopeGuard([&] { qputenv("HOME", ownHome); });
    qputenv("HOME", QFile::encodeName(home));
    // Without a documents folder, the sheet is proposed in the home folder.
    const size_t before = dialogs.shown().size();
    dialogs.cancel();
    form->run(&TForm1::PrintButtonClick);
    EXPECT_EQ(dialogs.shown().back().text, QStringLiteral("Nothing printed."));
    EXPECT_EQ(printers.documentsBegun, 0);
    EXPECT_EQ(dialogs.shown().at(before).request.folder, home);
    EXPECT_EQ(dialogs.shown().at(before).request.fileName, QStringLiteral("sheet.pdf"));

    // Once there is one, there; and named after the setup saved.
    ASSERT_TRUE(QDir(home).mkdir(QStringLiteral("Documents")));
    dialogs.answerFile(folder.filePath(QStringLiteral("stamps.agt")));
    form->SaveAsItemClick();
    const QString pdf = folder.filePath(QStringLiteral("sheet.pdf"));
    dialogs.answerFile(pdf);
    form->run(&TForm1::PrintButtonClick);
    const ShownDialog& asked = dialogs.shown()[dialogs.shown().size() - 2];
    EXPECT_EQ(asked.request.folder, QDir(home).filePath(QStringLiteral("Documents")));
    EXPECT_EQ(asked.request.fileName, QStringLiteral("stamps.pdf"));
    EXPECT_EQ(asked.kind, DialogKind::SaveFile);
    EXPECT_EQ(asked.request.defaultSuffix, QStringLiteral("pdf"));
    EXPECT_TRUE(asked.request.confirmOverwrite);
    EXPECT_EQ(printers.outputFile, pdf);
    EXPECT_EQ(printers.documentsBegun, 1);
    EXPECT_TRUE(dialogs.shown().back().text.contains(pdf));
    expectWindowRestored();
}

TEST_F(PrintTest, PrinterSetupMeasuresTheNewPageAndWorksOutTheSizeAgain) {
    dialogs.answerPrinterSetup(true, [](PrinterSystem& chosen) {
        auto& fake = static_cast<FakePrinterSystem&>(chosen);
        fake.caps.pageWidth = 4650;  // 7.75 inches: 1550 units, five across of 310
        fake.caps.pageHeight = 3000; // 5 inches: 1000 units, three rows of 310
    });
    form->PageControl1->setActivePage(form->AboutTabSheet);
    form->run(&TForm1::PrinterSetupButtonClick);
    EXPECT_EQ(form->session().printerMetrics().PageHeight, 3000);
    EXPECT_EQ(form->session().grid().tiletteWidth, 310);
    EXPECT_EQ(form->DownLabel->text(), QStringLiteral("Tilettes Down = 3 Across = 5"));
    EXPECT_EQ(form->PageControl1->activePage(), form->StandardTabSheet);

    // A size set by hand stays on the next page.
    form->SizeTilettesCheckBox->setChecked(true);
    dialogs.answerPrinterSetup(true, [](PrinterSystem& chosen) {
        static_cast<FakePrinterSystem&>(chosen).caps = FakePrinterSystem::letterAt600();
    });
    form->run(&TForm1::PrinterSetupButtonClick);
    EXPECT_EQ(form->session().grid().tiletteWidth, 310);
    EXPECT_EQ(form->DownLabel->text(), QStringLiteral("Tilettes Down = 6 Across = 5"));
}
