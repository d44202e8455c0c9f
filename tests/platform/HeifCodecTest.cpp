#include "PictureTestFiles.h"

#include "platform/HeifCodec.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// A mark in the top-left corner of the picture as taken, grey elsewhere.
QRgb marked(int x, int y) {
    return x < 8 && y < 8 ? qRgb(220, 20, 20) : qRgb(128, 128, 128);
}

bool near(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) <= 4 && std::abs(qGreen(a) - qGreen(b)) <= 4 &&
           std::abs(qBlue(a) - qBlue(b)) <= 4;
}

struct HeifCase {
    const char* name;
    bool avif;
    int orientation;
    bool withAlpha;
    PixelSource stored;
    int width, height; // as shown
    PixelSource expected;
};

TEST(HeifCodecTest, EncodedPicturesDecodeUprightToTheirColoursOverWhite) {
    // Orientation 6 is a camera held upright: shown turned a quarter clockwise, the mark at the
    // top right. Orientation 2 is a mirror: the mark at the top right, the size as stored.
    const HeifCase cases[] = {
        {"HEIC", false, 1, false, colourBlocks, 48, 32, colourBlocks},
        {"HEIC with alpha", false, 1, true, seeThroughBlocks, 48, 32, blocksOverWhite},
        {"AVIF", true, 1, false, colourBlocks, 48, 32, colourBlocks},
        {"AVIF with alpha", true, 1, true, seeThroughBlocks, 48, 32, blocksOverWhite},
        {"HEIC turned, orientation 6", false, 6, false, marked, 32, 48,
         [](int x, int y) { return marked(y, 31 - x); }},
        {"HEIC mirrored, orientation 2", false, 2, false, marked, 48, 32,
         [](int x, int y) { return marked(47 - x, y); }},
    };
    for (const HeifCase& c : cases) {
        SCOPED_TRACE(c.name);
        const int storedWidth = c.orientation >= 5 ? c.height : c.width;
        const int storedHeight = c.orientation >= 5 ? c.width : c.height;
        const QByteArray file =
            libheifFile(c.avif, storedWidth, storedHeight, c.stored, c.withAlpha, c.orientation);
        ASSERT_FALSE(file.isEmpty()) << "libheif has no encoder for it";
        EXPECT_EQ(heifKind(file), c.avif ? "AVIF" : "HEIC");
        const Bitmap bitmap = decodeHeif(file);
        ASSERT_EQ(bitmap.width(), c.width);
        ASSERT_EQ(bitmap.height(), c.height);
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x)
                ASSERT_PRED2(near, bitmap.image().pixel(x, y), c.expected(x, y))
                    << "pixel " << x << "," << y;
    }
}

} // namespace
