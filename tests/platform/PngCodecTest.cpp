#include "PictureTestFiles.h"

#include "platform/PngCodec.h"
#include "platform/UserError.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include <png.h>
#include <sys/resource.h>

namespace {

// Nearest 8-bit values of 16-bit samples: 0x00FF and 0xFF00 are 1 and 254, where their high
// bytes would give 0 and 255.
const std::uint16_t sixteenBit[] = {0x0000, 0x00FF, 0xFF00, 0x8080, 0x7F7F, 0xFFFF};
const int eightBit[] = {0, 1, 254, 128, 127, 255};

// A colour at opacity alpha (0 to 255) over white paper, to the nearest step.
QRgb overWhite(QRgb colour, int alpha) {
    auto channel = [alpha](int value) { return qRound(value * alpha / 255.0 + (255 - alpha)); };
    return qRgb(channel(qRed(colour)), channel(qGreen(colour)), channel(qBlue(colour)));
}

std::vector<QRgb> rampPalette(int size) {
    std::vector<QRgb> palette;
    for (int i = 0; i < size; ++i)
        palette.push_back(qRgb(i * 255 / (size - 1), 255 - i * 255 / (size - 1), (i * 37) & 0xFF));
    return palette;
}

PngLayout layout(int width, int height, int colourType, int bitDepth, bool interlaced = false,
                 std::vector<QRgb> palette = {}, std::vector<std::uint16_t> transparent = {}) {
    return {width,
            height,
            colourType,
            bitDepth,
            interlaced,
            std::move(palette),
            std::move(transparent)};
}

struct DecodeCase {
    const char* name;
    PngLayout layout;
    PngSampleSource samples;
    std::function<QRgb(int x, int y)> expected;
};

std::vector<DecodeCase> decodeCases() {
    using Samples = std::uint16_t*;
    const std::vector<QRgb> two = {0xFF123456, 0xFFABCDEF};
    const std::vector<QRgb> sixteen = rampPalette(16), all = rampPalette(256);
    const std::vector<QRgb> seeThrough = {qRgba(255, 0, 0, 0), qRgba(0, 255, 0, 128), 0xFF0000FF};
    const int alphas[] = {128, 0, 255};
    auto rgb = [](int x, int y) { return qRgb(x * 23, y * 28, (x * y * 5) & 0xFF); };
    auto rgbSamples = [rgb](int x, int y, Samples s) {
        s[0] = qRed(rgb(x, y)), s[1] = qGreen(rgb(x, y)), s[2] = qBlue(rgb(x, y));
    };
    return {
        {"RGB 8", layout(11, 9, PNG_COLOR_TYPE_RGB, 8), rgbSamples, rgb},
        {"RGB 16", layout(6, 2, PNG_COLOR_TYPE_RGB, 16),
         [](int x, int, Samples s) {
             s[0] = sixteenBit[x], s[1] = sixteenBit[5 - x], s[2] = 0x1234;
         },
         [](int x, int) { return qRgb(eightBit[x], eightBit[5 - x], 18); }},
        {"palette 1", layout(9, 2, PNG_COLOR_TYPE_PALETTE, 1, false, two),
         [](int x, int y, Samples s) { s[0] = (x ^ y) & 1; },
         [two](int x, int y) { return two[(x ^ y) & 1]; }},
        {"palette 4", layout(7, 3, PNG_COLOR_TYPE_PALETTE, 4, false, sixteen),
         [](int x, int y, Samples s) { s[0] = (x + 7 * y) % 16; },
         [sixteen](int x, int y) { return sixteen[(x + 7 * y) % 16]; }},
        {"palette 8", layout(16, 16, PNG_COLOR_TYPE_PALETTE, 8, false, all),
         [](int x, int y, Samples s) { s[0] = 16 * y + x; },
         [all](int x, int y) { return all[16 * y + x]; }},
        {"grey 2", layout(4, 1, PNG_COLOR_TYPE_GRAY, 2), [](int x, int, Samples s) { s[0] = x; },
         [](int x, int) { return qRgb(x * 85, x * 85, x * 85); }},
        {"grey 8", layout(5, 2, PNG_COLOR_TYPE_GRAY, 8),
         [](int x, int y, Samples s) { s[0] = x * 60 + y; },
         [](int x, int y) { return qRgb(x * 60 + y, x * 60 + y, x * 60 + y); }},
        {"grey 16", layout(6, 1, PNG_COLOR_TYPE_GRAY, 16),
         [](int x, int, Samples s) { s[0] = sixteenBit[x]; },
         [](int x, int) { return qRgb(eightBit[x], eightBit[x], eightBit[x]); }},
        {"grey and alpha", layout(5, 2, PNG_COLOR_TYPE_GRAY_ALPHA, 8),
         [](int x, int y, Samples s) { s[0] = 100 + 50 * y, s[1] = x * 60; },
         [](int x, int y) {
             return overWhite(qRgb(100 + 50 * y, 100 + 50 * y, 100 + 50 * y), x * 60);
         }},
        {"RGBA 8", layout(3, 2, PNG_COLOR_TYPE_RGB_ALPHA, 8),
         [alphas](int x, int y, Samples s) {
             s[0] = 200, s[1] = 100, s[2] = 0, s[3] = alphas[(x + y) % 3];
         },
         [alphas](int x, int y) { return overWhite(qRgb(200, 100, 0), alphas[(x + y) % 3]); }},
        {"RGBA 16", layout(1, 1, PNG_COLOR_TYPE_RGB_ALPHA, 16),
         [](int, int, Samples s) { s[0] = 0xC8C8, s[1] = 0x00FF, s[2] = 0xFF00, s[3] = 0x8080; },
         [](int, int) { return overWhite(qRgb(200, 1, 254), 128); }},
        {"palette with tRNS", layout(6, 1, PNG_COLOR_TYPE_PALETTE, 2, false, seeThrough),
         [](int x, int, Samples s) { s[0] = x % 3; },
         [seeThrough](int x, int) {
             return overWhite(seeThrough[x % 3], qAlpha(seeThrough[x % 3]));
         }},
        {"RGB with tRNS", layout(4, 1, PNG_COLOR_TYPE_RGB, 8, false, {}, {10, 20, 30}),
         [](int x, int, Samples s) { s[0] = x % 2 ? 40 * x : 10, s[1] = 20, s[2] = 30; },
         [](int x, int) { return x % 2 ? qRgb(40 * x, 20, 30) : qRgb(255, 255, 255); }},
        {"RGB interlaced", layout(11, 9, PNG_COLOR_TYPE_RGB, 8, true), rgbSamples, rgb},
        {"palette 1 interlaced", layout(13, 11, PNG_COLOR_TYPE_PALETTE, 1, true, two),
         [](int x, int y, Samples s) { s[0] = (x * y) % 3 == 1; },
         [two](int x, int y) { return two[(x * y) % 3 == 1]; }},
    };
}

TEST(PngCodecTest, EveryKindDecodesToItsColoursOverWhite) {
    for (const DecodeCase& c : decodeCases()) {
        SCOPED_TRACE(c.name);
        const QByteArray file = libpngFile(c.layout, c.samples);
        ASSERT_TRUE(isPng(file));
        const Bitmap bitmap = decodePng(file);
        ASSERT_EQ(bitmap.width(), c.layout.width);
        ASSERT_EQ(bitmap.height(), c.layout.height);
        EXPECT_FALSE(bitmap.isIndexed());
        for (int y = 0; y < c.layout.height; ++y)
            for (int x = 0; x < c.layout.width; ++x)
                ASSERT_EQ(bitmap.image().pixel(x, y), 0xFF000000u | c.expected(x, y))
                    << "pixel " << x << "," << y;
    }
}

// Lowers the address space the process may take while it lives, so that a picture allocated
// for a header's claimed size fails instead of quietly reserving it.
class AddressSpaceLimit {
  public:
    explicit AddressSpaceLimit(rlim_t extraBytes) {
        ::getrlimit(RLIMIT_AS, &saved_);
        long pages = 0;
        if (std::FILE* status = std::fopen("/proc/self/statm", "r")) {
            if (std::fscanf(status, "%ld", &pages) != 1)
                pages = 0;
            std::fclose(status);
        }
        rlimit lowered = saved_;
        lowered.rlim_cur = static_cast<rlim_t>(pages) * 4096 + extraBytes;
        ::setrlimit(RLIMIT_AS, &lowered);
    }
    ~AddressSpaceLimit() { ::setrlimit(RLIMIT_AS, &saved_); }
    AddressSpaceLimit(const AddressSpaceLimit&) = delete;
    AddressSpaceLimit& operator=(const AddressSpaceLimit&) = delete;

