#pragma once

#include "platform/Bitmap.h"
#include "platform/Canvas.h"
#include "platform/Colour.h"

// The perforation dot and the film sprocket holes stamped by the overlays.
constexpr int perforationDotSize = 6;
constexpr int filmHoleLength = 13;  // across the strip
constexpr int filmHoleBreadth = 10; // along the strip

// White, or black when the border itself is white: the colour a marker's clipped corners
// have, which is then left out when the marker is drawn.
Colour markerTransparentColour(Colour borderColour);

// A w × h rectangle of the border colour whose four corner pixels hold the transparent colour.
Bitmap makeMarker(int width, int height, Colour borderColour);

// A marker made ready once to be stamped wherever it goes, its corners left out.
Stamp markerStamp(const Bitmap& marker);

// Stamps a marker with its top-left pixel at (x, y).
void drawMarker(Canvas& canvas, int x, int y, const Stamp& marker);
