#pragma once

#include "platform/Geometry.h"

// Where a width × height picture goes inside a box of boxWidth × boxHeight, keeping its shape:
// across the whole box, or down its whole height when that would be too tall; centred.
// Products before divisions, truncating. Empty when the picture has no size.
Rect fitInside(int boxWidth, int boxHeight, int width, int height);

// Where a pw × ph picture goes in a W × H tilette: as large as fits inside a frame of at
// least 25 units, keeping its shape, centred. Empty when the picture has no size.
Rect fitPicture(int tiletteWidth, int tiletteHeight, int pictureWidth, int pictureHeight);

// Where the tilette is shown inside the 350 × 350 display images. Slots 0 and 1 (fromPicture)
// take the shape of their picture; a freely sized tilette (override on, ratio off) then takes
// its own shape. Otherwise the previous rectangle stays.
Rect previewRectFor(bool fromPicture, int pictureWidth, int pictureHeight, const Rect& previous,
                    bool sizeOverride, bool keepRatio, int tiletteWidth, int tiletteHeight);
