// Writes the fuzzers' seed files, made by the program's own writers: a few small valid pictures
// and setup files for each reader to start from.
#include "PictureTestFiles.h"
#include "platform/BmpCodec.h"
#include "platform/JpegCodec.h"
#include "platform/PngCodec.h"
#include "setup/SetupRecord.h"
#include "setup/SetupWriter.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <cstdio>

#include <png.h>

namespace {
Bitmap pattern(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 16 & 0xFF, y * 16 & 0xFF, (x ^ y) * 8 & 0xFF));
    return Bitmap(image);
}

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

// Each sample of a small PNG of the given kind takes its value from where it is.
void writePng(const QDir& root, const char* name, PngLayout layout) {
    const int largest = (1 << layout.bitDepth) - 1;
    const QByteArray file = libpngFile(layout, [largest](int x, int y, std::uint16_t* samples) {
        for (int channel = 0; channel < 4; ++channel)
            samples[channel] =
                static_cast<std::uint16_t>((x * 97 + y * 31 + channel * 71) % (largest + 1));
    });
    write(root.filePath(QStringLiteral("png/") + QLatin1String(name)), file);
}

void writePngSeeds(const QDir& root) {
    write(root.filePath(QStringLiteral("png/rgb.png")), encodePng(pattern(7, 5)));
    std::vector<QRgb> palette;
    for (int entry = 0; entry < 16; ++entry)
        palette.push_back(
            qRgba(entry * 16, 255 - entry * 16, entry * 5, entry < 3 ? entry * 100 : 255));
    writePng(root, "palette-4-transparent.png",
             {6, 5, PNG_COLOR_TYPE_PALETTE, 4, false, palette, {}});
    writePng(root, "grey-16.png", {5, 4, PNG_COLOR_TYPE_GRAY, 16, false, {}, {}});
    writePng(root, "grey-2.png", {9, 3, PNG_COLOR_TYPE_GRAY, 2, false, {}, {}});
    writePng(root, "grey-alpha.png", {4, 4, PNG_COLOR_TYPE_GRAY_ALPHA, 8, false, {}, {}});
    writePng(root, "rgba-16.png", {3, 3, PNG_COLOR_TYPE_RGB_ALPHA, 16, false, {}, {}});
    writePng(root, "rgb-transparent.png", {5, 3, PNG_COLOR_TYPE_RGB, 8, false, {}, {97, 31, 71}});
    writePng(root, "interlaced.png", {9, 9, PNG_COLOR_TYPE_RGB, 8, true, {}, {}});
}
// Small HEIC and AVIF files from libheif's own encoders, with alpha and a rotation among them.
void writeHeifSeeds(const QDir& root) {
    root.mkpath(QStringLiteral("heif"));
    const auto colours = [](int x, int y) { return qRgba(x * 16, y * 16, (x ^ y) * 8, x * 20); };
    write(root.filePath(QStringLiteral("heif/rgb.heic")),
          libheifFile(false, 16, 8, colours, false));
    write(root.filePath(QStringLiteral("heif/alpha-turned.heic")),
          libheifFile(false, 8, 16, colours, true, 6));
    write(root.filePath(QStringLiteral("heif/alpha.avif")),
          libheifFile(true, 16, 8, colours, true));
}
// Lossy and lossless WebPs from libwebp's own encoders, with alpha and an animation among them.
void writeWebpSeeds(const QDir& root) {
    root.mkpath(QStringLiteral("webp"));
    const auto colours = [](int x, int y) { return qRgba(x * 16, y * 16, (x ^ y) * 8, x * 20); };
    write(root.filePath(QStringLiteral("webp/lossy-alpha.webp")),
          libwebpFile(16, 8, colours, false));
    write(root.filePath(QStringLiteral("webp/lossless-alpha.webp")),
          libwebpFile(16, 8, colours, true));
    write(root.filePath(QStringLiteral("webp/animation.webp")),
          libwebpFile(8, 8, colours, true, 3));
}
// TIFFs from libtiff itself: RGB with alpha in strips, 16-bit grey turned, a palette in tiles,
// CMYK over two pages.
void writeTiffSeeds(const QDir& root) {
    root.mkpath(QStringLiteral("tiff"));
    const PngSampleSource samples = [](int x, int y, std::uint16_t* s) {
        for (int i = 0; i < 4; ++i)
            s[i] = static_cast<std::uint16_t>((x * 16 + y * 8 + i * 40) % 256);
    };
    write(root.filePath(QStringLiteral("tiff/rgba.tif")),
          libtiffFile({.width = 9, .height = 7, .samplesPerPixel = 4, .unassociatedAlpha = true},
                      samples));
    write(root.filePath(QStringLiteral("tiff/grey16-turned.tif")),
          libtiffFile({.width = 7,
                       .height = 9,
                       .photometric = 1,
                       .samplesPerPixel = 1,
                       .bitsPerSample = 16,
                       .orientation = 6},
                      samples));
    write(root.filePath(QStringLiteral("tiff/palette-tiled.tif")),
          libtiffFile({.width = 20,
                       .height = 18,
                       .photometric = 3,
                       .samplesPerPixel = 1,
                       .tiled = true,
                       .palette = {qRgb(200, 0, 0), qRgb(0, 0, 200)}},
                      samples));
    write(root.filePath(QStringLiteral("tiff/cmyk-pages.tif")),
          libtiffFile({.width = 6, .height = 5, .photometric = 5, .samplesPerPixel = 4, .pages = 2},
                      samples));
}
// GIFs from giflib itself: plain, interlaced with a transparent colour, an animation off-canvas.
void writeGifSeeds(const QDir& root) {
    root.mkpath(QStringLiteral("gif"));
    const std::vector<QRgb> colours = {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0),
                                       qRgb(0, 0, 255)};
    const auto index = [](int x, int y) { return (x + y) % 4; };
    write(root.filePath(QStringLiteral("gif/plain.gif")),
          giflibFile({.width = 9, .height = 7, .colours = colours}, index));
    write(root.filePath(QStringLiteral("gif/interlaced-transparent.gif")),
          giflibFile(
              {.width = 9, .height = 11, .colours = colours, .transparent = 1, .interlaced = true},
              index));
    write(root.filePath(QStringLiteral("gif/animation.gif")),
          giflibFile(
              {.width = 8, .height = 8, .colours = colours, .frames = 2, .frame = {2, 3, 6, 5}},
              index));
}
} // namespace

