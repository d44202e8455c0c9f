#pragma once

#include "platform/Bitmap.h"
#include "platform/TiletteUnits.h"

#include <QString>
#include <QStringList>

// Pictures are read upright: the orientation a camera recorded in the file is applied, so the
// bitmap and the full size are as the photo was taken, not as it was stored.
struct DecodedPicture {
    Bitmap bitmap;     // possibly reduced (see readPictureReduced)
    int fullWidth = 0; // the picture's own pixel size, from its header
    int fullHeight = 0;
};

// Decodes a picture file (Windows bitmap, JPEG, PNG, HEIC, AVIF or WebP, told apart by content)
// into a true-colour bitmap. Throws UserError with the user's message: a file that cannot be read
// names itself; one that cannot be decoded gets the decoder's message with a second line
// "File: <path>".
Bitmap readPicture(const QString& path);

// Like readPicture, but a JPEG may be decoded reduced by libjpeg's DCT scaling (scale 1/2, 1/4,
// 1/8) as long as the result is still at least minWidth x minHeight pixels (or the full size when
// smaller). Other formats are always decoded whole. Used where the picture is only drawn small
// (the 350-pixel tilette).
DecodedPicture readPictureReduced(const QString& path, int minWidth, int minHeight);

// True when the file is meant as a picture: it starts as a bitmap, JPEG, PNG, HEIF or WebP does, or
// it has none of those starts but a picture's name (so that a damaged photo gets the decoder's
// message). A pipe, a device or a file that cannot be read is no picture.
bool isPictureFile(const QString& path);

// The picture dialog's entries: "All pictures" (every format read) first, then one entry per
// format, then "All files".
QStringList pictureFileFilters();

// The writers replace a file whole or not at all: the data goes to a new file in the same
// folder that takes the name only when it is complete, so a failed write leaves an existing file
// as it was and no part of the new one. Permissions of a replaced file are kept, and a symbolic
// link is written through. A file that cannot be written throws
// UserError("Cannot create file \"<path>\". <reason>"). Each file records its resolution, so
// that other programs print it at its true size: 200 pixels per inch, the tilettes' own, unless
// the picture was made smaller.

// Writes a Windows bitmap file: 24 bits per pixel for a true-colour Bitmap, 8 bits with its
// 256-entry palette for an indexed Bitmap.
void writeBitmapFile(const QString& path, const Bitmap& bitmap,
                     int pixelsPerInch = tiletteUnitsPerInch);

// Writes an 8-bit RGB PNG, not interlaced.
void writePngFile(const QString& path, const Bitmap& bitmap,
                  int pixelsPerInch = tiletteUnitsPerInch);

// Writes a baseline colour JPEG at the given quality (100 for exports).
void writeJpegFile(const QString& path, const Bitmap& bitmap, int quality = 100,
                   int pixelsPerInch = tiletteUnitsPerInch);
