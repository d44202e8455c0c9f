#include "PictureTestFiles.h"

#include "platform/BmpCodec.h"
#include "platform/JpegCodec.h"
#include "platform/PictureFile.h"
#include "platform/PictureLimits.h"
#include "platform/PngCodec.h"
#include "platform/UserError.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <functional>
#include <random>

#include <sys/resource.h>
#include <sys/stat.h>

#include <jpeglib.h>
// jerror.h needs jpeglib.h first.
#include <jerror.h>

namespace {

const QString invalidBitmap = "Bitmap image is not valid";
const std::vector<QRgb> fourColours = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};

class PictureFileTest : public testing::Test {
  protected:
    QTemporaryDir folder;

    QString pathOf(const QString& name) const { return folder.filePath(name); }

    QString save(const QByteArray& bytes, const QString& name = "picture.bmp") const {
        const QString path = pathOf(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QByteArray load(const QString& path) const {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }

    // The message a read gives, or "decoded" when it succeeds. A message must end by naming the
    // file; that line is checked here and left off what is returned.
    QString readError(const QByteArray& bytes, const QString& name = "picture.bmp") const {
        const QString path = save(bytes, name);
        try {
            readPicture(path);
            return "decoded";
        } catch (const UserError& error) {
            const QString fileLine = "\nFile: " + path;
            if (!error.message().endsWith(fileLine))
                return "no file line in: " + error.message();
            return error.message().chopped(fileLine.size());
        }
    }
};

// Each digit of `indices` names the palette entry expected at that x.
void expectRow(const Bitmap& bitmap, int y, const char* indices, const std::vector<QRgb>& palette) {
    ASSERT_EQ(bitmap.width(), static_cast<int>(std::strlen(indices)));
    for (int x = 0; indices[x] != '\0'; ++x)
        EXPECT_EQ(bitmap.image().pixel(x, y), 0xFF000000u | palette[indices[x] - '0'])
            << "pixel " << x << "," << y;
}

void expectClose(QRgb actual, QRgb expected, int tolerance) {
    EXPECT_NEAR(qRed(actual), qRed(expected), tolerance);
    EXPECT_NEAR(qGreen(actual), qGreen(expected), tolerance);
    EXPECT_NEAR(qBlue(actual), qBlue(expected), tolerance);
}

void put16(QByteArray& bytes, int at, int value) {
    bytes[at] = static_cast<char>(value >> 8); // JPEG is big-endian
    bytes[at + 1] = static_cast<char>(value & 0xFF);
}

void putLittle32(QByteArray& bytes, int at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// libjpeg's message, in the words of jerror.h.
QString jpegError(int code, const QString& words) {
    return "JPEG error #" + QString::number(code) + ": " + words;
}

bool isJpegError(const QString& message) {
    return QRegularExpression("^JPEG error #\\d+: \\S").match(message).hasMatch();
}

// Gradients under noise, so that most of the file is picture data, as in a photo.
void photoSamples(int x, int y, std::uint8_t* samples) {
    std::uint32_t hash =
        static_cast<std::uint32_t>(x) * 73856093u ^ static_cast<std::uint32_t>(y) * 19349663u;
    hash ^= hash >> 13;
    hash *= 0x5BD1E995u;
    const int noise = static_cast<int>((hash ^ (hash >> 15)) % 64);
    samples[0] = static_cast<std::uint8_t>((x * 255 / 600 + noise) % 256);
    samples[1] = static_cast<std::uint8_t>((y * 255 / 400 + noise) % 256);
    samples[2] = static_cast<std::uint8_t>(((x + y) % 256 + noise) % 256);
}

Bitmap photoLike() {
    Bitmap photo(600, 400);
    std::uint8_t rgb[3];
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 600; ++x) {
            photoSamples(x, y, rgb);
            photo.setPixel(x, y, makeColour(rgb[0], rgb[1], rgb[2]));
        }
    return photo;
}

} // namespace

TEST_F(PictureFileTest, PalettedBitmapsDecodeEveryDepth) {
    const std::vector<QRgb> two = {0x123456, 0xABCDEF};
    Bitmap oneBit = readPicture(
        save(bmpFile({10, 2, 1, 0, 40, two, {}}, {0xB0, 0x40, 0, 0, 0x0F, 0xC0, 0, 0})));
    expectRow(oneBit, 1, "1011000001", two); // bottom-up: the first row is the bottom one
    expectRow(oneBit, 0, "0000111111", two);

    // Three colours used: the file's palette is shorter than the 16 a 4-bit file may have.
    const std::vector<QRgb> three(fourColours.begin(), fourColours.begin() + 3);
    Bitmap fourBit = readPicture(
        save(bmpFile({3, 2, 4, 0, 40, three, {}}, {0x01, 0x20, 0, 0, 0x21, 0x00, 0, 0})));
    expectRow(fourBit, 1, "012", three);
    expectRow(fourBit, 0, "210", three);

    Bitmap topDown =
        readPicture(save(bmpFile({3, -2, 8, 0, 40, fourColours, {}}, {3, 2, 1, 0, 0, 1, 2, 0})));
    expectRow(topDown, 0, "321", fourColours);
    expectRow(topDown, 1, "012", fourColours);

    Bitmap core = readPicture(save(bmpFile({2, 1, 1, 0, 12, two, {}}, {0x40, 0, 0, 0})));
    expectRow(core, 0, "01", two);
}

TEST_F(PictureFileTest, TrueColourBitmapsDecodeEveryLayout) {
    Bitmap rgb =
        readPicture(save(bmpFile({2, 2, 24, 0, 40, {}, {}}, {0x30, 0x20, 0x10, 0x03, 0x02, 0x01, 0,
                                                             0, 0xFF, 0, 0, 0, 0, 0xFF, 0, 0})));
    EXPECT_FALSE(rgb.isIndexed());
    expectRow(rgb, 1, "01", {0x102030, 0x010203});
    expectRow(rgb, 0, "01", {0x0000FF, 0xFF0000});

    expectRow(readPicture(save(bmpFile({1, 1, 32, 0, 40, {}, {}}, {0x11, 0x22, 0x33, 0}))), 0, "0",
              {0x332211});
    expectRow(readPicture(save(bmpFile({1, 1, 24, 0, 124, {}, {}}, {1, 2, 3, 0}))), 0, "0",
              {0x030201});
    // Without bit fields 16 bits are 5-5-5; with them 5-6-5 here.
    expectRow(readPicture(save(bmpFile({1, 1, 16, 0, 40, {}, {}}, {0x00, 0x7C, 0, 0}))), 0, "0",
              {0xFF0000});
    expectRow(readPicture(save(bmpFile({2, 1, 16, 3, 40, {}, {0xF800, 0x07E0, 0x001F}},
                                       {0x00, 0xF8, 0xE0, 0x07}))),
              0, "01", {0xFF0000, 0x00FF00});
    expectRow(readPicture(save(bmpFile({1, 1, 32, 3, 108, {}, {0xFF00, 0xFF0000, 0xFF000000}},
                                       {0x00, 0x11, 0x22, 0x33}))),
              0, "0", {0x112233});
}

TEST_F(PictureFileTest, RunLengthBitmapsDecode) {
    const std::vector<std::uint8_t> rle8 = {
        3, 1, 1, 2, 0, 0,                   // bottom row: "1112", end of line
        0, 2, 1, 0, 0, 3, 2, 3, 1, 0, 0, 0, // skip one, absolute "231" with its pad byte
        0, 2, 2, 0, 2, 3, 0, 1};            // skip two, "33", end of bitmap
    Bitmap eight = readPicture(save(bmpFile({4, 3, 8, 1, 40, fourColours, {}}, rle8)));
    expectRow(eight, 0, "0033", fourColours);
    expectRow(eight, 1, "0231", fourColours);
    expectRow(eight, 2, "1112", fourColours);

    // A delta that moves down keeps the column.
    Bitmap delta = readPicture(
        save(bmpFile({4, 2, 8, 1, 40, fourColours, {}}, {2, 1, 0, 2, 0, 1, 2, 2, 0, 1})));
    expectRow(delta, 0, "0022", fourColours);
    expectRow(delta, 1, "1100", fourColours);

    // Nibbles alternate in a run; the absolute run of five takes three bytes and one pad byte.
    const std::vector<std::uint8_t> rle4 = {5, 0x12, 0, 0, 0, 5, 0x21, 0x01, 0x20, 0, 0, 1};
    Bitmap four = readPicture(save(bmpFile({5, 2, 4, 2, 40, fourColours, {}}, rle4)));
    expectRow(four, 0, "21012", fourColours);
    expectRow(four, 1, "12121", fourColours);

    // A few bytes may not claim a huge picture for the decoder to fill in: found by fuzzing,
    // such a file took seconds and a gigabyte. A plain picture coded in runs still reads.
    EXPECT_EQ(readError(bmpFile({10000, 10000, 8, 1, 40, fourColours, {}}, {0, 1})), invalidBitmap);
    std::vector<std::uint8_t> plain;
    for (int row = 0; row < 300; ++row)
        plain.insert(plain.end(), {250, 2, 250, 2, 250, 2, 250, 2, 0, 0});
    const Bitmap wide = readPicture(save(bmpFile({1000, 300, 8, 1, 40, fourColours, {}}, plain)));
    EXPECT_EQ(wide.width(), 1000);
    EXPECT_EQ(wide.pixel(999, 299), fromRgb(fourColours[2]));
}

TEST_F(PictureFileTest, MalformedBitmapsAreRefused) {
    const QByteArray good = bmpFile({2, 2, 24, 0, 40, {}, {}}, std::vector<std::uint8_t>(16, 7));
    ASSERT_EQ(readError(good), "decoded");
    // Every cut before the last row's padding loses pixels or header.
    for (qsizetype length = 0; length < good.size() - 2; ++length)
        EXPECT_EQ(readError(good.left(length)), invalidBitmap) << "cut at " << length;

    auto patched = [&](int at, std::uint32_t value, int bytes = 4) {
        QByteArray copy = good;
        for (int i = 0; i < bytes; ++i)
            copy[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
        return readError(copy);
    };
    EXPECT_EQ(patched(14, 50), invalidBitmap);         // header size
    EXPECT_EQ(patched(28, 7, 2), invalidBitmap);       // bit count
    EXPECT_EQ(patched(30, 9), invalidBitmap);          // compression
    EXPECT_EQ(patched(30, 1), invalidBitmap);          // RLE8 with 24 bits
    EXPECT_EQ(patched(10, 1000), invalidBitmap);       // pixels past the end
    EXPECT_EQ(patched(18, 0), invalidBitmap);          // no width
    EXPECT_EQ(patched(22, 0), invalidBitmap);          // no height
    EXPECT_EQ(patched(18, 0xFFFFFFFB), invalidBitmap); // negative width
    EXPECT_EQ(patched(18, 30001), invalidBitmap);

    QByteArray huge = good;
    putLittle32(huge, 18, 100000);
    putLittle32(huge, 22, 100000);
    EXPECT_EQ(readError(huge), invalidBitmap);

    QByteArray shortPalette = bmpFile({3, 1, 8, 0, 40, fourColours, {}}, {0, 1, 2, 0});
    putLittle32(shortPalette, 46, 200);
    EXPECT_EQ(readError(shortPalette), invalidBitmap);

    auto rle8 = [&](const std::vector<std::uint8_t>& data) {
        return readError(bmpFile({4, 2, 8, 1, 40, fourColours, {}}, data));
    };
    EXPECT_EQ(rle8({5, 1, 0, 1}), invalidBitmap);                   // run past the row
    EXPECT_EQ(rle8({0, 5, 1, 1, 1, 1, 1, 0, 0, 1}), invalidBitmap); // absolute run past the row
    EXPECT_EQ(rle8({0, 2, 5, 0, 0, 1}), invalidBitmap);             // delta past the row
    EXPECT_EQ(rle8({0, 0, 0, 0, 1, 1, 0, 1}), invalidBitmap);       // pixels below the last row
    EXPECT_EQ(rle8({0, 3, 1, 2}), invalidBitmap);                   // absolute run cut short
    EXPECT_EQ(rle8({4, 1, 0, 0, 4, 2, 0, 0}), "decoded");           // every row given, no end mark
    EXPECT_EQ(readError(bmpFile({4, -2, 8, 1, 40, fourColours, {}}, {4, 1, 0, 1})), invalidBitmap);
}

TEST_F(PictureFileTest, DamagedFilesNeverCrashTheDecoders) {
    std::mt19937 random(1234);
    const QByteArray rle =
        bmpFile({4, 3, 8, 1, 40, fourColours, {}}, {3, 1, 1, 2, 0, 0, 0, 3, 2, 3, 1, 0, 0, 1});
    const QByteArray jpeg = encodeJpeg(Bitmap(40, 30, 0x336699), 90);
    const QByteArray png = encodePng(photoLike());
    for (const QByteArray& original : {rle, jpeg, png}) {
        for (int round = 0; round < 300; ++round) {
            QByteArray damaged = original;
            for (int i = 0; i < 4; ++i)
                damaged[random() % damaged.size()] = static_cast<char>(random());
            try {
                // Checksums made to match let the damage reach the PNG decoder's inflating.
                const Bitmap bitmap = original.startsWith("BM") ? decodeBmp(damaged)
                                      : isPng(original) ? decodePng(withFreshChecksums(damaged))
                                                        : decodeJpeg(damaged, 0, 0).bitmap;
                EXPECT_FALSE(bitmap.isEmpty());
            } catch (const UserError&) {
            }
        }
    }
}

TEST_F(PictureFileTest, JpegRoundTripKeepsSizeAndColours) {
    const QRgb colours[4] = {0xC81E28, 0x14B45A, 0x2040E0, 0xF0F0A0};
    Bitmap original(32, 32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            original.image().setPixel(x, y, 0xFF000000u | colours[(y / 16) * 2 + x / 16]);
    const QString path = pathOf("round.jpg");
    writeJpegFile(path, original);

    const Bitmap decoded = readPicture(path);
    ASSERT_EQ(decoded.width(), 32);
    ASSERT_EQ(decoded.height(), 32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if (x % 16 >= 3 && x % 16 <= 12 && y % 16 >= 3 &&
                y % 16 <= 12) // away from colour edges
                expectClose(decoded.image().pixel(x, y), colours[(y / 16) * 2 + x / 16], 8);

    // Baseline (SOF0), three components, and quality 100 makes every quantiser step 1.
    const QByteArray bytes = load(path);
    const qsizetype frame = bytes.indexOf("\xFF\xC0");
    ASSERT_GT(frame, 0);
    EXPECT_EQ(bytes.indexOf("\xFF\xC2"), -1);
    EXPECT_EQ(bytes[frame + 9], 3);
    const qsizetype table = bytes.indexOf("\xFF\xDB");
    ASSERT_GT(table, 0);
    for (int i = 0; i < 64; ++i)
        EXPECT_EQ(bytes[table + 5 + i], 1);
}

TEST_F(PictureFileTest, GreyAndInkJpegsDecodeToColour) {
    const QByteArray grey =
        libjpegFile(16, 8, JCS_GRAYSCALE, 1, false,
                    [](int x, int, std::uint8_t* s) { s[0] = static_cast<std::uint8_t>(x * 16); });
    const Bitmap greyBitmap = readPicture(save(grey, "grey.jpg"));
    ASSERT_EQ(greyBitmap.width(), 16);
    for (int x = 0; x < 16; ++x)
        expectClose(greyBitmap.image().pixel(x, 4), qRgb(x * 16, x * 16, x * 16), 4);

    // Pure red is cyan-free, full magenta and yellow, no black. Adobe files store inks inverted.
    for (bool adobe : {true, false}) {
        const QByteArray inks =
            libjpegFile(16, 16, JCS_CMYK, 4, adobe, [adobe](int, int, std::uint8_t* s) {
                const std::uint8_t red[4] = {0, 255, 255, 0};
                for (int i = 0; i < 4; ++i)
                    s[i] = adobe ? 255 - red[i] : red[i];
            });
        const Bitmap inkBitmap = readPicture(save(inks, "inks.jpg"));
        expectClose(inkBitmap.image().pixel(8, 8), 0xFF0000, 4);
    }
}

TEST_F(PictureFileTest, ReducedJpegsKeepAtLeastTheSizeAsked) {
    const QString path = pathOf("big.jpg");
    writeJpegFile(path, Bitmap(801, 601, 0x808080));
    auto expectSizes = [&](int minWidth, int minHeight, int width, int height) {
        const DecodedPicture picture = readPictureReduced(path, minWidth, minHeight);
        EXPECT_EQ(picture.bitmap.width(), width);
        EXPECT_EQ(picture.bitmap.height(), height);
        EXPECT_EQ(picture.fullWidth, 801);
        EXPECT_EQ(picture.fullHeight, 601);
    };
    expectSizes(100, 75, 101, 76); // 1/8, rounded up
    expectSizes(150, 100, 201, 151);
    expectSizes(350, 350, 801, 601); // a half would be 401 x 301
    expectSizes(2000, 10, 801, 601);

    const QString bitmapPath =
        save(bmpFile({2, 2, 24, 0, 40, {}, {}}, std::vector<std::uint8_t>(16, 0)));
    const QString pngPath = save(encodePng(Bitmap(3, 2)), "picture.png");
    for (const QString& wholePath : {bitmapPath, pngPath}) {
        const DecodedPicture whole = readPictureReduced(wholePath, 1, 1);
        const QSize size = wholePath == pngPath ? QSize(3, 2) : QSize(2, 2);
        EXPECT_EQ(whole.bitmap.image().size(), size);
        EXPECT_EQ(QSize(whole.fullWidth, whole.fullHeight), size);
    }
}

// A little-endian Exif block whose first directory holds only the orientation tag.
QByteArray exifBlock(int orientation) {
    QByteArray block("Exif\0\0II*\0\x08\0\0\0\x01\0\x12\x01\x03\0\x01\0\0\0_\0\0\0\0\0\0\0", 32);
    block[24] = static_cast<char>(orientation);
    return block;
}

// The JPEG gets it as an APP1 segment after its start; the PNG as an eXIf chunk (no "Exif\0\0")
// after the picture data.
QByteArray withExif(const QByteArray& file, const QByteArray& block) {
    if (isPng(file)) {
        QByteArray chunk = QByteArray(4, '\0') + "eXIf" + block.mid(6) + "CRC!";
        put16(chunk, 2, static_cast<int>(block.size() - 6));
        return withFreshChecksums(file.chopped(12) + chunk + file.right(12));
    }
    QByteArray segment("\xFF\xE1\0\0", 4);
    put16(segment, 2, static_cast<int>(block.size() + 2));
    return file.left(2) + segment + block + file.mid(2);
}

TEST_F(PictureFileTest, PicturesAreReadUprightForEveryOrientation) {
    // Upright, the picture is 72 x 68 (rows and columns beyond whole strips and tiles) with a red
    // mark in its top-left corner; stored, the mark is where the orientation takes it. A damaged
    // block leaves the picture as stored.
    const struct {
        QByteArray exif;
        bool sideways;
        int markRight, markBottom; // the stored corner of the mark
    } cases[] = {{exifBlock(1), false, 0, 0},
                 {exifBlock(2), false, 1, 0},
                 {exifBlock(3), false, 1, 1},
                 {exifBlock(4), false, 0, 1},
                 {exifBlock(5), true, 0, 0},
                 {exifBlock(6), true, 0, 1},
                 {exifBlock(7), true, 1, 1},
                 {exifBlock(8), true, 1, 0},
                 {exifBlock(9), false, 0, 0},
                 {exifBlock(6).left(20), false, 0, 0},
                 {exifBlock(6).replace(10, 4, "\xF0\xFF\xFF\xFF"), false, 0, 0},
                 {QByteArray("Exif\0\0MM\0*", 10) + QByteArray(40, '\xFF'), false, 0, 0}};
    for (const auto& c : cases) {
        const int width = c.sideways ? 68 : 72, height = c.sideways ? 72 : 68;
        Bitmap stored(width, height);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                stored.setPixel(c.markRight ? width - 1 - x : x, c.markBottom ? height - 1 - y : y,
                                makeColour(255, 0, 0));
        // A TIFF carries the orientation in its own tag.
        int tag = 0;
        for (int orientation = 1; orientation <= 8; ++orientation)
            tag = c.exif == exifBlock(orientation) ? orientation : tag;
        const QByteArray tiff =
            tag ? libtiffFile({.width = width, .height = height, .orientation = tag},
                              [&](int x, int y, std::uint16_t* s) {
                                  const Colour colour = stored.pixel(x, y);
                                  s[0] = redOf(colour), s[1] = greenOf(colour),
                                  s[2] = blueOf(colour);
                              })
                : QByteArray();
        for (const QByteArray& file : {withExif(encodeJpeg(stored, 100), c.exif),
                                       withExif(encodePng(stored), c.exif), tiff}) {
            if (file.isEmpty())
                continue;
            SCOPED_TRACE(c.exif.toHex().toStdString() + " " + file.left(4).toHex().toStdString());
            const DecodedPicture read = readPictureReduced(save(file, "photo"), INT_MAX, INT_MAX);
            ASSERT_EQ(read.bitmap.image().size(), QSize(72, 68));
            EXPECT_EQ(QSize(read.fullWidth, read.fullHeight), QSize(72, 68));
            for (const QPoint corner : {QPoint(3, 3), QPoint(68, 3), QPoint(3, 64), QPoint(68, 64)})
                expectClose(read.bitmap.image().pixel(corner),
                            corner == QPoint(3, 3) ? 0xFF0000 : 0xFFFFFF, 8);
        }
    }
    // A reduced read keeps at least the size asked of the picture upright.
    const QString sideways =
        save(withExif(encodeJpeg(Bitmap(16, 32), 100), exifBlock(6)), "sideways.jpg");
    EXPECT_EQ(readPictureReduced(sideways, 16, 4).bitmap.image().size(), QSize(16, 8));
    EXPECT_EQ(readPictureReduced(sideways, 4, 16).bitmap.image().size(), QSize(32, 16));
}

TEST_F(PictureFileTest, DamagedAndOversizedJpegsGiveTheDecoderError) {
    const QByteArray good = encodeJpeg(photoLike(), 90);
    ASSERT_EQ(readError(good, "good.jpg"), "decoded");
    // libjpeg would fill in what is missing with grey; the user is told instead.
    const QString cutShort = jpegError(JWRN_JPEG_EOF, "Premature end of JPEG file");
    EXPECT_EQ(readError(good.left(good.size() * 3 / 10), "cut.jpg"), cutShort);
    const QByteArray progressive = libjpegFile(600, 400, JCS_RGB, 3, false, photoSamples, true);
    ASSERT_EQ(readError(progressive, "progressive.jpg"), "decoded");
    EXPECT_EQ(readError(progressive.left(progressive.size() * 6 / 10), "cut.jpg"), cutShort);
    // Without its end marker a single scan is still whole; scans after it may have been lost.
    EXPECT_EQ(readError(good.chopped(2), "no-end.jpg"), "decoded");
    EXPECT_EQ(readError(progressive.chopped(2), "no-end.jpg"), cutShort);

    // Noise over the middle of the picture data, led by 0xFF. Noise bytes are never 0 nor 0xFF,
    // so that 0xFF starts a marker where the data should go on and libjpeg is bound to notice.
    QByteArray damaged = good;
    std::mt19937 random(7);
    const qsizetype middle = good.size() / 2;
    for (int i = 0; i < 16; ++i)
        damaged[middle + i] = static_cast<char>(random() % 254 + 1);
    damaged[middle] = '\xFF';
    EXPECT_EQ(readError(damaged, "damaged.jpg"),
              jpegError(JWRN_HIT_MARKER, "Corrupt JPEG data: premature end of data segment"));

    // Stray bytes between markers are skipped and the picture is whole.
    QByteArray stray = good;
    stray.insert(good.indexOf("\xFF\xDA"), "junk");
    const Bitmap strayPicture = readPicture(save(stray, "stray.jpg"));
    EXPECT_EQ(strayPicture.width(), 600);
    EXPECT_EQ(strayPicture.height(), 400);

    EXPECT_TRUE(isJpegError(readError(good.left(20), "head.jpg")));
    EXPECT_TRUE(
        isJpegError(readError(QByteArray("\xFF\xD8\xFF") + QByteArray(200, 'x'), "junk.jpg")));

    const qsizetype frame = good.indexOf("\xFF\xC0");
    auto withSize = [&](int width, int height) {
        QByteArray copy = good;
        put16(copy, static_cast<int>(frame) + 5, height);
        put16(copy, static_cast<int>(frame) + 7, width);
        return readError(copy, "size.jpg");
    };
    const QString tooBig =
        jpegError(JERR_IMAGE_TOO_BIG, "Maximum supported image dimension is " +
                                          QString::number(largestPictureSide) + " pixels");
    EXPECT_EQ(withSize(40000, 40000), tooBig);
    EXPECT_EQ(withSize(20000, 20000), tooBig); // 400 megapixels
    EXPECT_EQ(withSize(64, 0), jpegError(JERR_EMPTY_IMAGE, "Empty JPEG image (DNL not supported)"));
}

TEST_F(PictureFileTest, ContentDecidesTheKindAndOnlyTheNameBreaksTies) {
    const QByteArray bitmap = bmpFile({1, 1, 24, 0, 40, {}, {}}, {1, 2, 3, 0});
    const QByteArray jpeg = encodeJpeg(Bitmap(8, 8), 100);
    EXPECT_EQ(readPicture(save(bitmap, "x.JPG")).image().pixel(0, 0), 0xFF030201u);
    EXPECT_EQ(readPicture(save(jpeg, "x.bmp")).width(), 8);
    EXPECT_EQ(readPicture(save(bitmap, "pics.jpegs/a.bmp")).width(), 1);
    const QByteArray png = encodePng(Bitmap(3, 2, colours::aqua));
    EXPECT_EQ(readPicture(save(png, "x.jpg")).pixel(2, 1), colours::aqua);
    EXPECT_EQ(readPicture(save(png, "x.bmp")).width(), 3);
    EXPECT_EQ(readError(png.left(20), "cut.jpg"), "PNG image is not valid");

    const QByteArray noise("Xq9\x01\x7f random bytes, neither kind");
    EXPECT_EQ(readError(noise, "a.jpg"),
              jpegError(JERR_NO_SOI, "Not a JPEG file: starts with 0x58 0x71"));
    EXPECT_EQ(readError(noise, "a.bmp"), invalidBitmap);
    EXPECT_EQ(readError(noise, "a.png"), invalidBitmap);
    EXPECT_EQ(readError(noise, "pics.jpegs/a.bmp"), invalidBitmap); // folders do not count
    EXPECT_EQ(readError(QByteArray(), "empty.bmp"), invalidBitmap);
}

TEST_F(PictureFileTest, UnreadableFilesGiveTheOpenMessage) {
    const QString missing = pathOf("missing.bmp");
    auto messageOf = [](const QString& path) {
        try {
            readPicture(path);
        } catch (const UserError& error) {
            return error.message();
        }
        return QString("decoded");
    };
    EXPECT_EQ(messageOf(missing), "Cannot open file \"" + missing + "\". " + std::strerror(ENOENT));
    EXPECT_EQ(messageOf(folder.path()),
              "Cannot open file \"" + folder.path() + "\". " + std::strerror(EISDIR));
}

TEST_F(PictureFileTest, BitmapFilesWriteBottomUpIn24And8Bits) {
    Bitmap colour(5, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            colour.setPixel(x, y, makeColour(x * 50, y * 100, 255 - x * 40));
    const QString colourPath = pathOf("colour.bmp");
    writeBitmapFile(colourPath, colour);
    const QByteArray bytes = load(colourPath);
    ASSERT_EQ(bytes.size(), 54 + 16 * 3); // 15 bytes a row padded to 16
    EXPECT_EQ(bytes[28], 24);
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[54]), 255); // bottom-left pixel, blue first
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[55]), 200);
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[56]), 0);
    const QImage byQt(colourPath, "BMP");
    const Bitmap byUs = readPicture(colourPath);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) {
            EXPECT_EQ(byQt.pixel(x, y), colour.image().pixel(x, y));
            EXPECT_EQ(byUs.pixel(x, y), colour.pixel(x, y));
        }

    Bitmap indexed = Bitmap::indexed(3, 2, {colours::red, colours::green, colours::aqua});
    indexed.setPixelIndex(0, 0, 2);
    indexed.setPixelIndex(2, 1, 1);
    const QString indexedPath = pathOf("indexed.bmp");
    writeBitmapFile(indexedPath, indexed);
    const QByteArray indexedBytes = load(indexedPath);
    ASSERT_EQ(indexedBytes.size(), 54 + 1024 + 4 * 2);
    EXPECT_EQ(indexedBytes[28], 8);
    const QImage indexedByQt(indexedPath, "BMP");
    ASSERT_EQ(indexedByQt.format(), QImage::Format_Indexed8);
    EXPECT_EQ(indexedByQt.pixelIndex(0, 0), 2);
    EXPECT_EQ(indexedByQt.pixelIndex(2, 1), 1);
    const Bitmap indexedByUs = readPicture(indexedPath);
    EXPECT_EQ(indexedByUs.pixel(0, 0), colours::aqua);
    EXPECT_EQ(indexedByUs.pixel(2, 1), colours::green);
    EXPECT_EQ(indexedByUs.pixel(1, 1), colours::red);
}

