#pragma once

#include "platform/PictureFile.h"
#include "platform/TiletteUnits.h"

#include <QByteArray>

// JPEG data held in memory, through libjpeg. Failures throw UserError("JPEG error #<code>: <text>")
// with libjpeg's own message code and text. Data cut short or damaged is a failure, not a picture
// with grey or garbled parts.

// Decodes at the smallest of the scales 1/8, 1/4, 1/2 that still gives at least minWidth x
// minHeight pixels (of the picture as it comes out), else at full size. With upright, the
// orientation the Exif block records is applied as the rows are decoded, sizes included; without,
// the pixels are as stored.
DecodedPicture decodeJpeg(const QByteArray& file, int minWidth, int minHeight,
                          bool upright = false);

// A baseline, three-component colour JPEG at the given quality (1 to 100), its JFIF header
// recording the given resolution in pixels per inch.
QByteArray encodeJpeg(const Bitmap& bitmap, int quality, int pixelsPerInch = tiletteUnitsPerInch);
