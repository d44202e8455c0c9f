#include "sheet/PrintPerforations.h"

#include "platform/TiletteUnits.h"

namespace {
// The page grid in printer pixels.
struct PrintGrid {
    int stepX, stepY;          // 1/16 inch
    int tileWidth, tileHeight; // one tilette
    int right, bottom;         // last grid position
    int d;                     // the dot's box size
};

PrintGrid printGrid(int pixelsPerInchX, int pixelsPerInchY, const SheetLayout& layout) {
    PrintGrid grid{};
    grid.stepX = pixelsPerInchX * 625 / 10000;
    grid.stepY = pixelsPerInchY * 625 / 10000;
    grid.tileWidth = pixelsPerInchX * layout.tiletteWidth / tiletteUnitsPerInch;
    grid.tileHeight = pixelsPerInchY * layout.tiletteHeight / tiletteUnitsPerInch;
    grid.d = (pixelsPerInchX * 312 / 10000) / 2;
    grid.right =
        pixelsPerInchX * layout.tiletteWidth * layout.tilettesAcross / tiletteUnitsPerInch +
        grid.stepX;
    grid.bottom =
        pixelsPerInchY * layout.tiletteHeight * layout.tilettesDown / tiletteUnitsPerInch +
        grid.stepY;
    return grid;
}

// The middle of a Frame page prints white, so no dots show on the paper left empty there.
bool inPrintedFrameInterior(const PrintGrid& grid, const SheetLayout& layout, int x, int y) {
    return layout.pageType == PageType::Frame && grid.tileWidth + grid.stepX < x &&
           x < grid.tileWidth * (layout.tilettesAcross - 1) + grid.stepX &&
           grid.tileHeight + grid.stepY < y &&
           y < grid.tileHeight * (layout.tilettesDown - 1) + grid.stepY;
}

PrintedDot dotAt(const PrintGrid& grid, const SheetLayout& layout, Colour borderColour, int x,
                 int y) {
    const int d = grid.d;
    return {{x, y},
            {x - 2 * d, y - d, x - d, y},
            d / 2 + 10,
            inPrintedFrameInterior(grid, layout, x, y) ? colours::white : borderColour};
}
} // namespace

std::vector<PrintedDot> perforationDots(int pixelsPerInchX, int pixelsPerInchY,
                                        const SheetLayout& layout, Colour borderColour) {
    const PrintGrid grid = printGrid(pixelsPerInchX, pixelsPerInchY, layout);
    std::vector<PrintedDot> dots;
    // Every step must move on, or the loops would never end.
    if (grid.stepX <= 0 || grid.stepY <= 0 || grid.tileWidth <= 0 || grid.tileHeight <= 0)
        return dots;
    for (int x = grid.stepX; x <= grid.right; x += grid.stepX)
        for (int y = grid.stepY; y <= grid.bottom; y += grid.tileHeight)
            dots.push_back(dotAt(grid, layout, borderColour, x, y));
    for (int x = grid.stepX; x <= grid.right; x += grid.tileWidth)
        for (int y = grid.stepY; y <= grid.bottom; y += grid.stepY)
            dots.push_back(dotAt(grid, layout, borderColour, x, y));
    return dots;
}

void PrintPerforations(Canvas& page, int pixelsPerInchX, int pixelsPerInchY,
                       const SheetLayout& layout, Colour borderColour) {
    for (const PrintedDot& dot :
         perforationDots(pixelsPerInchX, pixelsPerInchY, layout, borderColour)) {
        page.setPen(dot.penWidth, dot.colour);
        const Point topLeft{dot.box.left, dot.box.top};
        const Point bottomRight{dot.box.right, dot.box.bottom};
        page.arc(dot.box, topLeft, bottomRight);
        page.arc(dot.box, bottomRight, topLeft);
    }
}
