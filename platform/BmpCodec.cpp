#include "platform/BmpCodec.h"

#include "platform/PictureLimits.h"
#include "platform/UserError.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <limits>
#include <new>
#include <vector>

namespace {

enum Compression : std::uint32_t {
    uncompressed = 0,
    runLength8 = 1,
    runLength4 = 2,
    bitFields = 3,
    alphaBitFields = 6,
};

constexpr int fileHeaderSize = 14;
constexpr int coreHeaderSize = 12;
constexpr int infoHeaderSize = 40;

[[noreturn]] void refuse() {
    throw UserError(QStringLiteral("Bitmap image is not valid"));
}

// Every read of the file goes through here, so a lying header can never reach past its end.
class ByteReader {
  public:
    explicit ByteReader(const QByteArray& data)
        : bytes_(reinterpret_cast<const std::uint8_t*>(data.constData())), size_(data.size()) {}

    qint64 size() const { return size_; }
    std::uint8_t byte(qint64 offset) const { return *span(offset, 1); }
    std::uint32_t u16(qint64 offset) const {
        const std::uint8_t* p = span(offset, 2);
        return p[0] | (p[1] << 8);
    }
    std::uint32_t u32(qint64 offset) const {
        const std::uint8_t* p = span(offset, 4);
        return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
    }
    const std::uint8_t* span(qint64 offset, qint64 length) const {
        if (offset < 0 || length < 0 || offset > size_ || length > size_ - offset)
            refuse();
        return bytes_ + offset;
    }

  private:
    const std::uint8_t* bytes_;
    qint64 size_;
};

// One colour channel of a 16- or 32-bit pixel, scaled up to 8 bits.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint64_t largest = 0;

    explicit Channel(std::uint32_t bits = 0) : mask(bits) {
        if (mask == 0)
            return;
        shift = std::countr_zero(mask);
        largest = mask >> shift;
    }
    int of(std::uint32_t pixel) const {
        if (largest == 0)
            return 0;
        return static_cast<int>(((pixel & mask) >> shift) * 255 / largest);
    }
};

struct Header {
    int width = 0;
    int height = 0;
    bool bottomUp = true;
    int bitCount = 0;
    std::uint32_t compression = uncompressed;
    qint64 pixelOffset = 0;
    std::array<Channel, 3> channels; // red, green, blue
    std::array<QRgb, 256> palette{}; // entries the file does not give stay black
};

bool validCombination(int bitCount, std::uint32_t compression) {
    switch (compression) {
    case uncompressed:
        return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 ||
               bitCount == 24 || bitCount == 32;
    case runLength8:
        return bitCount == 8;
    case runLength4:
        return bitCount == 4;
    case bitFields:
    case alphaBitFields:
        return bitCount == 16 || bitCount == 32;
    default:
        return false;
    }
}

void readChannels(const ByteReader& file, Header& header) {
    if (header.compression == bitFields || header.compression == alphaBitFields) {
        // Same place for the 40-byte header (masks follow it) and the larger ones (masks inside).
        const qint64 at = fileHeaderSize + infoHeaderSize;
        header.channels = {Channel(file.u32(at)), Channel(file.u32(at + 4)),
                           Channel(file.u32(at + 8))};
    } else if (header.bitCount == 16) {
        header.channels = {Channel(0x7C00), Channel(0x03E0), Channel(0x001F)};
    } else {
        header.channels = {Channel(0xFF0000), Channel(0xFF00), Channel(0xFF)};
    }
}

void readPalette(const ByteReader& file, qint64 start, qint64 entrySize, qint64 declaredColours,
                 Header& header) {
    if (header.bitCount > 8)
        return;
    const qint64 allColours = qint64(1) << header.bitCount;
    const qint64 colours =
        declaredColours == 0 ? allColours : std::min(declaredColours, allColours);
    if (start + colours * entrySize > header.pixelOffset)
        refuse();
    const std::uint8_t* entries = file.span(start, colours * entrySize);
    for (qint64 i = 0; i < colours; ++i) {
        const std::uint8_t* entry = entries + i * entrySize;
        header.palette[i] = qRgb(entry[2], entry[1], entry[0]);
    }
}

