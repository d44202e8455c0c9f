// A printer that fails: the failure is told, nothing claims the sheet was printed, and the
// slots and the composed sheet stay as they were. Real print queues that stop or refuse jobs
// are tried in the print test program, against a print server of its own.
#include "WindowFixture.h"

#include <QPushButton>
#include <functional>

class BadPrintingTest : public WindowFixture {
  public:
    void SetUp() override {
        WindowFixture::SetUp();
        continueWith(pictureFile(QStringLiteral("photo.bmp"), 400, 400, 0x3366CC));
        form->state.DataFolder = folder.path();
        ASSERT_EQ(errorsShown(), 0);
    }

    QStringList slotNames() const {
        QStringList names;
        for (const ImageSlot& slot : form->session().slotTable())
            names << slot.FileName;
        return names;
    }
    bool anyMessageSaysPrinted() const {
        for (const ShownDialog& shown : dialogs.shown())
            if (shown.kind == DialogKind::Message && shown.text.contains(QStringLiteral("printed")))
                return true;
        return false;
    }
};

TEST_F(BadPrintingTest, APrinterThatFailsIsToldAndNothingClaimsThePrint) {
    struct Row {
        const char* what;
        std::function<void(FakePrinterSystem&)> breakPrinter;
        QString message;
    };
    const Row rows[] = {
        {"a printer whose job cannot begin", [](FakePrinterSystem& p) { p.failBegin = true; },
         QStringLiteral("Printer is not ready")},
        {"a printer that fails at the end of the job",
         [](FakePrinterSystem& p) { p.failFinish = true; }, QStringLiteral("Printer error")},
        {"a file printer whose file cannot begin",
         [](FakePrinterSystem& p) {
             p.toFile = true;
             p.failBegin = true;
         },
         QStringLiteral("Printer is not ready")},
        {"a file printer that fails at the end of the file",
         [](FakePrinterSystem& p) {
             p.toFile = true;
             p.failFinish = true;
         },
         QStringLiteral("Printer error")},
    };
    const QStringList names = slotNames();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        printers = FakePrinterSystem();
        row.breakPrinter(printers);
        if (printers.toFile)
            dialogs.answerFile(folder.filePath(QStringLiteral("sheet.pdf")));
        const int errorsBefore = errorsShown();
        form->run(&TForm1::PrintButtonClick);
        EXPECT_EQ(errorsShown(), errorsBefore + 1);
        EXPECT_EQ(lastError(), row.message);
        EXPECT_FALSE(anyMessageSaysPrinted());
        EXPECT_TRUE(printers.printedPages.empty());
        EXPECT_EQ(slotNames(), names);
        // The sheet is still the one composed, not the white sheet a print leaves.
        const SheetGrid& grid = form->session().grid();
        EXPECT_EQ(form->state.SheetBitmap.pixel(grid.tiletteWidth / 2, grid.tiletteHeight / 2),
                  0x3366CCu);
        EXPECT_FALSE(form->state.Printing);
        EXPECT_TRUE(form->PrintButton->isEnabled());
    }
}