TEST_F(PictureFileTest, WritingWhereNoFileCanBeMadeThrows) {
    const QString nowhere = pathOf("no/such/folder/out.");
    const QString reason = std::strerror(ENOENT);
    const std::pair<QString, std::function<void(const QString&, const Bitmap&)>> writers[] = {
        {"bmp", [](const QString& path, const Bitmap& bitmap) { writeBitmapFile(path, bitmap); }},
        {"jpg", [](const QString& path, const Bitmap& bitmap) { writeJpegFile(path, bitmap); }},
        {"png", [](const QString& path, const Bitmap& bitmap) { writePngFile(path, bitmap); }},
    };
    for (const auto& [suffix, write] : writers) {
        try {
            write(nowhere + suffix, Bitmap(2, 2));
            ADD_FAILURE() << "no error for " << suffix.toStdString();
        } catch (const UserError& error) {
            EXPECT_EQ(error.message(),
                      "Cannot create file \"" + nowhere + suffix + "\". " + reason);
        }
        const QString empty = pathOf("empty." + suffix);
        EXPECT_THROW(write(empty, Bitmap()), UserError);
        EXPECT_FALSE(QFileInfo::exists(empty));
    }
}

namespace {

// Lowers the process's file size limit while it lives, so that a write past it fails part-way
// with EFBIG even for root; the signal such a write raises is ignored meanwhile.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit lowered = saved_;
        lowered.rlim_cur = bytes;
        savedSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, savedSignal_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit saved_{};
    void (*savedSignal_)(int) = SIG_DFL;
};

