#include "tilette/DisplayOverlays.h"
#include "tilette/Markers.h"

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
        drawMarker(canvas, 4, 5, markerStamp(makeMarker(13, 10, colours::white)));
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
