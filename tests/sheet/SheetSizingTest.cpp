#include "sheet/SheetSizing.h"
#include "support/LetterPrinter.h"

#include <gtest/gtest.h>

namespace {
ImageSlot pictureOfRatio(int ratio) {
    ImageSlot slot;
    slot.FileName = QStringLiteral("slot1.jpg");
    slot.Ratio = ratio;
    return slot;
}
} // namespace

// The counts the sheet is laid out by are those a drawn tilette leaves, inside the border's
// margins, not the provisional ones of the geometry rule.
TEST(SheetSizing, TheGridTakesTheBordersMarginsAndTheCountsThatFitInsideThem) {
    SheetDefinition definition;
    definition.numberAcrossIndex = 2; // 5 across
    definition.border = BorderType::Perforations;
    // w = (1600 - 18) div 5 = 316; h = (316 - 50) * 940 div 1000 + 50 = 300.
    const std::optional<TiletteGeometry> geometry =
        sheetTiletteGeometry(letterPrinter(), definition, pictureOfRatio(940));
    ASSERT_TRUE(geometry);
    EXPECT_EQ(geometry->tilettesDown, 7); // 2100 div 300, before the margins count

    const std::optional<SheetGrid> grid =
        sheetGridFor(letterPrinter(), definition, pictureOfRatio(940));
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->tiletteWidth, 316);
    EXPECT_EQ(grid->tiletteHeight, 300);
    EXPECT_EQ(grid->perforationMarginX, 9);
    EXPECT_EQ(grid->perforationMarginY, 11);
    EXPECT_EQ(grid->tilettesAcross, 5); // (1600 - 18) div 316
    EXPECT_EQ(grid->tilettesDown, 6);   // (2100 - 22) div 300

    definition.border = BorderType::Stamp; // no margins: w = 320, h = 270 * 940 div 1000 + 50
    const std::optional<SheetGrid> stamp =
        sheetGridFor(letterPrinter(), definition, pictureOfRatio(940));
    ASSERT_TRUE(stamp);
    EXPECT_EQ(stamp->perforationMarginX, 0);
    EXPECT_EQ(stamp->tiletteHeight, 303);
    EXPECT_EQ(stamp->tilettesDown, 6); // 2100 div 303
}

TEST(SheetSizing, NoGridWithoutAPrinterMeasurement) {
    PrinterMetrics none = letterPrinter();
    none.PixelsPerInchX = 0;
    EXPECT_FALSE(sheetGridFor(none, SheetDefinition{}, ImageSlot{}));
    SheetGrid kept{320, 252, 5, 8, 0, 0};
    EXPECT_FALSE(countFittingTilettes(none, kept));
    EXPECT_EQ(kept.tilettesDown, 8);
}
