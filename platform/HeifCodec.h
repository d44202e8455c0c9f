#pragma once

#include "platform/Bitmap.h"

#include <QByteArray>
#include <QString>

// HEIF files held in memory (HEIC from phones, AVIF), through libheif.

// The format's name for messages, "HEIC" or "AVIF", when the data starts with an ISO-BMFF
// "ftyp" box whose brands libheif takes for a HEIF or AVIF still picture; empty otherwise.
QString heifKind(const QByteArray& file);

// Decodes the primary picture with libheif's own rotation, mirroring and cropping applied, so
// that it comes out upright, into a true-colour Bitmap; transparent pixels are laid over white.
// The size the file claims is checked before any pixel memory is taken. Throws
// UserError("<kind> image is not valid: <libheif's reason>") for anything it cannot decode.
Bitmap decodeHeif(const QByteArray& file);
