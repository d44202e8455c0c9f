#pragma once

#include "platform/Bitmap.h"
#include "tilette/TiletteStyle.h"

// One tilette of W × H units: background, the picture fitted inside its frame (unless blank),
// a Box or Stamp border and the texts. The picture may be a reduced decode of a picture of
// pictureWidth × pictureHeight pixels: it is fitted by the full size and stretched as given.
// An empty bitmap when W or H is not positive.
Bitmap renderTilette(const TiletteStyle& style, int tiletteWidth, int tiletteHeight,
                     const Bitmap& picture, int pictureWidth, int pictureHeight);
