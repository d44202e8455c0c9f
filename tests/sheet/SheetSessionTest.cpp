#include "sheet/SheetSession.h"

#include "sheet/SheetSizing.h"
#include "support/LetterPrinter.h"

#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {
class SheetSessionTest : public testing::Test {
  protected:
    QString picture(const QString& name, int width, int height, Colour colour) {
        const QString path = folder.filePath(name);
        writeBitmapFile(path, Bitmap(width, height, colour));
        return path;
    }
    QTemporaryDir folder;
    SheetSession session;
};

SheetChanges changed(bool definition, bool grid, std::initializer_list<int> pictures,
                     std::initializer_list<int> tilettes = {}) {
    SheetChanges changes{definition, grid, {}, {}};
    for (int slot : pictures)
        changes.pictures.set(static_cast<size_t>(slot));
    for (int slot : tilettes)
        changes.tilettes.set(static_cast<size_t>(slot));
    return changes;
}
} // namespace

// Each step reports what it changed, and the sheet is what the plain functions make of the same
// definition, pictures and printer. The grid changes only when the tilettes are laid out again or
// take their border's margins.
TEST_F(SheetSessionTest, EachStepSaysWhatChangedAndTheSheetIsWhatThePlainFunctionsGive) {
    const QString wide = picture(QStringLiteral("wide.bmp"), 400, 300, colours::red);
    const QString tall = picture(QStringLiteral("tall.bmp"), 300, 400, colours::aqua);
    SlotTable named;
    named[1].FileName = wide;
    named[1].SaveName = QStringLiteral("before colouring.bmp");
    SheetDefinition paged;
    paged.pageType = PageType::Checkerboard;
    SheetDefinition definition = paged;
    definition.border = BorderType::Perforations;
    const struct {
        const char* what;
        std::function<SheetChanges()> step;
        SheetChanges expected;
    } steps[] = {
        {"a setup's slots", [&] { return session.setSlotTable(named); },
         changed(0, 0, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15})},
        {"slot 1 read", [&] { return session.reloadPicture(1).changes; }, changed(0, 0, {1})},
        {"slot 2 chosen", [&] { return session.loadPicture(2, tall).changes; }, changed(0, 0, {2})},
        {"no change", [&] { return session.setDefinition(session.definition()); },
         changed(0, 0, {})},
        {"a page type", [&] { return session.setDefinition(paged); }, changed(1, 0, {})},
        {"perforations", [&] { return session.setDefinition(definition); }, changed(1, 0, {})},
        {"their margins", [&] { return session.takeBorderMargins(); }, changed(0, 1, {})},
        {"laid out, the size fields too", [&] { return session.layOutTilettes(); },
         changed(1, 1, {})},
        {"laid out again", [&] { return session.layOutTilettes(); }, changed(0, 0, {})},
        {"all tilettes", [&] { return session.drawAllTilettes(); }, changed(0, 0, {}, {1, 2})},
    };
    session.setPrinterMetrics(letterPrinter());
    for (const auto& step : steps)
        EXPECT_TRUE(step.step() == step.expected) << step.what;

    EXPECT_EQ(session.slotTable()[1].SaveName, QStringLiteral("before colouring.bmp"));
    EXPECT_EQ(session.slotTable()[2].SaveName, tall);
    EXPECT_EQ(session.loadPicture(2, tall).result.image(), loadSlotPicture(tall).square.image());
    SlotTable expected = named;
    expected[1].Ratio = loadSlotPicture(wide).ratio;
    expected[2].FileName = tall;
    const std::optional<SheetGrid> grid = sheetGridFor(letterPrinter(), definition, expected[1]);
    ASSERT_TRUE(grid && session.hasPage());
    EXPECT_TRUE(session.grid() == *grid);
    for (int slot : {1, 2}) {
        ImageSlot& entry = expected[static_cast<size_t>(slot)];
        const ImageSlot& held = session.slotTable()[static_cast<size_t>(slot)];
        const SlotPicture read = loadSlotPicture(entry.FileName);
        EXPECT_EQ(std::pair(held.Width, held.Ratio), std::pair(read.width, read.ratio)) << slot;
        entry.TiletteImage = renderSlotTilette(definition, *grid, slot, entry).tilette;
        EXPECT_EQ(session.shownTilette(slot).image(),
                  withDisplayOverlay(entry.TiletteImage, definition.border, definition.borderColour)
                      .image());
    }
    for (bool printing : {false, true}) {
        const SheetComposition composed =
            printing ? session.composeForPrinting() : session.composeForPreview();
        const SheetComposition plain = composeSheet(
            definition, expected, layoutOf(*grid, definition.pageType),
            printableWidthUnits(letterPrinter()), printableHeightUnits(letterPrinter()), printing);
        EXPECT_TRUE(composed.composed && composed.sheet.image() == plain.sheet.image()) << printing;
    }
    // A colouring given up goes back to the picture chosen; another picture keeps the slot's
    // colour scheme, and only a delete ends it.
    session.acceptColouring(1, tall, 7);
    session.cancelColouring(1);
    EXPECT_EQ(std::pair(session.slotTable()[1].FileName, session.slotTable()[1].ColorScheme),
              std::pair(QStringLiteral("before colouring.bmp"), 99));
    session.acceptColouring(1, tall, 7);
    session.loadPicture(1, wide);
    EXPECT_EQ(session.slotTable()[1].ColorScheme, 7);
    EXPECT_TRUE(session.deletePicture(1) == changed(0, 0, {1}));
    EXPECT_EQ(session.slotTable()[1].ColorScheme, 99);
    EXPECT_FALSE(session.composeForPreview().composed);
}

