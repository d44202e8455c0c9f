#include "platform/Orientation.h"

#include <algorithm>
#include <cstddef>
#include <memory>
#include <new>

#include <libexif/exif-data.h>

namespace {

struct ExifDataDeleter {
    void operator()(ExifData* data) const { exif_data_unref(data); }
};

// Where the stored pixel (x, y) of a width x height picture lands, written as the target's pixel
// for (0, 0) plus a step for each x and for each y, all counted in target pixels.
struct Placement {
    std::ptrdiff_t origin;
    std::ptrdiff_t stepX;
    std::ptrdiff_t stepY;
};

Placement placementFor(int orientation, std::ptrdiff_t width, std::ptrdiff_t height,
                       std::ptrdiff_t targetStride) {
    switch (orientation) {
    case 2:
        return {width - 1, -1, targetStride};
    case 3:
        return {(height - 1) * targetStride + width - 1, -1, -targetStride};
    case 4:
        return {(height - 1) * targetStride, 1, -targetStride};
    case 5:
        return {0, targetStride, 1};
    case 6:
        return {height - 1, targetStride, -1};
    case 7:
        return {(width - 1) * targetStride + height - 1, -targetStride, -1};
    case 8:
        return {(width - 1) * targetStride, -targetStride, 1};
    default:
        return {0, 1, targetStride};
    }
}

// Turning a quarter writes down the target's columns; going through the picture in small tiles
// keeps the rows being written in the cache, which matters for camera-sized pictures.
constexpr int tileSide = 64;

} // namespace

int exifOrientation(const QByteArray& exifBlock) {
    static const QByteArray exifHeader("Exif\0\0", 6);
    // libexif finds the TIFF header only behind the Exif header a JPEG segment has.
    const QByteArray block = exifBlock.startsWith(exifHeader) ? exifBlock : exifHeader + exifBlock;
    const std::unique_ptr<ExifData, ExifDataDeleter> data(exif_data_new());
    if (!data)
        return 1;
    // Left to itself, libexif would "repair" the block by adding entries with made-up values.
    exif_data_unset_option(data.get(), EXIF_DATA_OPTION_FOLLOW_SPECIFICATION);
    exif_data_load_data(data.get(), reinterpret_cast<const unsigned char*>(block.constData()),
                        static_cast<unsigned int>(block.size()));
    const ExifEntry* entry = exif_content_get_entry(data->ifd[EXIF_IFD_0], EXIF_TAG_ORIENTATION);
    if (!entry || entry->format != EXIF_FORMAT_SHORT || entry->components < 1 || !entry->data ||
        entry->size < 2)
        return 1;
    const int orientation = exif_get_short(entry->data, exif_data_get_byte_order(data.get()));
    return orientation >= 1 && orientation <= 8 ? orientation : 1;
}

void placeRows(const QRgb* rows, std::ptrdiff_t rowStride, int width, int height, int firstRow,
               int rowCount, QImage& target, int orientation) {
    const Placement placement = placementFor(orientation, width, height, target.bytesPerLine() / 4);
    QRgb* targetOrigin = reinterpret_cast<QRgb*>(target.bits()) + placement.origin;
    const int endRow = firstRow + rowCount;
    for (int top = firstRow; top < endRow; top += tileSide) {
        const int bottom = std::min(top + tileSide, endRow);
        for (int left = 0; left < width; left += tileSide) {
            const int right = std::min(left + tileSide, width);
            for (int y = top; y < bottom; ++y) {
                const QRgb* from = rows + (y - firstRow) * rowStride;
                QRgb* to = targetOrigin + y * placement.stepY + left * placement.stepX;
                for (int x = left; x < right; ++x, to += placement.stepX)
                    *to = from[x];
            }
        }
    }
}

Bitmap applyOrientation(const Bitmap& bitmap, int orientation) {
    if (orientation < 2 || orientation > 8 || bitmap.isEmpty())
        return bitmap;
    const Bitmap trueColour = bitmap.toTrueColour();
    QImage source = trueColour.image();
    if (source.format() != QImage::Format_RGB32)
        source = source.convertToFormat(QImage::Format_RGB32);
    const bool swapped = swapsSides(orientation);
    QImage target(swapped ? source.height() : source.width(),
                  swapped ? source.width() : source.height(), QImage::Format_RGB32);
    if (target.isNull())
        throw std::bad_alloc();
    placeRows(reinterpret_cast<const QRgb*>(source.constBits()), source.bytesPerLine() / 4,
              source.width(), source.height(), 0, source.height(), target, orientation);
    return Bitmap(std::move(target));
}
