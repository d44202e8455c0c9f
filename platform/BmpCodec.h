#pragma once

#include "platform/Bitmap.h"
#include "platform/TiletteUnits.h"

#include <QByteArray>

// Windows bitmap files held in memory.

// Decodes any common bitmap file (1 to 32 bits per pixel, RLE4/RLE8, bit fields, either row order)
// into a true-colour Bitmap. Throws UserError("Bitmap image is not valid") for anything malformed.
Bitmap decodeBmp(const QByteArray& file);

// A bottom-up file with a 40-byte header: 8 bits with the 256-entry palette for an indexed Bitmap,
// 24 bits otherwise, recording the given resolution. Empty when the bitmap is empty or too large
// for the format.
QByteArray encodeBmp(const Bitmap& bitmap, int pixelsPerInch = tiletteUnitsPerInch);
