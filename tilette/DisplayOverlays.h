#pragma once

#include "platform/Bitmap.h"
#include "platform/Colour.h"

// What the perforation and film borders look like on the single tilette shown to the user.
// On the sheet they run across neighbouring tilettes instead (see SheetOverlays.h).

// Dots half outside the tilette along all four edges.
void OverlayPerforations(Bitmap& currentTilette, Colour borderColour);
// A column of sprocket holes near the left and near the right edge.
void OverlayFilmVertical(Bitmap& currentTilette, Colour borderColour);
// A row of sprocket holes near the top and near the bottom edge.
void OverlayFilmHorizontal(Bitmap& currentTilette, Colour borderColour);
