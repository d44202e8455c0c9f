#include "colour/ColourSchemes.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {
struct SchemeRow {
    int index;
    const char* item;
    PaletteBuilder builder;
    PaletteFactors factors;
};

const SchemeRow schemeTable[] = {
    {0, "0 - Sepia", PaletteBuilder::tone, {107, 71, 59}},
    {1, "1 - Blue", PaletteBuilder::tint, {255, 255, 0}},
    {2, "2 - Green", PaletteBuilder::tint, {255, 0, 255}},
    {3, "3 - Aqua", PaletteBuilder::tint, {255, 0, 0}},
    {4, "4 - Red", PaletteBuilder::tint, {0, 255, 255}},
    {5, "5 - Violet", PaletteBuilder::tint, {0, 255, 0}},
    {6, "6 - Yellow", PaletteBuilder::tint, {0, 0, 255}},
    {7, "7 - Black and White", PaletteBuilder::blackWhite, {0, 0, 0}},
    {8, "8 - Gray Scale", PaletteBuilder::shade, {255, 255, 255}},
    {9, "9 - Yellow with Black", PaletteBuilder::shade, {255, 255, 0}},
    {10, "10 - Violet with Black", PaletteBuilder::shade, {255, 0, 255}},
    {11, "11 - Red with Black", PaletteBuilder::shade, {255, 0, 0}},
    {12, "12 - Aqua with Black", PaletteBuilder::shade, {0, 255, 255}},
    {13, "13 - Green with Black", PaletteBuilder::shade, {0, 255, 0}},
    {14, "14 - Blue with Black", PaletteBuilder::shade, {0, 0, 255}},
    {15, "15 - BlueTone", PaletteBuilder::tone, {20, 50, 60}},
    {16, "16-  Brown Tone", PaletteBuilder::tone, {127, 85, 63}},
    {17, "17 - Deep Blue Tone", PaletteBuilder::tone, {50, 20, 60}},
    {18, "18 - Red Tone", PaletteBuilder::tone, {120, 40, 50}},
    {19, "19 - Green Tone", PaletteBuilder::tone, {50, 98, 45}},
    {20, "20 - Select a color", PaletteBuilder::chosenTint, {0, 0, 0}},
};

Colour entry(int scheme, int index) {
    return schemePalette(scheme, schemeFactors(scheme)).at(index);
}
} // namespace

TEST(ColourSchemes, TableOfItemsBuildersAndFactors) {
    const QStringList items = colourSchemeItems();
    ASSERT_EQ(items.size(), colourSchemeCount);
    for (const SchemeRow& row : schemeTable) {
        SCOPED_TRACE(row.item);
        EXPECT_EQ(items[row.index], QString::fromLatin1(row.item));
        EXPECT_EQ(schemeBuilder(row.index), row.builder);
        EXPECT_EQ(schemeFactors(row.index), row.factors);
    }
}

// Each scheme's name shows in its palette: a tint starts at the named colour (255 where the
// factor is 0, 0 elsewhere), a shade starts black and reaches the named colour at entry 1, a
// tone starts at its offsets.
TEST(ColourSchemes, PalettesStartAtTheNamedColour) {
    const struct {
        int scheme;
        Colour first;
        Colour second;
    } cases[] = {
        {0, makeColour(107, 71, 59), makeColour(107, 71, 59)},
        {1, makeColour(0, 0, 255), makeColour(255, 255, 255)},
        {2, makeColour(0, 255, 0), makeColour(255, 255, 255)},
        {3, makeColour(0, 255, 255), makeColour(255, 255, 255)},
        {4, makeColour(255, 0, 0), makeColour(255, 255, 255)},
        {5, makeColour(255, 0, 255), makeColour(255, 255, 255)},
        {6, makeColour(255, 255, 0), makeColour(255, 255, 255)},
        {7, makeColour(0, 0, 0), makeColour(0, 0, 0)},
        {8, makeColour(0, 0, 0), makeColour(255, 255, 255)},
        {9, makeColour(0, 0, 0), makeColour(255, 255, 0)},
        {10, makeColour(0, 0, 0), makeColour(255, 0, 255)},
        {11, makeColour(0, 0, 0), makeColour(255, 0, 0)},
        {12, makeColour(0, 0, 0), makeColour(0, 255, 255)},
        {13, makeColour(0, 0, 0), makeColour(0, 255, 0)},
        {14, makeColour(0, 0, 0), makeColour(0, 0, 255)},
        {15, makeColour(20, 50, 60), makeColour(20, 50, 60)},
        {16, makeColour(127, 85, 63), makeColour(127, 85, 63)},
        {17, makeColour(50, 20, 60), makeColour(50, 20, 60)},
        {18, makeColour(120, 40, 50), makeColour(120, 40, 50)},
        {19, makeColour(50, 98, 45), makeColour(50, 98, 45)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.scheme);
        EXPECT_EQ(entry(c.scheme, 0), c.first);
        EXPECT_EQ(entry(c.scheme, 1), c.second);
    }
}

