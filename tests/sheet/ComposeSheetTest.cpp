#include "sheet/ComposeSheet.h"
#include "sheet/SheetPreview.h"

#include <gtest/gtest.h>

namespace {
constexpr Colour ink = colours::black;
const Colour slotColours[] = {0, makeColour(200, 0, 0), makeColour(0, 150, 0),
                              makeColour(0, 0, 220), makeColour(0, 200, 200)};

// 40 × 30 tilettes, each slot a solid colour of its own, from a margin of (9, 11).
const SheetLayout blocks{40, 30, 3, 2, 9, 11, PageType::BlockOf4};
constexpr int sheetWidth = 140;
constexpr int sheetHeight = 80;

SlotTable tableOf(std::initializer_list<int> numbers) {
    SlotTable table;
    for (int slot : numbers) {
        table[slot].FileName = QStringLiteral("slot%1.bmp").arg(slot);
        table[slot].TiletteImage = Bitmap(40, 30, slotColours[slot]);
    }
    return table;
}

SheetDefinition bordered(BorderType border) {
    SheetDefinition definition;
    definition.border = border;
    definition.borderColour = ink;
    return definition;
}

SheetComposition compose(BorderType border, const SlotTable& table, bool printing,
                         int width = sheetWidth) {
    return composeSheet(bordered(border), table, blocks, width, sheetHeight, printing);
}

bool allWhite(const Bitmap& sheet) {
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x)
            if (sheet.pixel(x, y) != colours::white)
                return false;
    return true;
}
} // namespace

TEST(ComposeSheet, TilettesSitOnTheGridFromTheMarginClippedAtTheEdge) {
    // The third column (89..128) runs past a sheet 110 wide.
    const SheetComposition result = compose(BorderType::None, tableOf({1, 2, 3, 4}), false, 110);
    EXPECT_TRUE(result.composed);
    EXPECT_EQ(result.message, QString());
    ASSERT_EQ(result.sheet.width(), 110);
    ASSERT_EQ(result.sheet.height(), sheetHeight);
    // Blocks of 4 over three columns: 1 2 1 above 3 4 3, columns at x = 9, 49, 89 and rows at
    // y = 11, 41.
    const struct {
        int x, y;
        Colour colour;
    } samples[] = {
        {8, 11, colours::white},  {9, 10, colours::white},   {9, 11, slotColours[1]},
        {48, 40, slotColours[1]}, {49, 11, slotColours[2]},  {88, 40, slotColours[2]},
        {9, 41, slotColours[3]},  {49, 41, slotColours[4]},  {9, 71, colours::white},
        {89, 11, slotColours[1]}, {109, 11, slotColours[1]}, {109, 70, slotColours[3]},
    };
    for (const auto& s : samples)
        EXPECT_EQ(result.sheet.pixel(s.x, s.y), s.colour) << s.x << ", " << s.y;
}

TEST(ComposeSheet, PerforationsOnlyInThePreviewFilmAlways) {
    const SlotTable table = tableOf({1, 2, 3, 4});
    // The first perforation dot covers (6..11, 8..13), over the corner of the first tilette.
    EXPECT_EQ(compose(BorderType::Perforations, table, false).sheet.pixel(10, 12), ink);
    EXPECT_EQ(compose(BorderType::Perforations, table, true).sheet.pixel(10, 12), slotColours[1]);
    // The first film holes: a vertical one at (10, 19), a horizontal one at (19, 10).
    for (bool printing : {false, true}) {
        EXPECT_EQ(compose(BorderType::FilmVertical, table, printing).sheet.pixel(16, 24), ink);
        EXPECT_EQ(compose(BorderType::FilmHorizontal, table, printing).sheet.pixel(24, 16), ink);
    }
}

TEST(ComposeSheet, MissingSlotsLeaveAWhiteSheetAndTheMessage) {
    const SheetComposition result = compose(BorderType::Perforations, tableOf({1, 2, 3}), false);
    EXPECT_FALSE(result.composed);
    EXPECT_EQ(result.message, QStringLiteral("Must have 4 images selected to use this option."));
    EXPECT_EQ(result.sheet.width(), sheetWidth);
    EXPECT_EQ(result.sheet.height(), sheetHeight);
    EXPECT_TRUE(allWhite(result.sheet));

    SheetLayout checkerboard = blocks;
    checkerboard.pageType = PageType::Checkerboard;
    const SheetComposition two = composeSheet(bordered(BorderType::None), tableOf({1, 3}),
                                              checkerboard, sheetWidth, sheetHeight, true);
    EXPECT_FALSE(two.composed);
    EXPECT_EQ(two.message, QStringLiteral("Must have 2 images selected to use this option."));
    EXPECT_TRUE(allWhite(two.sheet));
}

TEST(ComposeSheet, SheetWithoutSizeHasNothingToLayOut) {
    for (int width : {0, -1}) {
        const SheetComposition result =
            compose(BorderType::None, tableOf({1, 2, 3, 4}), false, width);
        EXPECT_TRUE(result.sheet.isEmpty());
        EXPECT_FALSE(result.composed);
        EXPECT_EQ(result.message, QString());
    }
}

TEST(SheetPreview, ReducesByOneMoreThanTheLargerOverhang) {
    // max(1600 div 583, 2100 div 389) + 1 = max(2, 5) + 1 = 6.
    EXPECT_EQ(sheetPreviewRect(1600, 2100, 583, 389), (Rect{0, 0, 266, 350}));
    // max(1166 div 583, 300 div 389) + 1 = 3: the width decides, and an exact fit still shrinks.
    EXPECT_EQ(sheetPreviewRect(1166, 300, 583, 389), (Rect{0, 0, 388, 100}));
    EXPECT_EQ(sheetPreviewRect(1600, 2100, 0, 389), Rect{});
    EXPECT_EQ(sheetPreviewRect(1600, 2100, 583, -1), Rect{});
}