// The message a write under a 4096-byte file size limit gives, or "written".
QString messageOfLimitedWrite(const std::function<void()>& write) {
    const FileSizeLimit limit(4096);
    try {
        write();
    } catch (const UserError& error) {
        return error.message();
    }
    return "written";
}

} // namespace

TEST_F(PictureFileTest, AFailedWriteLeavesTheOldFileWholeAndNothingElse) {
    const QString path = pathOf("sheet.bmp");
    writeBitmapFile(path, Bitmap(4, 4, colours::red));
    const QByteArray before = load(path);
    const Bitmap large(200, 200, colours::green); // 120 kB as a bitmap file
    const QString tooLarge = "Cannot create file \"" + path + "\". " + std::strerror(EFBIG);

    EXPECT_EQ(messageOfLimitedWrite([&] { writeBitmapFile(path, large); }), tooLarge);
    EXPECT_EQ(messageOfLimitedWrite([&] { writeJpegFile(path, photoLike()); }), tooLarge);
    EXPECT_EQ(messageOfLimitedWrite([&] { writePngFile(path, photoLike()); }), tooLarge);
    EXPECT_EQ(load(path), before);
    const QString fresh = pathOf("fresh.jpg");
    EXPECT_NE(messageOfLimitedWrite([&] { writeJpegFile(fresh, photoLike()); }), "written");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"sheet.bmp"});

    // Without the limit the same write replaces the file.
    writeBitmapFile(path, large);
    EXPECT_EQ(readPicture(path).pixel(199, 199), colours::green);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"sheet.bmp"});
}

TEST_F(PictureFileTest, AReplacedFileKeepsItsPermissionsAndLinks) {
    const QString path = pathOf("kept.jpg");
    writeJpegFile(path, Bitmap(4, 4));
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0640), 0);
    writeJpegFile(path, Bitmap(8, 8));
    EXPECT_EQ(readPicture(path).width(), 8);
    struct stat status {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u);

    const QString link = pathOf("link.jpg");
    ASSERT_TRUE(QFile::link(path, link));
    writeJpegFile(link, Bitmap(16, 16));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readPicture(path).width(), 16);

    // A folder in the way is not replaced.
    const QString inTheWay = pathOf("folder.bmp");
    ASSERT_TRUE(QDir().mkdir(inTheWay));
    EXPECT_THROW(writeBitmapFile(inTheWay, Bitmap(2, 2)), UserError);
    EXPECT_TRUE(QFileInfo(inTheWay).isDir());
}
