#pragma once

#include "platform/Bitmap.h"

#include <QByteArray>

// TIFF files held in memory (scans, and pictures from some cameras), through libtiff.

// True when the data starts as a TIFF (or BigTIFF) file does, in either byte order.
bool isTiff(const QByteArray& file);

// Decodes the first page (8 or 16 bits a sample; grey, RGB, CMYK, palette or YCbCr) into a
// true-colour Bitmap, its rows as the file stores them; transparent pixels are laid over white.
// The page's orientation tag (1 to 8, 1 when absent) goes to orientation, for the caller to turn
// the picture upright. The size the file claims is checked before any pixel memory is taken.
// Throws UserError("TIFF image is not valid: <reason>") for anything it cannot decode.
Bitmap decodeTiff(const QByteArray& file, int* orientation = nullptr);
