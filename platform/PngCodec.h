#pragma once

#include "platform/Bitmap.h"
#include "platform/TiletteUnits.h"

#include <QByteArray>

// PNG files held in memory, through libpng.

// True when the data starts with the 8-byte PNG signature.
bool isPng(const QByteArray& file);

// Decodes every kind of PNG (palette, grey, grey with alpha, RGB, RGBA; 1 to 16 bits a sample;
// interlaced or not) into a true-colour Bitmap. 16-bit samples become the nearest 8-bit value,
// and transparent pixels are laid over white, as they look on the paper. Throws
// UserError("PNG image is not valid") for anything malformed, and for a file cut short before
// its last row. The pixels are as stored; the orientation its eXIf chunk records (1 when none)
// goes to orientation when given.
Bitmap decodePng(const QByteArray& file, int* orientation = nullptr);

// An 8-bit RGB file, not interlaced, recording the given resolution; an indexed Bitmap is written
// in its colours. Empty when the bitmap is empty or libpng cannot write it.
QByteArray encodePng(const Bitmap& bitmap, int pixelsPerInch = tiletteUnitsPerInch);
