#pragma once

#include "colour/HalftonePalette.h"
#include "colour/Palettes.h"
#include "platform/Bitmap.h"

// The index of the palette colour nearest to c by squared RGB distance, the lowest on a tie;
// -1 for an empty palette.
int nearestPaletteIndex(const Palette& palette, Colour c);

// Recolours a picture with a scheme: every pixel is first reduced to its nearest halftone colour
// (see halftonePalette), and that colour then to the nearest colour of the scheme. The result is
// an 8-bit bitmap of the same size whose palette is the scheme palette (only its first 256
// entries count; a shorter one is filled up with black that no pixel uses). With an empty scheme
// palette the picture keeps its halftone colours and gets the halftone palette. An empty picture
// gives an empty bitmap.
Bitmap ApplyColorScheme(const Bitmap& picture, const Palette& schemePalette);
