#pragma once

#include "platform/Bitmap.h"

#include <QByteArray>

// GIF files held in memory, through giflib.

// True when the data starts as a GIF file does ("GIF87a" or "GIF89a").
bool isGif(const QByteArray& file);

// Decodes the first frame, in its place on the GIF's canvas, into a true-colour Bitmap; its
// transparent colour, and the canvas it leaves uncovered, show white. The sizes the file claims
// are checked before any pixel memory is taken. Throws UserError("GIF image is not valid:
// <reason>") for anything it cannot decode.
Bitmap decodeGif(const QByteArray& file);