// A printer without a page leaves the tilette size it had; a picture that cannot be read names its
// slot and leaves the slot as it was.
TEST_F(SheetSessionTest, NoPageAndUnreadablePicturesAreReportedAndChangeNothing) {
    session.setPrinterMetrics(letterPrinter());
    session.loadPicture(1, picture(QStringLiteral("wide.bmp"), 400, 300, colours::red));
    session.layOutTilettes();
    const SheetGrid before = session.grid();
    PrinterMetrics none = letterPrinter();
    none.PixelsPerInchX = 0;
    session.setPrinterMetrics(none);
    EXPECT_TRUE(session.layOutTilettes() == changed(0, 0, {}));
    EXPECT_FALSE(session.hasPage());
    EXPECT_TRUE(session.grid() == before);
    EXPECT_EQ(session.drawTilette(1).result.tilette.width(), before.tiletteWidth);
    EXPECT_TRUE(session.composeForPreview().sheet.isEmpty());

    QFile broken(folder.filePath(QStringLiteral("broken.bmp")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly) && broken.write("BM not a picture") > 0);
    broken.close();
    const QString gone = picture(QStringLiteral("gone.bmp"), 300, 300, colours::red);
    session.loadPicture(4, gone);
    QFile::remove(gone);
    const struct {
        int slot;
        const char* message; // the reader's own, with no slot of the session's
        std::function<void()> step;
    } failures[] = {
        {2, "Bitmap image is not valid", [&] { session.loadPicture(2, broken.fileName()); }},
        {3, "Cannot open file",
         [&] { session.loadPicture(3, folder.filePath(QStringLiteral("missing.bmp"))); }},
        {4, "Cannot open file", [&] { session.drawAllTilettes(); }},
    };
    for (const auto& failure : failures) {
        try {
            failure.step();
            ADD_FAILURE() << "slot " << failure.slot << " was read";
        } catch (const SlotPictureError& error) {
            EXPECT_EQ(error.slot(), failure.slot);
            EXPECT_TRUE(error.message().startsWith(failure.message)) << failure.slot;
        }
    }
    EXPECT_TRUE(session.slotTable()[2].FileName.isEmpty() &&
                session.slotTable()[3].FileName.isEmpty());
}

// Every kind of step is taken back and done again through the session alone: the definition and
// the slots' pictures come back, each picture read from its file by name.
TEST_F(SheetSessionTest, UndoAndRedoPutBackEveryKindOfStep) {
    const QString red = picture(QStringLiteral("red.bmp"), 400, 300, colours::red);
    const QString tall = picture(QStringLiteral("tall.bmp"), 300, 400, colours::aqua);
    const QString copy = picture(QStringLiteral("~~2-x.bmp"), 300, 400, colours::black);
    session.setPrinterMetrics(letterPrinter());
    SheetDefinition opened;
    opened.valueText = QStringLiteral("$1");
    SlotTable named;
    named[1].FileName = named[1].SaveName = red;
    std::vector<SheetState> after;
    // Laid out after each step, as a front-end does.
    const auto step = [&](const char* name, const std::function<void()>& work, bool typing) {
        work();
        session.layOutTilettes();
        EXPECT_TRUE(session.recordStep(QLatin1String(name), typing)) << name;
        after.push_back(sheetStateOf(session.definition(), session.slotTable()));
    };
    step(
        "Open Setup",
        [&] {
            session.setDefinition(opened), session.setSlotTable(named), session.reloadPicture(1);
        },
        false);
    step(
        "Choose Picture", [&] { session.loadPicture(2, tall); }, false);
    step(
        "Value Text",
        [&] { opened.valueText = QStringLiteral("$12"), session.setDefinition(opened); }, true);
    session.setDefinition((opened.valueText = QStringLiteral("$125"), opened)); // the same burst
    session.layOutTilettes();
    session.recordStep(QStringLiteral("Value Text"), true);
    after.back() = sheetStateOf(session.definition(), session.slotTable());
    step(
        "Use Colored Image", [&] { session.acceptColouring(2, copy, 3); }, false);
    step(
        "Delete Picture", [&] { session.deletePicture(1); }, false);

    for (int undone = static_cast<int>(after.size()) - 2; undone >= 0; --undone) {
        EXPECT_TRUE(session.undo().any());
        EXPECT_EQ(sheetStateOf(session.definition(), session.slotTable()), after[undone]) << undone;
    }
    EXPECT_EQ(session.slotTable()[1].Height, 300) << "slot 1's shape is read again";
    EXPECT_TRUE(session.slotTable()[2].FileName.isEmpty());
    EXPECT_EQ(session.history().redoName(), QStringLiteral("Choose Picture"));
    session.redo();
    session.redo();
    EXPECT_EQ(session.definition().valueText, QStringLiteral("$125"));
    // A new change drops what was undone.
    session.deletePicture(2);
    session.recordStep(QStringLiteral("Delete Picture"));
    EXPECT_FALSE(session.history().canRedo());
    // A picture gone from its folder leaves its slot empty and is told.
    QFile::remove(tall);
    try {
        session.undo();
        ADD_FAILURE() << "no error for a picture that is gone";
    } catch (const SlotPictureError& error) {
        EXPECT_EQ(error.slot(), 2);
    }
    EXPECT_TRUE(session.slotTable()[2].FileName.isEmpty());
}
