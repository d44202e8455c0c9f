#include "platform/JpegCodec.h"

#include "platform/Orientation.h"
#include "platform/PictureLimits.h"
#include "platform/UserError.h"

#include <QSysInfo>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <vector>

#include <jpeglib.h>
// jerror.h needs jpeglib.h first.
#include <jerror.h>

// libjpeg reports errors by calling error_exit, which must not return. Throwing a C++ exception
// through libjpeg's C frames is undefined, so error_exit jumps back to a setjmp in a function of
// ours; the functions between that setjmp and libjpeg keep no objects that need destroying.
// Warnings that mean the picture is damaged take the same jump.

namespace {

struct ErrorTrap {
    jpeg_error_mgr manager; // first, so libjpeg's pointer to it is also a pointer to the trap
    std::jmp_buf jump;
    bool dataEnded = false; // the file ended before its end marker
};

[[noreturn]] void jumpToTrap(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorTrap*>(info->err)->jump, 1);
}

// When the picture data runs out or cannot be decoded, libjpeg only warns and goes on with grey
// or garbled blocks. Such a picture would be printed as if it were whole, so it is refused like
// any other broken file. Other warnings, such as stray bytes between markers, leave the picture
// intact. A file that merely ends early is judged once decoding is over (see decodeSteps): the
// picture data may all be there with only the end marker missing.
bool isDamageWarning(int code) {
    switch (code) {
    case JWRN_HIT_MARKER:
    case JWRN_HUFF_BAD_CODE:
    case JWRN_ARITH_BAD_CODE:
    case JWRN_MUST_RESYNC:
    case JWRN_NOT_SEQUENTIAL:
        return true;
    default:
        return false;
    }
}

// Refuses the picture for the file's early end, which is what the user can do something about.
[[noreturn]] void refuseEarlyEnd(j_common_ptr info) {
    info->err->msg_code = JWRN_JPEG_EOF;
    jumpToTrap(info);
}

void refuseDamage(j_common_ptr info, int level) {
    if (level >= 0)
        return;
    ErrorTrap& trap = *reinterpret_cast<ErrorTrap*>(info->err);
    if (info->err->msg_code == JWRN_JPEG_EOF)
        trap.dataEnded = true;
    else if (isDamageWarning(info->err->msg_code))
        trap.dataEnded ? refuseEarlyEnd(info) : jumpToTrap(info);
}

jpeg_error_mgr* installTrap(ErrorTrap& trap) {
    jpeg_std_error(&trap.manager);
    trap.manager.error_exit = jumpToTrap;
    trap.manager.emit_message = refuseDamage;
    return &trap.manager;
}

// The code first, as the user may quote it; then libjpeg's own words for it.
UserError jpegError(j_common_ptr info) {
    char words[JMSG_LENGTH_MAX] = {};
    info->err->format_message(info, words);
    return UserError(QStringLiteral("JPEG error #") + QString::number(info->err->msg_code) +
                     QStringLiteral(": ") + QString::fromLocal8Bit(words));
}

// QImage's RGB32 pixels are 0xffRRGGBB words, so libjpeg can write them directly.
J_COLOR_SPACE rgb32ColourSpace() {
    return QSysInfo::ByteOrder == QSysInfo::LittleEndian ? JCS_EXT_BGRA : JCS_EXT_ARGB;
}

struct Decompression {
    jpeg_decompress_struct info{};
    ErrorTrap trap{};
    bool created = false;
    std::vector<JSAMPLE> inkRow; // CMYK scanline before conversion
    int orientation = 1;         // as the Exif block records it
    int turn = 1;                // the orientation applied while decoding
    std::vector<QRgb> strip;     // the last rows decoded, before they are turned

    Decompression() { info.err = installTrap(trap); }
    ~Decompression() { destroy(); }
    Decompression(const Decompression&) = delete;
    Decompression& operator=(const Decompression&) = delete;

    void destroy() {
        if (created)
            jpeg_destroy_decompress(&info);
        created = false;
    }
};

bool isInkColourSpace(J_COLOR_SPACE space) {
    return space == JCS_CMYK || space == JCS_YCCK;
}

// The smallest DCT scale that still covers the size asked for.
void chooseScale(jpeg_decompress_struct& info, int minWidth, int minHeight) {
    for (unsigned denominator : {8u, 4u, 2u}) {
        info.scale_num = 1;
        info.scale_denom = denominator;
        jpeg_calc_output_dimensions(&info);
        if (static_cast<long long>(info.output_width) >= minWidth &&
            static_cast<long long>(info.output_height) >= minHeight)
            return;
    }
    info.scale_denom = 1;
}

