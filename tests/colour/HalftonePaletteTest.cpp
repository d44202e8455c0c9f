#include "colour/HalftonePalette.h"
#include "colour/Recolour.h"

#include <gtest/gtest.h>
#include <set>

TEST(HalftonePalette, CubeThenFortyGreys) {
    const Palette palette = halftonePalette();
    ASSERT_EQ(palette.size(), 256u);
    const struct {
        int index;
        Colour colour;
    } entries[] = {
        {0, makeColour(0, 0, 0)},
        {1, makeColour(0, 0, 51)},
        {6, makeColour(0, 51, 0)},
        {36, makeColour(51, 0, 0)},
        {43, makeColour(51, 51, 51)},
        {180, makeColour(255, 0, 0)},
        {215, makeColour(255, 255, 255)},
        // 51 j div 9: 5, 11, 17, 22, 28, 34, 39, 45 in each gap.
        {216, makeColour(5, 5, 5)},
        {219, makeColour(22, 22, 22)},
        {223, makeColour(45, 45, 45)},
        {224, makeColour(56, 56, 56)},
        {255, makeColour(249, 249, 249)},
    };
    for (const auto& e : entries)
        EXPECT_EQ(palette[e.index], e.colour) << e.index;
    EXPECT_EQ(std::set<Colour>(palette.begin(), palette.end()).size(), 256u);
    for (int i = 216; i < 256; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(redOf(palette[i]), greenOf(palette[i]));
        EXPECT_EQ(redOf(palette[i]), blueOf(palette[i]));
        EXPECT_NE(redOf(palette[i]) % 51, 0);
        if (i > 216) {
            EXPECT_GT(redOf(palette[i]), redOf(palette[i - 1]));
        }
    }
}

TEST(HalftoneMatcher, NamedColours) {
    const HalftoneMatcher& matcher = HalftoneMatcher::instance();
    const struct {
        int red, green, blue;
        int index;
    } cases[] = {
        {0, 0, 0, 0},
        {255, 255, 255, 215},
        {102, 102, 102, 86},
        // 30 is nearer 51 than 0; the grey 11 is farther (19^2 + 2 * 11^2).
        {30, 0, 0, 36},
        {200, 10, 10, 144},
        // Between the greys 22 and 28, 3 away from each: the lower index wins.
        {25, 25, 25, 219},
        // Grey 130 (3 * 2^2) beats the cube's 102 and 153.
        {128, 128, 128, 236},
        // Mean 130: the grey is 200 away, the nearest cube colour (102, 153, 153) 1022.
        {120, 130, 140, 236},
        // The cube level per channel: 25 goes down, 26 up, to (0, 51, 102), 1254 away; the
        // nearest grey, 45, is farther.
        {25, 26, 100, 8},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.red << "," << c.green << "," << c.blue);
        EXPECT_EQ(matcher.indexOf(c.red, c.green, c.blue), c.index);
        EXPECT_EQ(matcher.indexOf(makeColour(c.red, c.green, c.blue)), c.index);
    }
}

// The matcher's shortcuts must give exactly the nearest colour, ties included: checked against
// a full search (nearestPaletteIndex) on a grid through the whole cube and on every colour close to
// the grey axis, where the cube and the extra greys compete.
TEST(HalftoneMatcher, AgreesWithAFullSearch) {
    const Palette palette = halftonePalette();
    const HalftoneMatcher& matcher = HalftoneMatcher::instance();
    int mismatches = 0;
    auto check = [&](int r, int g, int b) {
        if (matcher.indexOf(r, g, b) != nearestPaletteIndex(palette, makeColour(r, g, b)) &&
            ++mismatches <= 5)
            ADD_FAILURE() << r << "," << g << "," << b;
    };
    for (int r = 0; r < 256; r += 3)
        for (int g = 1; g < 256; g += 3)
            for (int b = 2; b < 256; b += 3)
                check(r, g, b);
    for (int grey = 0; grey < 256; ++grey)
        for (int dr = -3; dr <= 3; ++dr)
            for (int db = -3; db <= 3; ++db)
                if (grey + dr >= 0 && grey + dr < 256 && grey + db >= 0 && grey + db < 256)
                    check(grey + dr, grey, grey + db);
    EXPECT_EQ(mismatches, 0);
}
