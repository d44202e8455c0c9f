#pragma once

#include "platform/Bitmap.h"
#include "platform/Colour.h"
#include "platform/Geometry.h"

// A plain frame 12 units inside the tilette's rectangle, pen width 5.
void DrawBoxBorder(Bitmap& tilette, const Rect& tiletteRect, Colour colour);

// A stamp edge: a thin frame with a round bite into the tilette every 20 units.
void DrawStampBorder(Bitmap& tilette, Colour colour);
