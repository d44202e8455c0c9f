#include "sheet/SheetOverlays.h"

#include "platform/Canvas.h"
#include "tilette/Markers.h"

namespace {
constexpr int dotSpacing = 12;
constexpr int holeSpacing = 25;

int sheetRight(const SheetLayout& layout) {
    return layout.tiletteWidth * layout.tilettesAcross + 2 * layout.perforationMarginX;
}

int sheetBottom(const SheetLayout& layout) {
    return layout.tiletteHeight * layout.tilettesDown + 2 * layout.perforationMarginY;
}

// The loops step by the tilette size; a sheet without a size has nothing to mark.
bool hasTiletteSize(const SheetLayout& layout) {
    return layout.tiletteWidth > 0 && layout.tiletteHeight > 0;
}
} // namespace

int sheetOverlayMargin(int scale) {
    return scale * 625 / 10000;
}

bool inFrameInterior(const SheetLayout& layout, int margin, int x, int y) {
    const int width = layout.tiletteWidth;
    const int height = layout.tiletteHeight;
    return layout.pageType == PageType::Frame && margin + width < x &&
           x < (layout.tilettesAcross - 1) * width && margin + height < y &&
           y < (layout.tilettesDown - 1) * height;
}

void SheetPerforations(Bitmap& sheet, int scale, const SheetLayout& layout, Colour borderColour) {
    if (!hasTiletteSize(layout))
        return;
    const int margin = sheetOverlayMargin(scale);
    const Stamp dot = markerStamp(makeMarker(perforationDotSize, perforationDotSize, borderColour));
    Canvas canvas(sheet);
    const int right = sheetRight(layout);
    // Rows of dots along the boundaries between tilette rows...
    for (int x = 6; x <= right; x += dotSpacing)
        for (int y = 8; y <= sheetBottom(layout); y += layout.tiletteHeight)
            if (!inFrameInterior(layout, margin, x, y))
                drawMarker(canvas, x, y, dot);
    // ...and columns along the boundaries between tilette columns.
    for (int x = 6; x <= right; x += layout.tiletteWidth)
        for (int y = 8; y <= margin + layout.tiletteHeight * layout.tilettesDown; y += dotSpacing)
            if (!inFrameInterior(layout, margin, x, y))
                drawMarker(canvas, x, y, dot);
}

void SheetFilmVertical(Bitmap& sheet, int scale, const SheetLayout& layout, Colour borderColour) {
    if (!hasTiletteSize(layout))
        return;
    const int margin = sheetOverlayMargin(scale);
    const Stamp hole = markerStamp(makeMarker(filmHoleLength, filmHoleBreadth, borderColour));
    Canvas canvas(sheet);
    for (int x = 10; x <= sheetRight(layout); x += layout.tiletteWidth)
        for (int y = -6; y <= margin + layout.tiletteHeight * layout.tilettesDown; y += holeSpacing)
            if (!inFrameInterior(layout, margin, x, y)) {
                drawMarker(canvas, x, y, hole);
                drawMarker(canvas, x + layout.tiletteWidth - 33, y, hole);
            }
}

void SheetFilmHorizontal(Bitmap& sheet, int scale, const SheetLayout& layout, Colour borderColour) {
    if (!hasTiletteSize(layout))
        return;
    const int margin = sheetOverlayMargin(scale);
    const Stamp hole = markerStamp(makeMarker(filmHoleBreadth, filmHoleLength, borderColour));
    Canvas canvas(sheet);
    for (int y = 10; y <= sheetBottom(layout); y += layout.tiletteHeight)
        for (int x = -6; x <= sheetRight(layout); x += holeSpacing)
            if (!inFrameInterior(layout, margin, x, y)) {
                drawMarker(canvas, x, y, hole);
                drawMarker(canvas, x, y + layout.tiletteHeight - 33, hole);
            }
}