TEST(ColourSchemes, EdgeEntriesOfTheNamedSchemes) {
    const struct {
        int scheme;
        int index;
        Colour colour;
    } cases[] = {
        {8, 128, makeColour(128, 128, 128)},
        {8, 255, makeColour(1, 1, 1)},
        {1, 2, makeColour(254, 254, 255)},
        {0, 128, makeColour(177, 160, 142)},
        {0, 254, makeColour(246, 249, 223)},
        {0, 255, makeColour(255, 255, 234)},
        {7, 2, makeColour(255, 255, 255)},
        // Brown Tone: red 128 + 127 reaches 255 at 234 and stays there (129 + 127 at 235), green
        // 170 + 85 at 243 (171 + 85 at 244); 254 is 139 + 127, 178 + 85, 164 + 63.
        {16, 234, makeColour(255, 249, 214)},
        {16, 235, makeColour(255, 250, 215)},
        {16, 243, makeColour(255, 255, 220)},
        {16, 244, makeColour(255, 255, 221)},
        {16, 254, makeColour(255, 255, 227)},
        {16, 255, makeColour(255, 255, 234)},
        // Red Tone: red 135 + 120 at 246, 136 + 120 at 247.
        {18, 246, makeColour(255, 212, 209)},
        {18, 247, makeColour(255, 213, 210)},
        // Green Tone: green 157 + 98 at 224, 158 + 98 at 225.
        {19, 224, makeColour(173, 255, 190)},
        {19, 225, makeColour(173, 255, 190)},
        {19, 255, makeColour(255, 255, 234)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.scheme << " entry " << c.index);
        EXPECT_EQ(entry(c.scheme, c.index), c.colour);
    }
}

// Scheme 20 runs from white to the colour chosen: 255 - (255 - c) * i div 255 per channel.
TEST(ColourSchemes, ChosenColourGivesATintFromWhiteToIt) {
    const struct {
        Colour chosen;
        int index;
        Colour colour;
    } cases[] = {
        {0x0000FF, 0, makeColour(255, 255, 255)}, // pure red
        {0x0000FF, 128, makeColour(255, 127, 127)},
        {0x0000FF, 255, makeColour(255, 0, 0)},
        {0x00FF00, 200, makeColour(55, 255, 55)}, // pure green
        {0x123456, 100,
         makeColour(255 - 169 * 100 / 255, 255 - 203 * 100 / 255, 255 - 237 * 100 / 255)},
        {0x123456, 255, makeColour(0x56, 0x34, 0x12)},
        {0x000000, 1, makeColour(254, 254, 254)}, // black: a grey ramp
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << std::hex << c.chosen << std::dec << " entry " << c.index);
        EXPECT_EQ(schemePalette(selectColourScheme, factorsOfChosenColour(c.chosen)).at(c.index),
                  c.colour);
    }
}

TEST(ColourSchemes, GivenFactorsOverrideOnlyWhereTheBuilderUsesThem) {
    // The window passes the factors it stored; any scheme builds with them.
    EXPECT_EQ(schemePalette(8, {2, 2, 2})[3], makeColour(6, 6, 6));
    EXPECT_EQ(schemePalette(15, {0, 0, 0})[100], makeColour(55, 70, 64));
    // Black and white has no factors to use.
    EXPECT_EQ(schemePalette(7, {9, 9, 9}), BuildBlackWhitePalette());
}

TEST(ColourSchemes, IndexOutsideTheTableHasNoScheme) {
    for (int scheme : {-1, colourSchemeCount, noColourScheme}) {
        SCOPED_TRACE(scheme);
        EXPECT_TRUE(schemePalette(scheme, {1, 2, 3}).empty());
        EXPECT_EQ(schemeFactors(scheme), PaletteFactors{});
        EXPECT_THROW(schemeBuilder(scheme), std::out_of_range);
    }
}
