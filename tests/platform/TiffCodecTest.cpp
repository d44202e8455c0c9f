#include "PictureTestFiles.h"

#include "platform/TiffCodec.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <tiffio.h>

namespace {

QRgb greyBlocks(int x, int y) {
    const int value = qRed(colourBlocks(x, y));
    return qRgb(value, value, value);
}

TEST(TiffCodecTest, EachKindOfPageDecodesToItsColoursOverWhite) {
    std::vector<QRgb> palette;
    for (int i = 0; i < 6; ++i)
        palette.push_back(colourBlocks(8 * i, 0));
    const struct {
        const char* name;
        TiffLayout layout;
        PixelSource expected;
    } cases[] = {
        {"8-bit RGB", {}, colourBlocks},
        {"16-bit RGB", {.bitsPerSample = 16}, colourBlocks},
        {"RGB with alpha", {.samplesPerPixel = 4, .unassociatedAlpha = true}, blocksOverWhite},
        {"tiled", {.tiled = true}, colourBlocks},
        {"8-bit grey", {.photometric = PHOTOMETRIC_MINISBLACK, .samplesPerPixel = 1}, greyBlocks},
        {"16-bit grey",
         {.photometric = PHOTOMETRIC_MINISBLACK, .samplesPerPixel = 1, .bitsPerSample = 16},
         greyBlocks},
        {"CMYK", {.photometric = PHOTOMETRIC_SEPARATED, .samplesPerPixel = 4}, colourBlocks},
        {"palette",
         {.photometric = PHOTOMETRIC_PALETTE, .samplesPerPixel = 1, .palette = palette},
         colourBlocks},
        {"the first of two pages", {.pages = 2}, colourBlocks},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TiffLayout layout = c.layout;
        layout.width = 44, layout.height = 29, layout.orientation = 6;
        // The blocks as each kind of file holds them; grey takes the red.
        const QByteArray file = libtiffFile(layout, [&](int x, int y, std::uint16_t* s) {
            const QRgb colour = seeThroughBlocks(x, y);
            const int scale = layout.bitsPerSample == 16 ? 257 : 1;
            const int rgba[] = {qRed(colour), qGreen(colour), qBlue(colour), qAlpha(colour)};
            for (int i = 0; i < 4; ++i)
                s[i] = static_cast<std::uint16_t>(rgba[i] * scale);
            if (layout.photometric == PHOTOMETRIC_SEPARATED)
                s[0] = 255 - s[0], s[1] = 255 - s[1], s[2] = 255 - s[2], s[3] = 0;
            if (layout.photometric == PHOTOMETRIC_PALETTE)
                s[0] = static_cast<std::uint16_t>((x / 8 + 2 * (y / 8)) % 6);
        });
        ASSERT_TRUE(isTiff(file));
        // Rows come as stored; the orientation is the caller's to apply.
        int orientation = 0;
        const Bitmap bitmap = decodeTiff(file, &orientation);
        EXPECT_EQ(orientation, 6);
        ASSERT_EQ(bitmap.image().size(), QSize(44, 29));
        const int tolerance = layout.unassociatedAlpha ? 1 : 0;
        for (int y = 0; y < 29; ++y)
            for (int x = 0; x < 44; ++x) {
                const QRgb got = bitmap.image().pixel(x, y), want = c.expected(x, y);
                ASSERT_LE(std::abs(qRed(got) - qRed(want)) + std::abs(qGreen(got) - qGreen(want)) +
                              std::abs(qBlue(got) - qBlue(want)),
                          3 * tolerance)
                    << "pixel " << x << "," << y;
            }
    }
}

} // namespace
