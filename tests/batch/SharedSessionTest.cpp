#include "BatchRun.h"
#include "app/TForm1.h"
#include "batch/BatchSheet.h"
#include "support/FakePrinterSystem.h"
#include "support/ScriptedDialogs.h"

// The window replays a setup onto its controls, whose handlers drive its session; the batch
// program puts the setup into a session directly. From there both take the same operations, so
// on one printer they hold the same sheet: settings, slots, grid, tilettes and the sheet
// composed, pixel for pixel. The setup has pictures of three shapes, texts in both fonts, the
// perforations that run across the sheet, and the Frame page type.
TEST_F(TilettesBatch, TheWindowAndTheBatchLayASetupOutThroughTheSameSession) {
    SheetDefinition definition = threeRowsDefinition();
    definition.border = BorderType::Perforations;
    definition.borderColour = colours::red;
    definition.pageType = PageType::Frame;
    definition.valueText = QStringLiteral("$5");
    definition.captionText = QStringLiteral("Tilettes");
    BatchOptions options;
    options.setupFile = setupFile(QStringLiteral("sheet.agt"), definition, threePictures());

    ScriptedDialogs dialogs;
    FakePrinterSystem printers; // Letter at 600 pixels per inch
    TForm1 window(dialogs, printers);
    window.show();
    dialogs.answerFile(path(QStringLiteral("first.bmp")));
    window.run(&TForm1::ContinueButtonClick);
    dialogs.answerFile(options.setupFile);
    window.run(&TForm1::OpenItemClick);
    window.run(&TForm1::PreviewButtonClick);
    for (const ShownDialog& shown : dialogs.shown())
        ASSERT_NE(shown.kind, DialogKind::Error) << shown.text.toStdString();

    SheetSession batch;
    QStringList notes;
    const PlacesLookedIn lookedIn = readBatchSheet(options, batch, notes);
    batch.setPrinterMetrics(window.session().printerMetrics());
    layOutBatchSheet(batch, lookedIn);
    batch.drawAllTilettes();

    const SheetSession& shown = window.session();
    EXPECT_EQ(sheetStateOf(batch.definition(), batch.slotTable()),
              sheetStateOf(shown.definition(), shown.slotTable()));
    EXPECT_TRUE(batch.grid() == shown.grid());
    EXPECT_EQ(batch.grid().tiletteWidth, 316); // perforations: (1600 − 2 × 9) div 5
    for (int slot = 1; slot <= 3; ++slot)
        EXPECT_EQ(batch.shownTilette(slot).image(), shown.shownTilette(slot).image()) << slot;
    EXPECT_EQ(composedSheet(batch, false).image(), window.state.SheetBitmap.image());
}
