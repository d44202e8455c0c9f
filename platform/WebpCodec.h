#pragma once

#include "platform/Bitmap.h"

#include <QByteArray>

// WebP files held in memory, through libwebp.

// True when the data starts as a WebP file does: a RIFF header of form "WEBP".
bool isWebp(const QByteArray& file);

// Decodes a lossy or lossless WebP, with or without alpha, into a true-colour Bitmap; transparent
// pixels are laid over white. An animation gives its first frame, in its place on the canvas.
// Sizes the file claims are checked before any pixel memory is taken. Throws
// UserError("WebP image is not valid: <reason>") for anything it cannot decode.
Bitmap decodeWebp(const QByteArray& file);
