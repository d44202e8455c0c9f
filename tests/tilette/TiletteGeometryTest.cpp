#include "tilette/TiletteGeometry.h"
#include "tilette/FormatInches.h"
#include "support/LetterPrinter.h"

#include <climits>
#include <gtest/gtest.h>

namespace {
GeometrySettings automatic(int across) {
    GeometrySettings settings;
    settings.numberAcross = across;
    return settings;
}
} // namespace

TEST(FormatInches, PadsToThreeDigitsAndPlacesThePoint) {
    EXPECT_EQ(FormatInches(175), "1.75");
    EXPECT_EQ(FormatInches(50), "0.50");
    EXPECT_EQ(FormatInches(500), "5.00");
    EXPECT_EQ(FormatInches(1000), "10.00");
    EXPECT_EQ(FormatInches(99), "0.99");
    EXPECT_EQ(FormatInches(100), "1.00");
    EXPECT_EQ(FormatInches(5), "0.05");
    EXPECT_EQ(FormatInches(0), "0.00");
    EXPECT_EQ(FormatInches(-50), "-0.50");
    EXPECT_EQ(FormatInches(-5), "-0.05");
    EXPECT_EQ(FormatInches(INT_MIN), "-21474836.48");
}

TEST(TiletteGeometry, AutomaticSquareTilettes) {
    const auto geometry = computeTiletteGeometry(letterPrinter(), automatic(5));
    ASSERT_TRUE(geometry);
    EXPECT_EQ(geometry->tiletteWidth, 320); // 1600 / 5
    EXPECT_EQ(geometry->tiletteHeight, 320);
    EXPECT_EQ(geometry->widthPosition, 160);
    EXPECT_EQ(geometry->heightPosition, 160);
    EXPECT_EQ(geometry->tilettesAcross, 5);
    EXPECT_EQ(geometry->tilettesDown, 6); // 2100 / 320
    EXPECT_EQ(geometry->widthText, "1.60");
    EXPECT_EQ(geometry->heightText, "1.60");

    const auto counts = computeTiletteCounts(letterPrinter(), 0, 0, 320, 320);
    ASSERT_TRUE(counts);
    EXPECT_EQ(counts->sizeText, "Tilette Size -- Width = 1.60 Height = 1.60");
    EXPECT_EQ(counts->countText, "Tilettes Down = 6 Across = 5");
}

TEST(TiletteGeometry, PerforationMarginsNarrowTheTilettes) {
    GeometrySettings settings = automatic(5);
    settings.perforationMarginX = 9;
    settings.perforationMarginY = 11;
    const auto geometry = computeTiletteGeometry(letterPrinter(), settings);
    ASSERT_TRUE(geometry);
    EXPECT_EQ(geometry->tiletteWidth, 316); // (1600 - 18) / 5
    EXPECT_EQ(geometry->tiletteHeight, 316);

    const auto counts = computeTiletteCounts(letterPrinter(), 9, 11, 316, 316);
    ASSERT_TRUE(counts);
    EXPECT_EQ(counts->tilettesDown, 6);   // (2100 - 22) / 316
    EXPECT_EQ(counts->tilettesAcross, 5); // (1600 - 18) / 316

    // Sizes where a margin taken once, or the other direction's margin, gives another count.
    const auto once = computeTiletteCounts(letterPrinter(), 9, 11, 397, 522);
    EXPECT_EQ(once->tilettesAcross, 3); // 1582 / 397, not 1591 / 397
    EXPECT_EQ(once->tilettesDown, 3);   // 2078 / 522, not 2089 / 522
    const auto crossed = computeTiletteCounts(letterPrinter(), 9, 11, 395, 520);
    EXPECT_EQ(crossed->tilettesAcross, 4); // 1582 / 395, not 1578 / 395
    EXPECT_EQ(crossed->tilettesDown, 3);   // 2078 / 520, not 2082 / 520
}