// Adobe's CMYK JPEGs store the inks inverted (255 means no ink); others store them plainly.
void inkToRgb(const JSAMPLE* inks, QRgb* target, int width, bool inverted) {
    for (int x = 0; x < width; ++x) {
        int cyan = inks[4 * x], magenta = inks[4 * x + 1], yellow = inks[4 * x + 2],
            black = inks[4 * x + 3];
        if (!inverted) {
            cyan = 255 - cyan;
            magenta = 255 - magenta;
            yellow = 255 - yellow;
            black = 255 - black;
        }
        target[x] = qRgb(cyan * black / 255, magenta * black / 255, yellow * black / 255);
    }
}

// Kept out of decodeSteps so that no QImage lives in a frame libjpeg may jump over.
QImage blankImage(JDIMENSION width, JDIMENSION height) {
    QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
    if (image.isNull())
        throw std::bad_alloc();
    return image;
}

// Rows to be turned are decoded a strip at a time, so that each row of the turned picture gets
// a run of pixels at once rather than one, and its memory page is visited once a strip.
constexpr int stripRows = 64;

void readScanlines(Decompression& d, QImage& image) {
    const bool inks = d.info.out_color_space == JCS_CMYK;
    const bool turning = d.turn != 1;
    const int width = static_cast<int>(d.info.output_width);
    const int height = static_cast<int>(d.info.output_height);
    if (inks)
        d.inkRow.resize(static_cast<std::size_t>(width) * 4);
    if (turning) {
        d.strip.resize(static_cast<std::size_t>(width) * stripRows);
        // Every strip reaches into every page of a turned picture; the system hands out fresh
        // pages faster in order, so they are all taken first.
        image.fill(0);
    }
    while (d.info.output_scanline < d.info.output_height) {
        const int y = static_cast<int>(d.info.output_scanline);
        QRgb* pixels = turning ? d.strip.data() + std::ptrdiff_t(y % stripRows) * width
                               : reinterpret_cast<QRgb*>(image.scanLine(y));
        JSAMPROW row = inks ? d.inkRow.data() : reinterpret_cast<JSAMPROW>(pixels);
        if (jpeg_read_scanlines(&d.info, &row, 1) != 1)
            break;
        if (inks)
            inkToRgb(row, pixels, width, d.info.saw_Adobe_marker);
        if (turning && (y % stripRows == stripRows - 1 || y == height - 1))
            placeRows(d.strip.data(), width, width, height, y - y % stripRows, y % stripRows + 1,
                      image, d.turn);
    }
}

// Read before decoding ends: finishing frees the saved markers.
int recordedOrientation(const jpeg_decompress_struct& info) {
    for (const jpeg_marker_struct* marker = info.marker_list; marker; marker = marker->next) {
        const QByteArray segment =
            QByteArray::fromRawData(reinterpret_cast<const char*>(marker->data),
                                    static_cast<qsizetype>(marker->data_length));
        if (marker->marker == JPEG_APP0 + 1 && segment.startsWith(QByteArrayView("Exif\0\0", 6)))
            return exifOrientation(segment);
    }
    return 1;
}

void decodeSteps(Decompression& d, const QByteArray& file, int minWidth, int minHeight,
                 bool upright, DecodedPicture& result) {
    jpeg_create_decompress(&d.info);
    d.created = true;
    jpeg_mem_src(&d.info, reinterpret_cast<const unsigned char*>(file.constData()),
                 static_cast<unsigned long>(file.size()));
    // Only the Exif block is kept, for the orientation; other APP1 segments (XMP) share its marker.
    jpeg_save_markers(&d.info, JPEG_APP0 + 1, 0xFFFF);
    jpeg_read_header(&d.info, TRUE);
    if (!isDecodableSize(d.info.image_width, d.info.image_height))
        ERREXIT1(&d.info, JERR_IMAGE_TOO_BIG, static_cast<int>(pictureLimits().side));
    d.orientation = recordedOrientation(d.info);
    d.turn = upright ? d.orientation : 1;
    const bool swapped = swapsSides(d.turn);
    result.fullWidth = static_cast<int>(swapped ? d.info.image_height : d.info.image_width);
    result.fullHeight = static_cast<int>(swapped ? d.info.image_width : d.info.image_height);
    d.info.out_color_space =
        isInkColourSpace(d.info.jpeg_color_space) ? JCS_CMYK : rgb32ColourSpace();
    // The size asked for is of the picture upright; a sideways photo is stored the other way.
    if (swapped)
        chooseScale(d.info, minHeight, minWidth);
    else
        chooseScale(d.info, minWidth, minHeight);
    jpeg_start_decompress(&d.info);
    result.bitmap = swapped ? Bitmap(blankImage(d.info.output_height, d.info.output_width))
                            : Bitmap(blankImage(d.info.output_width, d.info.output_height));
    readScanlines(d, result.bitmap.image());
    // Reads on to the end marker, so that data cut short or damaged after the last scanline is
    // noticed too.
    jpeg_finish_decompress(&d.info);
    // A single scan that needed no bits beyond the end of the file is whole; a picture in several
    // scans may have lost whole scans without a word, so an early end refuses it.
    const bool severalScans =
        d.info.progressive_mode || d.info.comps_in_scan < d.info.num_components;
    if (d.trap.dataEnded && severalScans)
        refuseEarlyEnd(reinterpret_cast<j_common_ptr>(&d.info));
}

