#include "PictureTestFiles.h"

#include "platform/WebpCodec.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(WebpCodecTest, EncodedPicturesDecodeToTheirColoursOverWhite) {
    const struct {
        const char* name;
        bool lossless;
        int frames;
        PixelSource pixel, expected;
        int tolerance;
    } cases[] = {
        {"lossless", true, 1, colourBlocks, colourBlocks, 0},
        {"lossless with alpha", true, 1, seeThroughBlocks, blocksOverWhite, 1},
        {"lossy", false, 1, colourBlocks, colourBlocks, 20},
        {"lossy with alpha", false, 1, seeThroughBlocks, blocksOverWhite, 20},
        {"animation, its first frame", true, 3, colourBlocks, colourBlocks, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray file = libwebpFile(48, 32, c.pixel, c.lossless, c.frames);
        ASSERT_TRUE(isWebp(file));
        EXPECT_EQ(file.contains("ANIM"), c.frames > 1);
        const Bitmap bitmap = decodeWebp(file);
        ASSERT_EQ(bitmap.width(), 48);
        ASSERT_EQ(bitmap.height(), 32);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 48; ++x) {
                // Lossy coding halves the colour detail, so block edges blur.
                if (!c.lossless && (x % 8 < 2 || x % 8 > 5 || y % 8 < 2 || y % 8 > 5))
                    continue;
                const QRgb got = bitmap.image().pixel(x, y), want = c.expected(x, y);
                ASSERT_LE(std::abs(qRed(got) - qRed(want)) + std::abs(qGreen(got) - qGreen(want)) +
                              std::abs(qBlue(got) - qBlue(want)),
                          3 * c.tolerance)
                    << "pixel " << x << "," << y;
            }
    }
}

} // namespace