Header readHeader(const ByteReader& file) {
    if (file.size() < fileHeaderSize + coreHeaderSize || file.byte(0) != 'B' || file.byte(1) != 'M')
        refuse();
    Header header;
    header.pixelOffset = file.u32(10);
    const qint64 headerSize = file.u32(14);
    qint64 width = 0;
    qint64 height = 0;
    qint64 declaredColours = 0;
    qint64 paletteStart = fileHeaderSize + headerSize;
    qint64 paletteEntrySize = 4;
    if (headerSize == coreHeaderSize) {
        width = file.u16(18);
        height = file.u16(20);
        header.bitCount = static_cast<int>(file.u16(24));
        paletteEntrySize = 3;
    } else if (headerSize == infoHeaderSize || headerSize == 52 || headerSize == 56 ||
               headerSize == 108 || headerSize == 124) {
        width = static_cast<std::int32_t>(file.u32(18));
        height = static_cast<std::int32_t>(file.u32(22));
        header.bitCount = static_cast<int>(file.u16(28));
        header.compression = file.u32(30);
        declaredColours = file.u32(46);
        if (headerSize == infoHeaderSize && header.compression == bitFields)
            paletteStart += 12;
        if (headerSize == infoHeaderSize && header.compression == alphaBitFields)
            paletteStart += 16;
    } else {
        refuse();
    }
    header.bottomUp = height > 0;
    height = height < 0 ? -height : height;
    const bool compressed = header.compression == runLength8 || header.compression == runLength4;
    if (!validCombination(header.bitCount, header.compression) || !isDecodableSize(width, height) ||
        (compressed && !header.bottomUp) || header.pixelOffset < paletteStart ||
        header.pixelOffset >= file.size())
        refuse();
    header.width = static_cast<int>(width);
    header.height = static_cast<int>(height);
    readChannels(file, header);
    readPalette(file, paletteStart, paletteEntrySize, declaredColours, header);
    return header;
}

QImage blankImage(const Header& header) {
    QImage image(header.width, header.height, QImage::Format_RGB32);
    if (image.isNull())
        throw std::bad_alloc();
    return image;
}

QRgb* targetRow(QImage& image, const Header& header, int fileRow) {
    const int y = header.bottomUp ? header.height - 1 - fileRow : fileRow;
    return reinterpret_cast<QRgb*>(image.scanLine(y));
}

int paletteIndex(const std::uint8_t* row, int x, int bitCount) {
    switch (bitCount) {
    case 1:
        return (row[x >> 3] >> (7 - (x & 7))) & 1;
    case 4:
        return (x & 1) ? row[x >> 1] & 0x0F : row[x >> 1] >> 4;
    default:
        return row[x];
    }
}

void decodeRow(const std::uint8_t* row, const Header& header, QRgb* target) {
    const auto& [red, green, blue] = header.channels;
    for (int x = 0; x < header.width; ++x) {
        switch (header.bitCount) {
        case 24:
            target[x] = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
            break;
        case 16: {
            const std::uint32_t pixel = row[2 * x] | (row[2 * x + 1] << 8);
            target[x] = qRgb(red.of(pixel), green.of(pixel), blue.of(pixel));
            break;
        }
        case 32: {
            const std::uint8_t* p = row + 4 * x;
            const std::uint32_t pixel =
                p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
            target[x] = qRgb(red.of(pixel), green.of(pixel), blue.of(pixel));
            break;
        }
        default:
            target[x] = header.palette[paletteIndex(row, x, header.bitCount)];
        }
    }
}

