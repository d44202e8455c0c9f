#include "PictureTestFiles.h"

#include "platform/WebpCodec.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Flat 8-pixel blocks, so that lossy coding keeps each colour close.
QRgb blocks(int x, int y) {
    const QRgb colours[] = {qRgb(200, 30, 30),   qRgb(30, 160, 60), qRgb(40, 60, 220),
                            qRgb(250, 250, 250), qRgb(20, 20, 20),  qRgb(230, 200, 40)};
    return colours[(x / 8 + 2 * (y / 8)) % 6];
}

QRgb seeThrough(int x, int y) {
    const int alphas[] = {255, 128, 0};
    return (blocks(x, y) & 0xFFFFFF) | static_cast<QRgb>(alphas[x / 8 % 3]) << 24;
}

QRgb overWhite(int x, int y) {
    const QRgb colour = seeThrough(x, y);
    const auto over = [&](int value) {
        return (value * qAlpha(colour) + 255 * (255 - qAlpha(colour))) / 255;
    };
    return qRgb(over(qRed(colour)), over(qGreen(colour)), over(qBlue(colour)));
}

TEST(WebpCodecTest, EncodedPicturesDecodeToTheirColoursOverWhite) {
    const struct {
        const char* name;
        bool lossless;
        int frames;
        PixelSource pixel, expected;
        int tolerance;
    } cases[] = {
        {"lossless", true, 1, blocks, blocks, 0},
        {"lossless with alpha", true, 1, seeThrough, overWhite, 1},
        {"lossy", false, 1, blocks, blocks, 20},
        {"lossy with alpha", false, 1, seeThrough, overWhite, 20},
        {"animation, its first frame", true, 3, blocks, blocks, 0},
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
