#include "platform/PngCodec.h"

#include "platform/Orientation.h"
#include "platform/PictureLimits.h"
#include "platform/UserError.h"

#include <QSysInfo>

#include <cstring>
#include <new>
#include <vector>

#include <png.h>

// libpng reports errors by calling an error function that must not return; ours jumps back to
// the setjmp in png_jmpbuf. Throwing a C++ exception through libpng's C frames is undefined, and
// a jump would skip the destructors of objects in the frames it leaves, so everything a decode or
// encode owns lives in a struct made by the caller, and the functions between the setjmp and
// libpng keep only references and plain values.

namespace {

constexpr char pngSignature[] = "\x89PNG\r\n\x1a\n";

// Deflate packs at most 1032 bytes of picture data into one byte of file.
constexpr unsigned long long largestDeflateRatio = 1032;

// Only the palette and its transparency are read into memory, and both are tiny; every other
// chunk is skipped as it is read. A chunk longer than this is refused all the same, well above
// the colour profiles and camera notes real files carry.
constexpr png_alloc_size_t largestChunk = 64 << 20;

[[noreturn]] void refuse() {
    throw UserError(QStringLiteral("PNG image is not valid"));
}

[[noreturn]] void jumpBack(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}

// Warnings are about chunks we do not use; the picture itself is judged by its errors.
void ignoreWarning(png_structp, png_const_charp) {}

struct Source {
    const png_byte* bytes = nullptr;
    std::size_t size = 0;
    std::size_t offset = 0;
    bool endedEarly = false;
};

void readFromSource(png_structp png, png_bytep target, std::size_t length) {
    Source& source = *static_cast<Source*>(png_get_io_ptr(png));
    if (length > source.size - source.offset) {
        source.endedEarly = true;
        png_error(png, "file ends early");
    }
    std::memcpy(target, source.bytes + source.offset, length);
    source.offset += length;
}

struct Decoding {
    png_structp png = nullptr;
    png_infop info = nullptr;
    Source source;
    QImage image;
    std::vector<png_bytep> rows;
    bool hasAlpha = false;
    bool rowsRead = false;

    explicit Decoding(const QByteArray& file) {
        source.bytes = reinterpret_cast<const png_byte*>(file.constData());
        source.size = static_cast<std::size_t>(file.size());
    }
    ~Decoding() { png_destroy_read_struct(&png, &info, nullptr); }
    Decoding(const Decoding&) = delete;
    Decoding& operator=(const Decoding&) = delete;
};

// A file too small to hold its header's picture even at deflate's best is refused before
// memory is taken for that picture.
bool couldHoldPicture(std::size_t fileSize, png_uint_32 height, std::size_t rowBytes) {
    return fileSize * largestDeflateRatio >= static_cast<unsigned long long>(height) * rowBytes;
}

// Every kind of file comes out as 8-bit samples in the byte order of QImage's 32-bit pixels
// (0xAARRGGBB words); the alpha byte is folded in by layOverWhite afterwards.
void requestRgb32Samples(Decoding& d) {
    const png_byte colourType = png_get_color_type(d.png, d.info);
    d.hasAlpha = (colourType & PNG_COLOR_MASK_ALPHA) || png_get_valid(d.png, d.info, PNG_INFO_tRNS);
    png_set_scale_16(d.png); // the nearest 8-bit value, not just the high byte
    png_set_expand(d.png);   // palette to RGB, grey to 8 bits, tRNS to alpha
    png_set_gray_to_rgb(d.png);
    if (QSysInfo::ByteOrder == QSysInfo::LittleEndian) {
        png_set_bgr(d.png);
        if (!d.hasAlpha)
            png_set_filler(d.png, 0xFF, PNG_FILLER_AFTER);
    } else if (d.hasAlpha) {
        png_set_swap_alpha(d.png);
    } else {
        png_set_filler(d.png, 0xFF, PNG_FILLER_BEFORE);
    }
    png_set_interlace_handling(d.png);
    png_read_update_info(d.png, d.info);
}

// Kept out of decodeSteps so that no QImage lives in a frame libpng may jump over.
QImage blankImage(png_uint_32 width, png_uint_32 height) {
    QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
    if (image.isNull())
        throw std::bad_alloc();
    return image;
}

std::vector<png_bytep> rowPointers(QImage& image) {
    std::vector<png_bytep> rows(static_cast<std::size_t>(image.height()));
    for (int y = 0; y < image.height(); ++y)
        rows[static_cast<std::size_t>(y)] = image.scanLine(y);
    return rows;
}

void decodeSteps(Decoding& d) {
    png_set_read_fn(d.png, &d.source, readFromSource);
    png_set_user_limits(d.png, pictureLimits().side, pictureLimits().side);
    png_set_chunk_malloc_max(d.png, largestChunk);
    // Colour profiles, gamma, text and the like are not used: the samples are taken as they are.
    png_set_keep_unknown_chunks(d.png, PNG_HANDLE_CHUNK_NEVER, nullptr, -1);
    // Except the Exif block, which says which way up the picture stands.
    static const png_byte exifChunk[] = "eXIf";
    png_set_keep_unknown_chunks(d.png, PNG_HANDLE_CHUNK_AS_DEFAULT, exifChunk, 1);
    png_read_info(d.png, d.info);
    const png_uint_32 width = png_get_image_width(d.png, d.info);
    const png_uint_32 height = png_get_image_height(d.png, d.info);
    if (!isDecodableSize(width, height) ||
        !couldHoldPicture(d.source.size, height, png_get_rowbytes(d.png, d.info)))
        png_error(d.png, "picture too large");
    requestRgb32Samples(d);
    d.image = blankImage(width, height);
    d.rows = rowPointers(d.image);
    png_read_image(d.png, d.rows.data());
    d.rowsRead = true;
    // Reads on to the end, so that damage after the last row is noticed too; the eXIf chunk may
    // come after the picture data.
    png_read_end(d.png, d.info);
}

int recordedOrientation(const Decoding& d) {
    png_uint_32 size = 0;
    png_bytep exif = nullptr;
    if (!png_get_eXIf_1(d.png, d.info, &size, &exif) || !exif)
        return 1;
    return exifOrientation(
        QByteArray::fromRawData(reinterpret_cast<const char*>(exif), static_cast<qsizetype>(size)));
}

bool decodeTrapped(Decoding& d) {
    if (setjmp(png_jmpbuf(d.png)))
        return false;
    decodeSteps(d);
    return true;
}

// Transparent pixels look on paper as they do over white.
void layOverWhite(QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        QRgb* pixels = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = qAlpha(pixels[x]);
            pixels[x] = qRgb(overWhite(qRed(pixels[x]), alpha), overWhite(qGreen(pixels[x]), alpha),
                             overWhite(qBlue(pixels[x]), alpha));
        }
    }
}

