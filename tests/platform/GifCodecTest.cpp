#include "PictureTestFiles.h"

#include "platform/GifCodec.h"

#include <gtest/gtest.h>

namespace {

TEST(GifCodecTest, TheFirstFrameDecodesInItsPlaceOverWhite) {
    // Six block colours, and two more that only later frames use.
    std::vector<QRgb> colours;
    for (int i = 0; i < 6; ++i)
        colours.push_back(colourBlocks(8 * i, 0));
    colours.push_back(qRgb(1, 2, 3));
    colours.push_back(qRgb(9, 9, 9));
    const auto blockIndex = [](int x, int y) { return (x / 8 + 2 * (y / 8)) % 6; };
    const QRgb white = qRgb(255, 255, 255);
    const struct {
        const char* name;
        GifLayout layout;
        PixelSource expected;
    } cases[] = {
        {"one frame", {}, colourBlocks},
        {"interlaced", {.interlaced = true}, colourBlocks},
        {"a transparent colour",
         {.transparent = 2},
         [&](int x, int y) { return blockIndex(x, y) == 2 ? white : colourBlocks(x, y); }},
        {"an animation, its first frame", {.frames = 3}, colourBlocks},
        {"a frame on part of the canvas",
         {.frame = {5, 3, 20, 17}},
         [&](int x, int y) {
             return x >= 5 && x < 25 && y >= 3 && y < 20 ? colourBlocks(x, y) : white;
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GifLayout layout = c.layout;
        layout.width = 44, layout.height = 29, layout.colours = colours;
        const QByteArray file = giflibFile(layout, blockIndex);
        ASSERT_TRUE(isGif(file));
        const Bitmap bitmap = decodeGif(file);
        ASSERT_EQ(bitmap.image().size(), QSize(44, 29));
        for (int y = 0; y < 29; ++y)
            for (int x = 0; x < 44; ++x)
                ASSERT_EQ(bitmap.image().pixel(x, y), c.expected(x, y)) << x << "," << y;
    }
}

} // namespace
