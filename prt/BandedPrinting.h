#pragma once

#include "platform/Bitmap.h"
#include "platform/Canvas.h"
#include "platform/Geometry.h"

#include <vector>

// The sheet goes to the printer a band of rows at a time, so that printing never needs a copy
// of the whole sheet at printer resolution.
constexpr int bandRows = 50; // a quarter inch of tilette units

// One band: rows of the 1/200-inch bitmap, and where they go on the page in device pixels.
struct PrintBand {
    Rect source;
    Rect destination;
    bool operator==(const PrintBand&) const = default;
};

// Every band of a width × height bitmap printed at the printer's resolution: from the left edge
// of the printable area, centred down a printable height of pageHeight device pixels. Band
// edges are worked out from the bitmap's rows, so bands meet without gaps or overlaps whatever
// the resolution, and the last, shorter band is printed too. Empty without a resolution.
std::vector<PrintBand> bandRectangles(int bitmapWidth, int bitmapHeight, int pixelsPerInchX,
                                      int pixelsPerInchY, int pageHeight);

// The device row where the sheet's first row is printed.
int printedTop(int bitmapHeight, int pixelsPerInchY, int pageHeight);

// Prints a bitmap stretched into a rectangle of the page.
void PrintBitmapStretched(Canvas& page, const Rect& destination, const Bitmap& bitmap);

// Prints a 1/200-inch bitmap in bands. A band bitmap is the only copy made.
void PrintBitmapBanded(Canvas& page, const Bitmap& bitmap, int pixelsPerInchX, int pixelsPerInchY,
                       int pageHeight);