QImage decodeUncompressed(const ByteReader& file, const Header& header) {
    const qint64 stride = (qint64(header.width) * header.bitCount + 31) / 32 * 4;
    // The last row's padding is often missing; the pixels themselves must all be there.
    const qint64 lastRowBytes = (qint64(header.width) * header.bitCount + 7) / 8;
    const std::uint8_t* pixels =
        file.span(header.pixelOffset, stride * (header.height - 1) + lastRowBytes);
    QImage image = blankImage(header);
    for (int row = 0; row < header.height; ++row)
        decodeRow(pixels + row * stride, header, targetRow(image, header, row));
    return image;
}

// Expands RLE4/RLE8 data into one palette index per pixel, rows in file order (bottom row first).
// Pixels the data skips keep index 0.
class RunLengthDecoder {
  public:
    RunLengthDecoder(const ByteReader& file, const Header& header)
        : file_(file), width_(header.width), height_(header.height),
          fourBit_(header.compression == runLength4), position_(header.pixelOffset),
          indices_(static_cast<std::size_t>(header.width) * header.height, 0) {}

    std::vector<std::uint8_t> decode() {
        for (;;) {
            // Data that stops without its end-of-bitmap mark is accepted once every row is done.
            if (position_ >= file_.size() && y_ >= height_)
                break;
            const int count = next();
            const int value = next();
            if (count > 0)
                encodedRun(count, value);
            else if (value == 0)
                endOfLine();
            else if (value == 1)
                break;
            else if (value == 2)
                delta();
            else
                absoluteRun(value);
        }
        return std::move(indices_);
    }

  private:
    int next() { return file_.byte(position_++); }

    void put(int index) {
        if (x_ >= width_ || y_ >= height_)
            refuse();
        indices_[static_cast<std::size_t>(y_) * width_ + x_] = static_cast<std::uint8_t>(index);
        ++x_;
    }

    // In RLE4 a byte holds two pixels, the high nibble first.
    int pixelOf(int byte, int i) const {
        if (!fourBit_)
            return byte;
        return (i & 1) ? byte & 0x0F : byte >> 4;
    }

    void encodedRun(int count, int value) {
        for (int i = 0; i < count; ++i)
            put(pixelOf(value, i));
    }

    void endOfLine() {
        x_ = 0;
        ++y_;
    }

    void delta() {
        x_ += next();
        y_ += next();
        if (x_ > width_ || y_ > height_)
            refuse();
    }

    // Absolute runs are padded to a 16-bit boundary.
    void absoluteRun(int count) {
        const qint64 bytes = fourBit_ ? (count + 1) / 2 : count;
        const std::uint8_t* data = file_.span(position_, bytes);
        for (int i = 0; i < count; ++i)
            put(pixelOf(data[fourBit_ ? i / 2 : i], i));
        position_ += bytes + (bytes & 1);
    }

    const ByteReader& file_;
    int width_;
    int height_;
    bool fourBit_;
    qint64 position_;
    int x_ = 0;
    int y_ = 0;
    std::vector<std::uint8_t> indices_;
};

// A run-length file a few bytes long can claim a picture of hundreds of megapixels, left for the
// decoder to fill in; real files need about a byte for every few hundred pixels even when plain.
// Beyond this many pixels a byte the claim is refused before anything is allocated.
constexpr qint64 mostPixelsPerRunLengthByte = 4096;

QImage decodeRunLength(const ByteReader& file, const Header& header) {
    if (qint64{header.width} * header.height > mostPixelsPerRunLengthByte * file.size())
        refuse();
    const std::vector<std::uint8_t> indices = RunLengthDecoder(file, header).decode();
    QImage image = blankImage(header);
    for (int row = 0; row < header.height; ++row) {
        const std::uint8_t* source = indices.data() + static_cast<std::size_t>(row) * header.width;
        QRgb* target = targetRow(image, header, row);
        for (int x = 0; x < header.width; ++x)
            target[x] = header.palette[source[x]];
    }
    return image;
}

void putU16(QByteArray& bytes, qint64 at, std::uint32_t value) {
    bytes[at] = static_cast<char>(value & 0xFF);
    bytes[at + 1] = static_cast<char>((value >> 8) & 0xFF);
}

