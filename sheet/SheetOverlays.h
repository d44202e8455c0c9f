#pragma once

#include "platform/Bitmap.h"
#include "platform/Colour.h"
#include "sheet/SheetLayout.h"

// The sheet's margin for a scale in pixels per inch: 1/16 inch (12 at 200).
int sheetOverlayMargin(int scale);

// True when a marker anchored at (x, y) falls in the empty middle of a Frame page.
bool inFrameInterior(const SheetLayout& layout, int margin, int x, int y);

// Overlays that run continuously across the tilettes of a composed sheet at the given scale
// (the composition passes 200). Markers in the middle of a Frame page are left out.
void SheetPerforations(Bitmap& sheet, int scale, const SheetLayout& layout, Colour borderColour);
void SheetFilmVertical(Bitmap& sheet, int scale, const SheetLayout& layout, Colour borderColour);
void SheetFilmHorizontal(Bitmap& sheet, int scale, const SheetLayout& layout, Colour borderColour);