  private:
    rlimit saved_{};
};

// The message decodePng gives, or "decoded".
QString decodeError(const QByteArray& file) {
    try {
        decodePng(file);
        return "decoded";
    } catch (const UserError& error) {
        return error.message();
    }
}

qsizetype chunkStart(const QByteArray& png, const char* type) {
    return png.indexOf(type) - 4;
}

std::uint32_t chunkLength(const QByteArray& png, qsizetype start) {
    std::uint32_t length = 0;
    for (int i = 0; i < 4; ++i)
        length = length << 8 | static_cast<std::uint8_t>(png[start + i]);
    return length;
}

QByteArray withSize(QByteArray png, std::uint32_t width, std::uint32_t height) {
    for (int i = 0; i < 4; ++i) {
        png[16 + i] = static_cast<char>(width >> (24 - 8 * i));
        png[20 + i] = static_cast<char>(height >> (24 - 8 * i));
    }
    return withFreshChecksums(png);
}

TEST(PngCodecTest, BrokenFilesAreRefusedBeforeTheirPicturesTakeMemory) {
    // Noise, so that the picture data is most of the file.
    const QByteArray good =
        libpngFile(layout(40, 30, PNG_COLOR_TYPE_RGB, 8), [](int x, int y, std::uint16_t* s) {
            std::uint32_t hash = static_cast<std::uint32_t>(x) * 73856093u ^
                                 static_cast<std::uint32_t>(y) * 19349663u;
            hash = (hash ^ hash >> 13) * 0x5BD1E995u;
            s[0] = hash & 0xFF, s[1] = hash >> 8 & 0xFF, s[2] = hash >> 16 & 0xFF;
        });
    ASSERT_EQ(decodeError(good), "decoded");
    const qsizetype data = chunkStart(good, "IDAT") + 8;
    const qsizetype dataLength = chunkLength(good, data - 8);
    ASSERT_GT(dataLength, 1000);

    QByteArray damaged = good;
    for (int i = 0; i < 8; ++i)
        damaged[data + dataLength / 2 + i] = static_cast<char>(~damaged[data + dataLength / 2 + i]);
    QByteArray notDeflate = good;
    notDeflate[data] = notDeflate[data + 1] = '\xFF';

    const QString invalid = "PNG image is not valid";
    const struct {
        const char* name;
        QByteArray file;
    } broken[] = {
        {"only the signature", good.left(8)},
        {"cut in the header", good.left(20)},
        {"cut in the picture data", good.left(data + dataLength / 2)},
        {"damaged picture data", damaged},
        {"picture data that is not deflate", withFreshChecksums(notDeflate)},
        {"zero width", withSize(good, 0, 30)},
        {"wider than the limit", withSize(good, 100000, 100000)},
        {"more pixels than the limit", withSize(good, 20000, 20000)},
        // Within the limits, but 900 MB of pixels cannot come out of a few kilobytes.
        {"more pixels than the data holds", withSize(good, 30000, 10000)},
    };
    const AddressSpaceLimit limit(rlim_t(256) << 20);
    for (const auto& c : broken)
        EXPECT_EQ(decodeError(c.file), invalid) << c.name;

    // With every row read, only the end marker is missing.
    const Bitmap withoutEnd = decodePng(good.chopped(12));
    EXPECT_EQ(withoutEnd.width(), 40);
    EXPECT_EQ(withoutEnd.pixel(39, 29), decodePng(good).pixel(39, 29));
}

TEST(PngCodecTest, EncodedPicturesAreEightBitRgbAndDecodeToThemselves) {
    Bitmap colour(7, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            colour.setPixel(x, y, makeColour(x * 36, y * 60, 255 - x * y * 7));
    Bitmap indexed = Bitmap::indexed(3, 2, {colours::red, colours::green, colours::aqua});
    indexed.setPixelIndex(1, 0, 2);
    indexed.setPixelIndex(2, 1, 1);

    for (const Bitmap& original : {colour, indexed}) {
        const QByteArray file = encodePng(original);
        ASSERT_TRUE(isPng(file));
        EXPECT_EQ(file[24], 8); // bit depth
        EXPECT_EQ(file[25], PNG_COLOR_TYPE_RGB);
        EXPECT_EQ(file[28], PNG_INTERLACE_NONE);
        const Bitmap ours = decodePng(file);
        const QImage qts = QImage::fromData(file, "PNG");
        ASSERT_EQ(ours.width(), original.width());
        ASSERT_EQ(ours.height(), original.height());
        ASSERT_EQ(qts.size(), original.image().size());
        for (int y = 0; y < original.height(); ++y)
            for (int x = 0; x < original.width(); ++x) {
                EXPECT_EQ(ours.pixel(x, y), original.pixel(x, y));
                EXPECT_EQ(qts.pixel(x, y), original.image().pixel(x, y));
            }
    }
    EXPECT_TRUE(encodePng(Bitmap()).isEmpty());
}

} // namespace