void putU32(QByteArray& bytes, qint64 at, std::uint32_t value) {
    putU16(bytes, at, value & 0xFFFF);
    putU16(bytes, at + 2, value >> 16);
}

void writeHeaders(QByteArray& bytes, const Bitmap& bitmap, int bitCount, qint64 pixelOffset,
                  std::uint32_t pixelsPerMetre) {
    bytes[0] = 'B';
    bytes[1] = 'M';
    putU32(bytes, 2, static_cast<std::uint32_t>(bytes.size()));
    putU32(bytes, 10, static_cast<std::uint32_t>(pixelOffset));
    putU32(bytes, 14, infoHeaderSize);
    putU32(bytes, 18, static_cast<std::uint32_t>(bitmap.width()));
    putU32(bytes, 22, static_cast<std::uint32_t>(bitmap.height()));
    putU16(bytes, 26, 1);
    putU16(bytes, 28, static_cast<std::uint32_t>(bitCount));
    putU32(bytes, 30, uncompressed);
    putU32(bytes, 34, static_cast<std::uint32_t>(bytes.size() - pixelOffset));
    putU32(bytes, 38, pixelsPerMetre);
    putU32(bytes, 42, pixelsPerMetre);
    putU32(bytes, 46, bitCount == 8 ? 256 : 0);
}

void writePalette(QByteArray& bytes, const Bitmap& bitmap) {
    const std::vector<Colour> palette = bitmap.palette();
    for (std::size_t i = 0; i < palette.size() && i < 256; ++i) {
        const qint64 at = fileHeaderSize + infoHeaderSize + 4 * static_cast<qint64>(i);
        bytes[at] = static_cast<char>(blueOf(palette[i]));
        bytes[at + 1] = static_cast<char>(greenOf(palette[i]));
        bytes[at + 2] = static_cast<char>(redOf(palette[i]));
    }
}

void writeRow(char* target, const QImage& image, int y, bool indexed) {
    const uchar* source = image.constScanLine(y);
    if (indexed) {
        std::copy(source, source + image.width(), target);
        return;
    }
    const QRgb* pixels = reinterpret_cast<const QRgb*>(source);
    for (int x = 0; x < image.width(); ++x) {
        target[3 * x] = static_cast<char>(qBlue(pixels[x]));
        target[3 * x + 1] = static_cast<char>(qGreen(pixels[x]));
        target[3 * x + 2] = static_cast<char>(qRed(pixels[x]));
    }
}

} // namespace

Bitmap decodeBmp(const QByteArray& file) {
    const ByteReader reader(file);
    const Header header = readHeader(reader);
    const bool compressed = header.compression == runLength8 || header.compression == runLength4;
    return Bitmap(compressed ? decodeRunLength(reader, header)
                             : decodeUncompressed(reader, header));
}

QByteArray encodeBmp(const Bitmap& bitmap, int pixelsPerInch) {
    if (bitmap.isEmpty())
        return {};
    const bool indexed = bitmap.isIndexed();
    const int bitCount = indexed ? 8 : 24;
    const qint64 stride = (qint64(bitmap.width()) * bitCount + 31) / 32 * 4;
    const qint64 pixelOffset = fileHeaderSize + infoHeaderSize + (indexed ? 1024 : 0);
    const qint64 fileSize = pixelOffset + stride * bitmap.height();
    if (fileSize > std::numeric_limits<std::uint32_t>::max())
        return {};
    QByteArray bytes(fileSize, '\0');
    writeHeaders(bytes, bitmap, bitCount, pixelOffset,
                 static_cast<std::uint32_t>(pixelsPerMetre(pixelsPerInch)));
    if (indexed)
        writePalette(bytes, bitmap);
    char* pixels = bytes.data() + pixelOffset;
    for (int row = 0; row < bitmap.height(); ++row)
        writeRow(pixels + row * stride, bitmap.image(), bitmap.height() - 1 - row, indexed);
    return bytes;
}
