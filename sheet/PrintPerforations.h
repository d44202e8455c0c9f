#pragma once

#include "platform/Canvas.h"
#include "platform/Colour.h"
#include "platform/Geometry.h"
#include "sheet/SheetLayout.h"

#include <vector>

// One perforation dot on the printer page, in device pixels: the circle inscribed in box,
// drawn with a pen wide enough to fill it.
struct PrintedDot {
    Point anchor; // the grid point the dot belongs to; the box lies up and to its left
    Rect box;     // (x − 2d, y − d, x − d, y)
    int penWidth = 0;
    Colour colour = 0;
    bool operator==(const PrintedDot&) const = default;
};

// Every dot PrintPerforations draws for this sheet at the printer's resolution, rows first,
// then columns. Dots in the middle of a Frame page print white. Empty when the resolution
// leaves no spacing between dots.
std::vector<PrintedDot> perforationDots(int pixelsPerInchX, int pixelsPerInchY,
                                        const SheetLayout& layout, Colour borderColour);

// Prints the perforations directly on the page at printer resolution, so they come out crisp
// whatever the sheet bitmap was stretched to.
void PrintPerforations(Canvas& page, int pixelsPerInchX, int pixelsPerInchY,
                       const SheetLayout& layout, Colour borderColour);
