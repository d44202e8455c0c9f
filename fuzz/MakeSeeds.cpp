// Writes the fuzzers' seed files, made by the program's own writers: a few small valid pictures
// and setup files for each reader to start from.
#include "platform/BmpCodec.h"
#include "platform/JpegCodec.h"
#include "setup/SetupRecord.h"
#include "setup/SetupWriter.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <cstdio>

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
} // namespace

int main(int argc, char** argv) {
    const QDir root(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("fuzz/corpus"));
    for (const char* folder : {"bitmap", "jpeg", "setup"})
        root.mkpath(QLatin1String(folder));
    write(root.filePath(QStringLiteral("bitmap/true-colour.bmp")), encodeBmp(pattern(7, 5)));
    std::vector<Colour> greys;
    for (int level = 0; level < 256; ++level)
        greys.push_back(makeColour(level, level, level));
    Bitmap indexed = Bitmap::indexed(6, 3, greys);
    write(root.filePath(QStringLiteral("bitmap/palette.bmp")), encodeBmp(indexed));
    write(root.filePath(QStringLiteral("jpeg/small.jpg")), encodeJpeg(pattern(24, 16), 75));
    write(root.filePath(QStringLiteral("jpeg/scaled.jpg")), encodeJpeg(pattern(160, 96), 50));
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