TEST(TiletteGeometry, ExtremePicturesGiveAtLeastOneRow) {
    GeometrySettings tall = automatic(5);
    tall.slot1Used = true;
    struct Case {
        int ratio;
        int marginY;
        int height;
    };
    const Case cases[] = {
        {3000000, 0, 2100},  // 10 x 30000: 270 * 3000000 needs 64 bits
        {8000000, 0, 2100},  // 1 x 8000 wrapped to a negative height in 32 bits
        {16000000, 0, 2100}, // 1 x 16000 wrapped to a meaningless one
        {3000000, 11, 2078},
        {7592, 0, 2099}, // 270 * 7592 / 1000 + 50 = 2099 fits: kept, odd as it is
        {7596, 0, 2100}, // 2100 exactly
        {7600, 0, 2100}, // 2102: bounded
    };
    for (const Case& c : cases) {
        tall.slot1Ratio = c.ratio;
        tall.perforationMarginY = c.marginY;
        const auto geometry = computeTiletteGeometry(letterPrinter(), tall);
        ASSERT_TRUE(geometry) << c.ratio;
        EXPECT_EQ(geometry->tiletteHeight, c.height) << c.ratio;
        EXPECT_EQ(geometry->tilettesDown, 1) << c.ratio;
        EXPECT_EQ(geometry->heightPosition, 500) << c.ratio;
        EXPECT_EQ(geometry->heightText, FormatInches(c.height / 2)) << c.ratio;
    }

    // The override's height follows the ratio within the same bounds, and is never empty.
    GeometrySettings byHand = tall;
    byHand.sizeOverride = true;
    byHand.perforationMarginY = 0;
    byHand.slot1Ratio = 8000000;
    EXPECT_EQ(computeTiletteGeometry(letterPrinter(), byHand)->tiletteHeight, 2100);
    byHand.slot1Ratio = 2; // a very wide picture: 175 * 2 / 1000 = 0
    EXPECT_EQ(computeTiletteGeometry(letterPrinter(), byHand)->tiletteHeight, 2);
    EXPECT_EQ(computeTiletteGeometry(letterPrinter(), byHand)->heightText, "0.01");
}

TEST(TiletteGeometry, AutomaticWidthIsEvenButHeightIsNot) {
    const auto three = computeTiletteGeometry(letterPrinter(), automatic(3));
    ASSERT_TRUE(three);
    EXPECT_EQ(three->widthPosition, 266); // 533 / 2
    EXPECT_EQ(three->tiletteWidth, 532);
    EXPECT_EQ(three->tiletteHeight, 533);
    EXPECT_EQ(three->heightText, "2.66");

    GeometrySettings landscape = automatic(5);
    landscape.slot1Used = true;
    landscape.slot1Ratio = 750; // a 400 x 300 picture
    const auto wide = computeTiletteGeometry(letterPrinter(), landscape);
    ASSERT_TRUE(wide);
    EXPECT_EQ(wide->tiletteWidth, 320);
    EXPECT_EQ(wide->tiletteHeight, 252); // 270 * 750 / 1000 + 50
    EXPECT_EQ(wide->tilettesDown, 8);    // 2100 / 252

    landscape.slot1Ratio = 755;
    const auto odd = computeTiletteGeometry(letterPrinter(), landscape);
    ASSERT_TRUE(odd);
    EXPECT_EQ(odd->tiletteHeight, 253); // 203850 / 1000 + 50
    EXPECT_EQ(odd->heightPosition, 126);
    EXPECT_EQ(odd->heightText, "1.26");

    // A picture's ratio counts only while slot 1 holds it.
    landscape.slot1Used = false;
    EXPECT_EQ(computeTiletteGeometry(letterPrinter(), landscape)->tiletteHeight, 320);
}