int main(int argc, char** argv) {
    const QDir root(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("fuzz/corpus"));
    for (const char* folder : {"bitmap", "jpeg", "png", "setup"})
        root.mkpath(QLatin1String(folder));
    write(root.filePath(QStringLiteral("bitmap/true-colour.bmp")), encodeBmp(pattern(7, 5)));
    std::vector<Colour> greys;
    for (int level = 0; level < 256; ++level)
        greys.push_back(makeColour(level, level, level));
    Bitmap indexed = Bitmap::indexed(6, 3, greys);
    write(root.filePath(QStringLiteral("bitmap/palette.bmp")), encodeBmp(indexed));
    write(root.filePath(QStringLiteral("jpeg/small.jpg")), encodeJpeg(pattern(24, 16), 75));
    write(root.filePath(QStringLiteral("jpeg/scaled.jpg")), encodeJpeg(pattern(160, 96), 50));
    writePngSeeds(root);
    writeHeifSeeds(root);
    writeWebpSeeds(root);
    writeTiffSeeds(root);
    writeGifSeeds(root);
    SheetDefinition definition;
    definition.valueText = QStringLiteral("$5");
    definition.captionText = QStringLiteral("Zoë");
    SlotTable table;
    table[1].FileName = QStringLiteral("/home/ann/pictures/one.jpg");
    const SetupRecord record = setupRecordOf(definition, table, 0, PageOrientation::Landscape);
    write(root.filePath(QStringLiteral("setup/full.agt")), setupFileText(record));
    write(root.filePath(QStringLiteral("setup/base-block.agt")),
          setupFileText(record).split('\n').mid(0, 34).join('\n'));
    return 0;
}