bool decodeTrapped(Decompression& d, const QByteArray& file, int minWidth, int minHeight,
                   bool upright, DecodedPicture& result) {
    if (setjmp(d.trap.jump))
        return false;
    decodeSteps(d, file, minWidth, minHeight, upright, result);
    return true;
}

struct Compression {
    jpeg_compress_struct info{};
    ErrorTrap trap{};
    bool created = false;
    unsigned char* output = nullptr; // grown by libjpeg with malloc
    unsigned long outputSize = 0;
    std::vector<JSAMPLE> rgbRow;

    Compression() { info.err = installTrap(trap); }
    ~Compression() {
        if (created)
            jpeg_destroy_compress(&info);
        std::free(output);
    }
    Compression(const Compression&) = delete;
    Compression& operator=(const Compression&) = delete;
};

void toRgbRow(const QImage& image, int y, JSAMPLE* target) {
    const QRgb* pixels = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
        target[3 * x] = static_cast<JSAMPLE>(qRed(pixels[x]));
        target[3 * x + 1] = static_cast<JSAMPLE>(qGreen(pixels[x]));
        target[3 * x + 2] = static_cast<JSAMPLE>(qBlue(pixels[x]));
    }
}

void encodeSteps(Compression& c, const QImage& image, int quality, int pixelsPerInch) {
    jpeg_create_compress(&c.info);
    c.created = true;
    jpeg_mem_dest(&c.info, &c.output, &c.outputSize);
    c.info.image_width = static_cast<JDIMENSION>(image.width());
    c.info.image_height = static_cast<JDIMENSION>(image.height());
    c.info.input_components = 3;
    c.info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c.info);
    jpeg_set_quality(&c.info, quality, TRUE);
    c.info.density_unit = 1; // dots per inch
    c.info.X_density = static_cast<UINT16>(pixelsPerInch);
    c.info.Y_density = static_cast<UINT16>(pixelsPerInch);
    jpeg_start_compress(&c.info, TRUE);
    while (c.info.next_scanline < c.info.image_height) {
        toRgbRow(image, static_cast<int>(c.info.next_scanline), c.rgbRow.data());
        JSAMPROW row = c.rgbRow.data();
        jpeg_write_scanlines(&c.info, &row, 1);
    }
    jpeg_finish_compress(&c.info);
}

bool encodeTrapped(Compression& c, const QImage& image, int quality, int pixelsPerInch) {
    if (setjmp(c.trap.jump))
        return false;
    encodeSteps(c, image, quality, pixelsPerInch);
    return true;
}

} // namespace

DecodedPicture decodeJpeg(const QByteArray& file, int minWidth, int minHeight, bool upright) {
    Decompression decompression;
    DecodedPicture result;
    if (!decodeTrapped(decompression, file, minWidth, minHeight, upright, result)) {
        const UserError error = jpegError(reinterpret_cast<j_common_ptr>(&decompression.info));
        decompression.destroy();
        throw error;
    }
    return result;
}

QByteArray encodeJpeg(const Bitmap& bitmap, int quality, int pixelsPerInch) {
    const Bitmap trueColour = bitmap.toTrueColour();
    Compression compression;
    compression.rgbRow.resize(static_cast<std::size_t>(trueColour.width()) * 3);
    if (!encodeTrapped(compression, trueColour.image(), quality, pixelsPerInch))
        throw jpegError(reinterpret_cast<j_common_ptr>(&compression.info));
    return QByteArray(reinterpret_cast<const char*>(compression.output),
                      static_cast<qsizetype>(compression.outputSize));
}
