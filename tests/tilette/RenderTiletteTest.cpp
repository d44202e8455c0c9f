#include "tilette/RenderTilette.h"
#include "tilette/SamplePicture.h"

#include <gtest/gtest.h>
#include <set>

namespace {
constexpr Colour cream = colours::cream;
constexpr Colour green = colours::green;

TiletteStyle plainStyle() {
    TiletteStyle style;
    style.border = static_cast<int>(BorderType::None);
    style.backgroundColour = cream;
    return style;
}

// Checks that exactly the rectangle holds the picture colour along both middle lines.
void expectPictureIn(const Bitmap& tilette, const Rect& rect) {
    const int midX = (rect.left + rect.right) / 2, midY = (rect.top + rect.bottom) / 2;
    EXPECT_EQ(tilette.pixel(rect.left, midY), green);
    EXPECT_EQ(tilette.pixel(rect.right - 1, midY), green);
    EXPECT_EQ(tilette.pixel(midX, rect.top), green);
    EXPECT_EQ(tilette.pixel(midX, rect.bottom - 1), green);
    EXPECT_EQ(tilette.pixel(rect.left - 1, midY), cream);
    EXPECT_EQ(tilette.pixel(rect.right, midY), cream);
    EXPECT_EQ(tilette.pixel(midX, rect.top - 1), cream);
    EXPECT_EQ(tilette.pixel(midX, rect.bottom), cream);
}
} // namespace

TEST(RenderTilette, PictureLandsInTheFittedRectangle) {
    const Bitmap square(350, 350, green);
    const Bitmap tilette = renderTilette(plainStyle(), 316, 316, square, 350, 350);
    ASSERT_EQ(tilette.width(), 316);
    ASSERT_EQ(tilette.height(), 316);
    expectPictureIn(tilette, {25, 25, 291, 291});

    const Bitmap portrait(300, 400, green);
    expectPictureIn(renderTilette(plainStyle(), 320, 320, portrait, 300, 400), {59, 25, 261, 295});
}

TEST(RenderTilette, ReducedDecodeIsFittedByTheFullSize) {
    const Bitmap eighth(50, 38, green); // a 400 x 300 picture decoded at 1/8
    const Bitmap tilette = renderTilette(plainStyle(), 320, 252, eighth, 400, 300);
    expectPictureIn(tilette, {25, 25, 295, 227});
}

TEST(RenderTilette, BlankShowsOnlyBackgroundBorderAndText) {
    TiletteStyle style = plainStyle();
    style.blank = true;
    style.border = static_cast<int>(BorderType::Box);
    style.borderColour = colours::red;
    const Bitmap tilette = renderTilette(style, 316, 316, Bitmap(350, 350, green), 350, 350);
    for (int x = 20; x < 296; x += 5)
        EXPECT_EQ(tilette.pixel(x, 158), cream) << x;
    EXPECT_EQ(tilette.pixel(12, 158), colours::red);  // box line at 12
    EXPECT_EQ(tilette.pixel(304, 158), colours::red); // and at 316 - 12
}

TEST(RenderTilette, BordersAndTextsGoOverThePicture) {
    TiletteStyle style = plainStyle();
    style.border = static_cast<int>(BorderType::Stamp);
    style.borderColour = colours::black;
    style.valueText = "5";
    const Bitmap tilette = renderTilette(style, 320, 320, Bitmap(350, 350, green), 350, 350);
    EXPECT_EQ(tilette.pixel(36, 12), colours::black); // stamp edge, outside the picture
    EXPECT_EQ(tilette.pixel(160, 160), green);
    // Some of the value's glyph pixels (black) cover the picture's upper right corner.
    bool glyphOverPicture = false;
    for (int y = 26; y < 80; ++y)
        for (int x = 250; x < 295; ++x)
            glyphOverPicture = glyphOverPicture || tilette.pixel(x, y) == colours::black;
    EXPECT_TRUE(glyphOverPicture);

    // Perforation and film borders are not part of the stored tilette.
    style.border = static_cast<int>(BorderType::Perforations);
    EXPECT_EQ(renderTilette(style, 320, 320, Bitmap(350, 350, green), 350, 350).pixel(36, 12),
              cream);
}

TEST(RenderTilette, NoSizeNoBitmapAndNoPictureNoCrash) {
    EXPECT_TRUE(renderTilette(plainStyle(), 0, 316, Bitmap(10, 10), 10, 10).isEmpty());
    EXPECT_TRUE(renderTilette(plainStyle(), 316, -1, Bitmap(10, 10), 10, 10).isEmpty());
    const Bitmap withoutPicture = renderTilette(plainStyle(), 100, 100, Bitmap(), 0, 0);
    EXPECT_EQ(withoutPicture.pixel(50, 50), cream);
}

TEST(SamplePicture, IsAColourfulSquare) {
    const Bitmap& picture = SamplePicture();
    EXPECT_EQ(picture.width(), 350);
    EXPECT_EQ(picture.height(), 350);
    EXPECT_FALSE(picture.isIndexed());
    EXPECT_EQ(&picture, &SamplePicture()); // painted once
    std::set<Colour> colours;
    for (int y = 0; y < 350; y += 7)
        for (int x = 0; x < 350; x += 7)
            colours.insert(picture.pixel(x, y));
    EXPECT_GT(colours.size(), 100u);
    // Sky above, grass below.
    EXPECT_GT(blueOf(picture.pixel(20, 20)), greenOf(picture.pixel(20, 20)));
    EXPECT_GT(greenOf(picture.pixel(20, 340)), blueOf(picture.pixel(20, 340)));
}
