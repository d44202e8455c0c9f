#include "colour/Recolour.h"
#include "colour/ColourSchemes.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <set>

namespace {
constexpr int grayScale = 8;
constexpr int blackAndWhite = 7;

Bitmap pictureOf(std::initializer_list<Colour> pixels) {
    Bitmap picture(static_cast<int>(pixels.size()), 1);
    int x = 0;
    for (Colour c : pixels)
        picture.setPixel(x++, 0, c);
    return picture;
}

// A spread of colours, so that many halftone and scheme entries are reached.
Bitmap mixedPicture() {
    Bitmap picture(64, 48);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, makeColour(x * 4, y * 5 + 10, (x * y * 7) % 256));
    return picture;
}

Palette palette(int scheme) {
    return schemePalette(scheme, schemeFactors(scheme));
}
} // namespace

TEST(NearestPaletteIndex, LowestIndexOnATie) {
    const Palette palette{makeColour(10, 10, 10), makeColour(20, 20, 20), makeColour(30, 30, 30),
                          makeColour(20, 20, 20)};
    EXPECT_EQ(nearestPaletteIndex(palette, makeColour(15, 15, 15)), 0);
    EXPECT_EQ(nearestPaletteIndex(palette, makeColour(21, 19, 20)), 1);
    EXPECT_EQ(nearestPaletteIndex(palette, makeColour(255, 0, 0)), 2);
    EXPECT_EQ(nearestPaletteIndex({}, makeColour(1, 2, 3)), -1);
}

// An 8-bit picture of the same size with the scheme's palette, whose every pixel is the scheme
// colour nearest to the halftone colour nearest to it, found by full searches.
TEST(ApplyColorScheme, EachPixelTakesTheSchemeColourNearestItsHalftoneColour) {
    const Bitmap picture = mixedPicture();
    const Palette halftone = halftonePalette();
    for (int scheme = 0; scheme < colourSchemeCount; ++scheme) {
        SCOPED_TRACE(scheme);
        const Palette colours = schemePalette(scheme, factorsOfChosenColour(0x3080C0));
        const Bitmap result = ApplyColorScheme(picture, colours);
        ASSERT_TRUE(result.isIndexed());
        ASSERT_EQ(result.width(), 64);
        ASSERT_EQ(result.height(), 48);
        EXPECT_EQ(result.palette(), colours);
        int mismatches = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const Colour reduced = halftone[nearestPaletteIndex(halftone, picture.pixel(x, y))];
                if (result.pixelIndex(x, y) != nearestPaletteIndex(colours, reduced))
                    ++mismatches;
            }
        EXPECT_EQ(mismatches, 0);
    }
}

TEST(ApplyColorScheme, GreyStaysGreyInGrayScale) {
    // 128 reduces to the halftone grey 130, which "8 - Gray Scale" holds at 256 - 130.
    const Bitmap flat = ApplyColorScheme(pictureOf({0x808080, 0x808080}), palette(grayScale));
    EXPECT_EQ(flat.pixelIndex(0, 0), 126);
    EXPECT_EQ(flat.pixel(1, 0), makeColour(130, 130, 130));

    Bitmap ramp(256, 1);
    for (int v = 0; v < 256; ++v)
        ramp.setPixel(v, 0, makeColour(v, v, v));
    const Bitmap result = ApplyColorScheme(ramp, palette(grayScale));
    for (int v = 0; v < 256; ++v) {
        SCOPED_TRACE(v);
        const Colour c = result.pixel(v, 0);
        EXPECT_EQ(redOf(c), greenOf(c));
        EXPECT_EQ(redOf(c), blueOf(c));
        // The widest gap between halftone greys is 6 (45 to 51).
        EXPECT_LE(std::abs(redOf(c) - v), 3);
    }
}

TEST(ApplyColorScheme, BlackAndWhiteGivesTwoColours) {
    const Bitmap result = ApplyColorScheme(mixedPicture(), palette(blackAndWhite));
    std::set<int> used;
    for (int y = 0; y < result.height(); ++y)
        for (int x = 0; x < result.width(); ++x)
            used.insert(result.pixelIndex(x, y));
    // The first black and the first white entry.
    EXPECT_EQ(used, (std::set<int>{0, 2}));

    const struct {
        Colour pixel;
        int index;
    } cases[] = {
        {makeColour(10, 10, 10), 0},    {makeColour(240, 240, 240), 2},
        {makeColour(128, 128, 128), 2}, // grey 130 is 125 from white, 130 from black
        {makeColour(120, 120, 120), 0}, // grey 119
        {makeColour(255, 0, 0), 0},     {makeColour(255, 255, 0), 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ApplyColorScheme(pictureOf({c.pixel}), palette(blackAndWhite)).pixelIndex(0, 0),
                  c.index)
            << std::hex << c.pixel;
}

TEST(ApplyColorScheme, EightBitPictureAsItsTrueColourCopy) {
    Bitmap picture = Bitmap::indexed(4, 2, {0x808080, 0x0000FF, 0x00FFFF, 0xFFFFFF, 0x123456});
    for (int x = 0; x < 4; ++x) {
        picture.setPixelIndex(x, 0, x);
        picture.setPixelIndex(x, 1, 4 - x);
    }
    for (int scheme : {0, 4, 7, 8, 16}) {
        SCOPED_TRACE(scheme);
        const Bitmap fromIndexed = ApplyColorScheme(picture, palette(scheme));
        const Bitmap fromTrueColour = ApplyColorScheme(picture.toTrueColour(), palette(scheme));
        EXPECT_EQ(fromIndexed.image(), fromTrueColour.image());
    }
    // An index beyond the picture's own colour table counts as black.
    QImage shortTable(1, 1, QImage::Format_Indexed8);
    shortTable.setColorCount(256);
    shortTable.setPixel(0, 0, 5);
    shortTable.setColorTable({qRgb(255, 255, 255)});
    ASSERT_EQ(shortTable.pixelIndex(0, 0), 5);
    EXPECT_EQ(ApplyColorScheme(Bitmap(shortTable), palette(grayScale)).pixelIndex(0, 0), 0);
}

TEST(ApplyColorScheme, WithoutASchemePaletteThePictureKeepsItsHalftoneColours) {
    const Bitmap result = ApplyColorScheme(pictureOf({0x808080, 0x0000FF, 0x0A0AC8}), Palette{});
    EXPECT_EQ(result.palette(), halftonePalette());
    EXPECT_EQ(result.pixelIndex(0, 0), 236);
    EXPECT_EQ(result.pixelIndex(1, 0), 180);
    EXPECT_EQ(result.pixelIndex(2, 0), 144);
}

TEST(ApplyColorScheme, OnlyTheFirst256SchemeColoursCount) {
    Palette colours(256, colours::black);
    colours.resize(300, colours::white);
    const Bitmap result = ApplyColorScheme(pictureOf({colours::white}), colours);
    EXPECT_EQ(result.pixelIndex(0, 0), 0);
    EXPECT_EQ(result.palette(), Palette(256, colours::black));
}

TEST(ApplyColorScheme, EmptyPictureGivesEmptyBitmap) {
    EXPECT_TRUE(ApplyColorScheme(Bitmap(), palette(0)).isEmpty());
}
