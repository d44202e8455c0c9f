#include "tilette/Borders.h"
#include "PixelProbes.h"

#include <gtest/gtest.h>

namespace {
constexpr Colour ink = colours::black;
constexpr Colour paper = colours::white;

Bitmap stampTilette() {
    Bitmap tilette(320, 320, paper);
    DrawStampBorder(tilette, ink);
    return tilette;
}
} // namespace

TEST(StampBorder, TopAndBottomBitesDipEightUnits) {
    const Bitmap tilette = stampTilette();
    // Top bites at x = 20, 40, ..., 280: each dips to y = 19 at its middle (x + 6).
    for (int x = 20; x <= 280; x += 20) {
        SCOPED_TRACE(x);
        EXPECT_TRUE(colourNear(tilette, x + 6, 19, ink));
        EXPECT_EQ(tilette.pixel(x + 6, 12), paper); // the edge is open over the bite
        EXPECT_EQ(tilette.pixel(x + 6, 23), paper); // and goes no deeper
        // Between two bites the straight edge runs along y = 12 and nothing lies below it.
        EXPECT_TRUE(colourNear(tilette, x + 16, 12, ink, 0));
        for (int y = 15; y <= 22; ++y)
            EXPECT_EQ(tilette.pixel(x + 16, y), paper);
    }
    // The last top line runs from 292 to 306 and stops there.
    EXPECT_TRUE(colourNear(tilette, 300, 12, ink, 0));
    EXPECT_EQ(tilette.pixel(309, 12), paper);
    EXPECT_EQ(tilette.pixel(3, 12), paper);

    // Bottom edge on y = 306, bites reaching up to y = 298.
    EXPECT_TRUE(colourNear(tilette, 26, 298, ink));
    EXPECT_EQ(tilette.pixel(26, 306), paper);
    EXPECT_EQ(tilette.pixel(26, 294), paper);
    EXPECT_TRUE(colourNear(tilette, 36, 306, ink, 0));
    EXPECT_EQ(tilette.pixel(36, 300), paper);
}

TEST(StampBorder, SideBitesDipEightUnits) {
    const Bitmap tilette = stampTilette();
    // Side bites at y = 22, 42, ..., 302, centred at y + 6.
    for (int y = 22; y <= 302; y += 20) {
        SCOPED_TRACE(y);
        EXPECT_TRUE(colourNear(tilette, 19, y + 6, ink));  // left edge x = 12
        EXPECT_TRUE(colourNear(tilette, 298, y + 6, ink)); // right edge x = 306
    }
    // The edge is open over each bite; below the last one the closing line runs back up to
    // the corner, so only the others show their opening.
    for (int y = 22; y <= 282; y += 20) {
        EXPECT_EQ(tilette.pixel(12, y + 6), paper);
        EXPECT_EQ(tilette.pixel(306, y + 6), paper);
    }
    // Between side bites: the edge line and nothing inside it.
    EXPECT_TRUE(colourNear(tilette, 12, 38, ink, 0));
    EXPECT_TRUE(colourNear(tilette, 306, 38, ink, 0));
    for (int x = 15; x <= 22; ++x)
        EXPECT_EQ(tilette.pixel(x, 38), paper);
    // Nothing outside the frame.
    for (int i = 0; i < 320; ++i) {
        EXPECT_EQ(tilette.pixel(i, 2), paper);
        EXPECT_EQ(tilette.pixel(2, i), paper);
        EXPECT_EQ(tilette.pixel(i, 317), paper);
        EXPECT_EQ(tilette.pixel(317, i), paper);
    }
}

TEST(StampBorder, TinyTiletteStillGetsOneBite) {
    Bitmap tilette(40, 40, paper);
    DrawStampBorder(tilette, ink);
    EXPECT_TRUE(colourNear(tilette, 26, 19, ink));
    EXPECT_TRUE(colourNear(tilette, 19, 28, ink));
}

TEST(BoxBorder, FiveWideLinesTwelveInside) {
    Bitmap tilette(320, 320, paper);
    DrawBoxBorder(tilette, {0, 0, 320, 320}, ink);
    for (int i = 20; i < 300; i += 7) {
        SCOPED_TRACE(i);
        for (int across = 10; across <= 14; ++across) {
            EXPECT_EQ(tilette.pixel(across, i), ink);       // left, x = 12
            EXPECT_EQ(tilette.pixel(i, across), ink);       // top, y = 12
            EXPECT_EQ(tilette.pixel(across + 296, i), ink); // right, x = 308
            EXPECT_EQ(tilette.pixel(i, across + 296), ink); // bottom, y = 308
        }
        EXPECT_EQ(tilette.pixel(9, i), paper);
        EXPECT_EQ(tilette.pixel(15, i), paper);
        EXPECT_EQ(tilette.pixel(305, i), paper);
        EXPECT_EQ(tilette.pixel(311, i), paper);
        EXPECT_EQ(tilette.pixel(i, 9), paper);
        EXPECT_EQ(tilette.pixel(i, 15), paper);
    }
    EXPECT_EQ(tilette.pixel(160, 160), paper);
}

TEST(BoxBorder, FollowsTheTiletteRectangle) {
    Bitmap tilette(240, 160, paper);
    DrawBoxBorder(tilette, {20, 30, 220, 130}, ink);
    for (int x = 30; x <= 34; ++x)
        EXPECT_EQ(tilette.pixel(x, 80), ink); // left line x = 32
    EXPECT_EQ(tilette.pixel(29, 80), paper);
    for (int y = 40; y <= 44; ++y)
        EXPECT_EQ(tilette.pixel(120, y), ink); // top line y = 42
    for (int x = 206; x <= 210; ++x)
        EXPECT_EQ(tilette.pixel(x, 80), ink); // right line x = 208
    for (int y = 116; y <= 120; ++y)
        EXPECT_EQ(tilette.pixel(120, y), ink); // bottom line y = 118
}
