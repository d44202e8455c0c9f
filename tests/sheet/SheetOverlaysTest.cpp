#include "sheet/SheetOverlays.h"
#include "platform/Canvas.h"
#include "tilette/Markers.h"

#include <gtest/gtest.h>

namespace {
constexpr Colour grey = 0x808080;
constexpr Colour ink = colours::black;

} // namespace

TEST(SheetOverlays, FrameInteriorIsStrictlyInside) {
    const SheetLayout frame{320, 320, 5, 6, 0, 0, PageType::Frame};
    const int m = sheetOverlayMargin(200);
    EXPECT_EQ(m, 12);
    EXPECT_TRUE(inFrameInterior(frame, m, 333, 333));
    EXPECT_FALSE(inFrameInterior(frame, m, 332, 333));
    EXPECT_FALSE(inFrameInterior(frame, m, 333, 332));
    EXPECT_TRUE(inFrameInterior(frame, m, 1279, 1599));
    EXPECT_FALSE(inFrameInterior(frame, m, 1280, 1000));
    EXPECT_FALSE(inFrameInterior(frame, m, 1000, 1600));
    SheetLayout other = frame;
    other.pageType = PageType::EachRowDifferent;
    EXPECT_FALSE(inFrameInterior(other, m, 700, 700));
}

TEST(SheetOverlays, FilmVerticalSkipsTheMiddleOfAFrame) {
    const SheetLayout frame{320, 320, 5, 6, 0, 0, PageType::Frame};
    Bitmap sheet(1600, 2100, grey);
    SheetFilmVertical(sheet, 200, frame, ink);
    // Column x = 650 lies inside the frame: its holes at y = 494 are left out, both of them.
    EXPECT_EQ(sheet.pixel(656, 499), grey);
    EXPECT_EQ(sheet.pixel(943, 499), grey);
    // Above and below the middle the same column has its holes.
    EXPECT_EQ(sheet.pixel(656, 324), ink);  // y = 319 < 332
    EXPECT_EQ(sheet.pixel(656, 1624), ink); // y = 1619 >= 1600
    EXPECT_EQ(sheet.pixel(943, 1624), ink);
    // Column x = 330 is on the frame's inner edge, so it and its partner at 617 are drawn.
    EXPECT_EQ(sheet.pixel(336, 499), ink);
    EXPECT_EQ(sheet.pixel(623, 499), ink);
    // The last row starts at 1919 (<= 12 + 1920) and nothing lies beyond the grid's columns.
    EXPECT_EQ(sheet.pixel(16, 1924), ink);
    EXPECT_EQ(sheet.pixel(16, 1950), grey);

    Bitmap plain(1600, 2100, grey);
    SheetLayout noFrame = frame;
    noFrame.pageType = PageType::OneImage;
    SheetFilmVertical(plain, 200, noFrame, ink);
    EXPECT_EQ(plain.pixel(656, 499), ink);
    EXPECT_EQ(plain.pixel(943, 499), ink);
}

TEST(SheetOverlays, PerforationDotsCentredOnBoundaries) {
    // 316 x 316 tilettes starting at (9, 11): boundaries at x = 9 + 316k, y = 11 + 316k.
    const SheetLayout frame{316, 316, 5, 6, 9, 11, PageType::Frame};
    Bitmap sheet(1600, 2100, grey);
    const long maskedBefore = Canvas::maskedCopiesMade();
    SheetPerforations(sheet, 200, frame, ink);
    EXPECT_EQ(Canvas::maskedCopiesMade() - maskedBefore, 1); // one dot stamped everywhere
    // A row dot at (18, 324): pixels 18..23 x 324..329, centre row 327 = 11 + 316.
    EXPECT_EQ(sheet.pixel(20, 326), ink);
    EXPECT_EQ(sheet.pixel(20, 327), ink);
    EXPECT_EQ(sheet.pixel(20, 323), grey);
    EXPECT_EQ(sheet.pixel(20, 330), grey);
    // A column dot at (322, 128): centre column 325 = 9 + 316.
    EXPECT_EQ(sheet.pixel(324, 130), ink);
    EXPECT_EQ(sheet.pixel(321, 130), grey);
    // The outer dots lie half outside the grid.
    EXPECT_EQ(sheet.pixel(8, 10), ink);
    // Inside the frame (328 < x < 1264, 328 < y < 1580) no dots...
    EXPECT_EQ(sheet.pixel(644, 642), grey); // row dot (642, 640)
    EXPECT_EQ(sheet.pixel(640, 646), grey); // column dot (638, 644)
    // ...but on its inner edge lines they are drawn.
    EXPECT_EQ(sheet.pixel(644, 326), ink); // row dot (642, 324)
    EXPECT_EQ(sheet.pixel(324, 646), ink); // column dot (322, 644)
}

TEST(SheetOverlays, FilmHorizontalHolesInEveryRow) {
    const SheetLayout layout{320, 320, 5, 6, 0, 0, PageType::OneImage};
    Bitmap sheet(1600, 1920, grey);
    SheetFilmHorizontal(sheet, 200, layout, ink);
    EXPECT_EQ(sheet.pixel(24, 16), ink);  // (19, 10)
    EXPECT_EQ(sheet.pixel(24, 303), ink); // (19, 297)
    EXPECT_EQ(sheet.pixel(24, 336), ink); // (19, 330)
    EXPECT_EQ(sheet.pixel(24, 100), grey);
    EXPECT_EQ(sheet.pixel(10, 16), grey);
}

TEST(SheetOverlays, SheetWithoutTiletteSizeIsLeftAlone) {
    Bitmap sheet(100, 100, grey);
    const SheetLayout empty{0, 0, 5, 6, 0, 0, PageType::OneImage};
    SheetPerforations(sheet, 200, empty, ink);
    SheetFilmVertical(sheet, 200, empty, ink);
    SheetFilmHorizontal(sheet, 200, empty, ink);
    for (int y = 0; y < 100; y += 3)
        for (int x = 0; x < 100; x += 3)
            ASSERT_EQ(sheet.pixel(x, y), grey);
}