TEST(TiletteGeometry, ClampedPositionsChangeTheCountAcross) {
    PrinterMetrics wide = letterPrinter();
    wide.PageWidth = 10200; // printable width 3400
    const auto big = computeTiletteGeometry(wide, automatic(3));
    ASSERT_TRUE(big);
    EXPECT_EQ(big->widthPosition, 500); // 1133 / 2 clamped
    EXPECT_EQ(big->tiletteWidth, 1000);
    EXPECT_EQ(big->tiletteHeight, 1133);
    EXPECT_EQ(big->heightPosition, 500);
    EXPECT_EQ(big->heightText, "5.66");
    EXPECT_EQ(computeTiletteCounts(wide, 0, 0, 1000, 1133)->tilettesAcross, 3);

    PrinterMetrics narrow = letterPrinter();
    narrow.PageWidth = 720; // printable width 240
    const auto small = computeTiletteGeometry(narrow, automatic(3));
    ASSERT_TRUE(small);
    EXPECT_EQ(small->widthPosition, 50); // 80 / 2 clamped up
    EXPECT_EQ(small->tiletteWidth, 100);
    EXPECT_EQ(small->tiletteHeight, 80);
    EXPECT_EQ(computeTiletteCounts(narrow, 0, 0, 100, 80)->tilettesAcross, 2); // fewer than 3

    EXPECT_EQ(clampPosition(49), 50);
    EXPECT_EQ(clampPosition(50), 50);
    EXPECT_EQ(clampPosition(500), 500);
    EXPECT_EQ(clampPosition(501), 500);
    EXPECT_EQ(clampPosition(-3000), 50);
}

TEST(TiletteGeometry, OverrideTakesTheUpDownPositions) {
    GeometrySettings settings = automatic(5);
    settings.sizeOverride = true;
    settings.slot1Used = true;
    settings.slot1Ratio = 750;
    settings.widthPosition = 175;
    settings.heightPosition = 50;

    // Divided before doubling: 175 * 753 / 1000 = 131, so 262 (doubling first gives 263).
    settings.slot1Ratio = 753;
    EXPECT_EQ(computeTiletteGeometry(letterPrinter(), settings)->tiletteHeight, 262);
    settings.slot1Ratio = 750;
    const auto withRatio = computeTiletteGeometry(letterPrinter(), settings);
    ASSERT_TRUE(withRatio);
    EXPECT_EQ(withRatio->tiletteWidth, 350);
    EXPECT_EQ(withRatio->tiletteHeight, 262); // 175 * 750 / 1000 * 2
    EXPECT_EQ(withRatio->widthText, "1.75");
    EXPECT_EQ(withRatio->heightText, "1.31");
    EXPECT_EQ(withRatio->heightPosition, 50); // untouched by the ratio
    EXPECT_EQ(withRatio->tilettesAcross, 4);  // 1600 / 350
    EXPECT_EQ(withRatio->tilettesDown, 8);    // 2100 / 262

    settings.keepRatio = false;
    const auto free = computeTiletteGeometry(letterPrinter(), settings);
    ASSERT_TRUE(free);
    EXPECT_EQ(free->tiletteWidth, 350);
    EXPECT_EQ(free->tiletteHeight, 100);
    EXPECT_EQ(free->heightText, "0.50");
    EXPECT_EQ(free->tilettesDown, 21);
}

TEST(TiletteGeometry, NoResolutionOrNoSizeKeepsThePreviousGeometry) {
    PrinterMetrics none = letterPrinter();
    none.PixelsPerInchX = 0;
    EXPECT_FALSE(computeTiletteGeometry(none, automatic(5)));
    EXPECT_FALSE(computeTiletteCounts(none, 0, 0, 320, 320));
    none = letterPrinter();
    none.PixelsPerInchY = 0;
    EXPECT_FALSE(computeTiletteGeometry(none, automatic(5)));
    EXPECT_FALSE(computeTiletteCounts(none, 0, 0, 320, 320));

    EXPECT_FALSE(computeTiletteCounts(letterPrinter(), 0, 0, 0, 320));
    EXPECT_FALSE(computeTiletteCounts(letterPrinter(), 0, 0, 320, -2));
    EXPECT_FALSE(computeTiletteGeometry(letterPrinter(), automatic(0)));

    PrinterMetrics tiny = letterPrinter();
    tiny.PageWidth = 6; // printable width 2: nothing fits
    EXPECT_FALSE(computeTiletteGeometry(tiny, automatic(3)));
}
