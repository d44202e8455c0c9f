#include "tilette/DisplayOverlays.h"
#include "tilette/Markers.h"
#include "tilette/SheetOverlays.h"

#include <gtest/gtest.h>

namespace {
constexpr Colour grey = 0x808080;
constexpr Colour ink = colours::black;

// True where a marker of the given size anchored at (x, y) puts a border pixel at (px, py).
bool markerCovers(int x, int y, int width, int height, int px, int py) {
    const int dx = px - x, dy = py - y;
    if (dx < 0 || dy < 0 || dx >= width || dy >= height)
        return false;
    const bool cornerColumn = dx == 0 || dx == width - 1;
    const bool cornerRow = dy == 0 || dy == height - 1;
    return !(cornerColumn && cornerRow);
}
} // namespace

TEST(Markers, RectangleWithClippedCorners) {
    const Bitmap dot = makeMarker(6, 6, ink);
    ASSERT_EQ(dot.width(), 6);
    ASSERT_EQ(dot.height(), 6);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(dot.pixel(x, y), markerCovers(0, 0, 6, 6, x, y) ? ink : colours::white)
                << x << "," << y;

    EXPECT_EQ(markerTransparentColour(ink), colours::white);
    EXPECT_EQ(markerTransparentColour(0x00FFFFFE), colours::white);
    EXPECT_EQ(markerTransparentColour(colours::white), colours::black);
}

TEST(Markers, WhiteMarkerStillHasClippedCorners) {
    Bitmap target(20, 20, grey);
    {
        Canvas canvas(target);
        drawMarker(canvas, 4, 5, makeMarker(13, 10, colours::white));
    }
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            EXPECT_EQ(target.pixel(x, y), markerCovers(4, 5, 13, 10, x, y) ? colours::white : grey)
                << x << "," << y;
}

TEST(DisplayOverlays, FilmVerticalHolesNearBothSides) {
    Bitmap tilette(320, 320, grey);
    OverlayFilmVertical(tilette, ink);
    auto holeAt = [](int px, int py) {
        for (int y = -6; y < 320; y += 25)
            if (markerCovers(10, y, 13, 10, px, py) || markerCovers(297, y, 13, 10, px, py))
                return true;
        return false;
    };
    for (int y = 0; y < 320; ++y)
        for (int x = 0; x < 320; ++x)
            ASSERT_EQ(tilette.pixel(x, y), holeAt(x, y) ? ink : grey) << x << "," << y;
    // The last hole starts at y = 319 and is cut off by the bottom edge.
    EXPECT_EQ(tilette.pixel(16, 319), ink);
    EXPECT_EQ(tilette.pixel(16, 318), grey);
}

TEST(DisplayOverlays, FilmHorizontalHolesNearTopAndBottom) {
    Bitmap tilette(300, 200, grey);
    OverlayFilmHorizontal(tilette, ink);
    EXPECT_EQ(tilette.pixel(24, 16), ink);  // hole at (19, 10)
    EXPECT_EQ(tilette.pixel(24, 183), ink); // hole at (19, 177)
    EXPECT_EQ(tilette.pixel(0, 16), ink);   // hole at (-6, 10), half outside
    EXPECT_EQ(tilette.pixel(10, 16), grey); // between holes
    EXPECT_EQ(tilette.pixel(24, 9), grey);
    EXPECT_EQ(tilette.pixel(24, 23), grey);
    EXPECT_EQ(tilette.pixel(24, 100), grey);
    EXPECT_EQ(tilette.pixel(298, 16), ink); // hole at (294, 10)
}

TEST(DisplayOverlays, PerforationsHalfOutsideEveryEdge) {
    Bitmap tilette(320, 320, grey);
    OverlayPerforations(tilette, ink);
    EXPECT_EQ(tilette.pixel(8, 0), ink); // top dot at (6, -3)
    EXPECT_EQ(tilette.pixel(8, 2), ink);
    EXPECT_EQ(tilette.pixel(8, 3), grey);
    EXPECT_EQ(tilette.pixel(14, 0), grey); // between dots
    EXPECT_EQ(tilette.pixel(8, 317), ink); // bottom dot at (6, 317)
    EXPECT_EQ(tilette.pixel(8, 316), grey);
    EXPECT_EQ(tilette.pixel(0, 8), ink); // left dot at (-3, 6)
    EXPECT_EQ(tilette.pixel(3, 8), grey);
    EXPECT_EQ(tilette.pixel(319, 8), ink); // right dot at (317, 6)
    EXPECT_EQ(tilette.pixel(316, 8), grey);
    EXPECT_EQ(tilette.pixel(160, 160), grey);
}

TEST(SheetOverlays, FrameInteriorIsStrictlyInside) {
    const SheetLayout frame{320, 320, 5, 6, 0, 0, 5};
    const int m = sheetOverlayMargin(200);
    EXPECT_EQ(m, 12);
    EXPECT_TRUE(inFrameInterior(frame, m, 333, 333));
    EXPECT_FALSE(inFrameInterior(frame, m, 332, 333));
    EXPECT_FALSE(inFrameInterior(frame, m, 333, 332));
    EXPECT_TRUE(inFrameInterior(frame, m, 1279, 1599));
    EXPECT_FALSE(inFrameInterior(frame, m, 1280, 1000));
    EXPECT_FALSE(inFrameInterior(frame, m, 1000, 1600));
    SheetLayout other = frame;
    other.pageType = 4;
    EXPECT_FALSE(inFrameInterior(other, m, 700, 700));
}

TEST(SheetOverlays, FilmVerticalSkipsTheMiddleOfAFrame) {
    const SheetLayout frame{320, 320, 5, 6, 0, 0, 5};
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
    noFrame.pageType = 0;
    SheetFilmVertical(plain, 200, noFrame, ink);
    EXPECT_EQ(plain.pixel(656, 499), ink);
    EXPECT_EQ(plain.pixel(943, 499), ink);
}

TEST(SheetOverlays, PerforationDotsCentredOnBoundaries) {
    // 316 x 316 tilettes starting at (9, 11): boundaries at x = 9 + 316k, y = 11 + 316k.
    const SheetLayout frame{316, 316, 5, 6, 9, 11, 5};
    Bitmap sheet(1600, 2100, grey);
    SheetPerforations(sheet, 200, frame, ink);
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
    const SheetLayout layout{320, 320, 5, 6, 0, 0, 0};
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
    const SheetLayout empty{0, 0, 5, 6, 0, 0, 0};
    SheetPerforations(sheet, 200, empty, ink);
    SheetFilmVertical(sheet, 200, empty, ink);
    SheetFilmHorizontal(sheet, 200, empty, ink);
    for (int y = 0; y < 100; y += 3)
        for (int x = 0; x < 100; x += 3)
            ASSERT_EQ(sheet.pixel(x, y), grey);
}
