#include "BatchRun.h"
#include "app/TForm1.h"
#include "support/FakePrinterSystem.h"
#include "support/ScriptedDialogs.h"

#include <QAction>

namespace {
int differingPixels(const Bitmap& one, const Bitmap& other) {
    if (one.width() != other.width() || one.height() != other.height())
        return -1;
    int count = 0;
    for (int y = 0; y < one.height(); ++y)
        for (int x = 0; x < one.width(); ++x)
            count += one.pixel(x, y) != other.pixel(x, y);
    return count;
}
} // namespace

// The batch program and the window make the same sheet and the same tilette from the same
// setup, pixel for pixel: the window on a fake printer of Letter paper at 600 pixels per inch
// with quarter-inch margins, the batch program on the PDF printer with Letter paper. A setup with
// every kind of drawing: pictures of three shapes, texts in both fonts, the perforations that
// run across the sheet, and the Frame page type.
TEST_F(TilettesBatch, TheSheetAndTheTiletteAreTheWindowsPixelForPixel) {
    SheetDefinition definition = threeRowsDefinition();
    definition.border = BorderType::Perforations;
    definition.borderColour = colours::red;
    definition.pageType = PageType::Frame;
    definition.valueText = QStringLiteral("$5");
    definition.captionText = QStringLiteral("Tilettes");
    const QString setup = setupFile(QStringLiteral("sheet.agt"), definition, threePictures());

    ScriptedDialogs dialogs;
    FakePrinterSystem printers; // Letter at 600 pixels per inch
    TForm1 window(dialogs, printers);
    window.show();
    dialogs.answerFile(path(QStringLiteral("first.bmp")));
    window.run(&TForm1::ContinueButtonClick);
    dialogs.answerFile(setup);
    window.run(&TForm1::OpenItemClick);
    const QString windowSheet = path(QStringLiteral("window-sheet.bmp"));
    dialogs.answerFile(windowSheet);
    window.SaveSheetImageBestItem->trigger();
    // The tilette shown after composing is that of the last slot drawn.
    ASSERT_EQ(window.state.CurrentSlot, 3);
    const QString windowTilette = path(QStringLiteral("window-tilette.bmp"));
    dialogs.answerFile(windowTilette);
    window.SaveSingleTiletteImageBestItem->trigger();
    for (const ShownDialog& shown : dialogs.shown())
        ASSERT_NE(shown.kind, DialogKind::Error) << shown.text.toStdString();

    const QStringList letter{setup, QStringLiteral("--paper"), QStringLiteral("Letter")};
    EXPECT_RAN(run(letter + QStringList{"-o", "batch-sheet.bmp"}));
    EXPECT_RAN(run(letter + QStringList{"-o", "batch-tilette.bmp", "--tilette", "3"}));

    const Bitmap sheet = readPicture(path(QStringLiteral("batch-sheet.bmp")));
    EXPECT_EQ(sheet.width(), sheetWidth);
    EXPECT_EQ(differingPixels(sheet, readPicture(windowSheet)), 0);
    const Bitmap tilette = readPicture(path(QStringLiteral("batch-tilette.bmp")));
    // Perforations make the tilette 316 wide: (1600 − 2 × 9) div 5.
    EXPECT_EQ(tilette.width(), 316);
    EXPECT_EQ(differingPixels(tilette, readPicture(windowTilette)), 0);
}