struct Encoding {
    png_structp png = nullptr;
    png_infop info = nullptr;
    QByteArray output;

    Encoding() = default;
    ~Encoding() { png_destroy_write_struct(&png, &info); }
    Encoding(const Encoding&) = delete;
    Encoding& operator=(const Encoding&) = delete;
};

void writeToOutput(png_structp png, png_bytep data, std::size_t length) {
    QByteArray& output = *static_cast<QByteArray*>(png_get_io_ptr(png));
    bool appended = true;
    try {
        output.append(reinterpret_cast<const char*>(data), static_cast<qsizetype>(length));
    } catch (const std::bad_alloc&) {
        appended = false;
    }
    if (!appended)
        png_error(png, "out of memory");
}

void flushNothing(png_structp) {}

void encodeSteps(Encoding& e, const QImage& image, int pixelsPerInch) {
    png_set_write_fn(e.png, &e.output, writeToOutput, flushNothing);
    png_set_IHDR(e.png, e.info, static_cast<png_uint_32>(image.width()),
                 static_cast<png_uint_32>(image.height()), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    const auto perMetre = static_cast<png_uint_32>(pixelsPerMetre(pixelsPerInch));
    png_set_pHYs(e.png, e.info, perMetre, perMetre, PNG_RESOLUTION_METER);
    png_write_info(e.png, e.info);
    // QImage's 32-bit pixels carry a fourth byte for libpng to drop.
    if (QSysInfo::ByteOrder == QSysInfo::LittleEndian) {
        png_set_bgr(e.png);
        png_set_filler(e.png, 0, PNG_FILLER_AFTER);
    } else {
        png_set_filler(e.png, 0, PNG_FILLER_BEFORE);
    }
    for (int y = 0; y < image.height(); ++y)
        png_write_row(e.png, image.constScanLine(y));
    png_write_end(e.png, nullptr);
}

bool encodeTrapped(Encoding& e, const QImage& image, int pixelsPerInch) {
    if (setjmp(png_jmpbuf(e.png)))
        return false;
    encodeSteps(e, image, pixelsPerInch);
    return true;
}

} // namespace

bool isPng(const QByteArray& file) {
    return file.startsWith(QByteArrayView(pngSignature, sizeof pngSignature - 1));
}

Bitmap decodePng(const QByteArray& file, int* orientation) {
    Decoding d(file);
    d.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, jumpBack, ignoreWarning);
    if (d.png)
        d.info = png_create_info_struct(d.png);
    if (!d.info)
        throw std::bad_alloc();
    // Once every row is in, a file that ends early has lost nothing of the picture.
    if (!decodeTrapped(d) && !(d.rowsRead && d.source.endedEarly))
        refuse();
    if (d.hasAlpha)
        layOverWhite(d.image);
    if (orientation)
        *orientation = recordedOrientation(d);
    return Bitmap(std::move(d.image));
}

QByteArray encodePng(const Bitmap& bitmap, int pixelsPerInch) {
    if (bitmap.isEmpty())
        return {};
    const Bitmap trueColour = bitmap.toTrueColour();
    Encoding e;
    e.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, jumpBack, ignoreWarning);
    if (e.png)
        e.info = png_create_info_struct(e.png);
    if (!e.info || !encodeTrapped(e, trueColour.image(), pixelsPerInch))
        return {};
    return e.output;
}
