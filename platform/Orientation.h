#pragma once

#include "platform/Bitmap.h"

#include <QByteArray>

#include <cstddef>

// Cameras store a photo as the sensor read it and record in its Exif block how to turn it to
// stand upright: 1 as stored, 2 mirrored left to right, 3 turned half round, 4 mirrored top to
// bottom, 5 mirrored along the top-left to bottom-right diagonal, 6 turned a quarter clockwise,
// 7 mirrored along the other diagonal, 8 turned a quarter anticlockwise.

// The orientation recorded in an Exif block: either as a JPEG's APP1 segment holds it (starting
// "Exif\0\0") or as a PNG's eXIf chunk or a TIFF file does (starting with the TIFF header).
// 1 when the block has none, or is damaged: a picture is never refused for its Exif block.
int exifOrientation(const QByteArray& exifBlock);

// The bitmap turned and mirrored as the orientation says; sides are swapped for 5 to 8. Any other
// value leaves it as it is.
Bitmap applyOrientation(const Bitmap& bitmap, int orientation);

// Places rows firstRow to firstRow + rowCount - 1 of a stored width x height picture, given at
// rows (rowStride pixels apart), where the orientation takes them in target, a true-colour image
// of the upright size. A decoder can so turn a picture strip by strip as it decodes, without a
// second picture-sized bitmap.
void placeRows(const QRgb* rows, std::ptrdiff_t rowStride, int width, int height, int firstRow,
               int rowCount, QImage& target, int orientation);

// True when the orientation swaps the picture's width and height.
inline bool swapsSides(int orientation) {
    return orientation >= 5 && orientation <= 8;
}
