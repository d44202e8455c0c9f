#include "tilette/Borders.h"

#include "platform/Canvas.h"

namespace {
constexpr int boxInset = 12;
constexpr int boxPenWidth = 5;
constexpr int stampPenWidth = 2;
constexpr int biteSpacing = 20;
constexpr int biteLength = 12; // along the edge
constexpr int biteHalfDepth = 8;

// The loops below draw their first bite even on a tilette too small for it, as the stamp
// edge always has been drawn.
void drawTopEdge(Canvas& canvas, int width) {
    const int edge = 12;
    canvas.moveTo(12, edge);
    int x = biteSpacing;
    do {
        canvas.lineTo(x, edge);
        canvas.arc({x, edge - biteHalfDepth, x + biteLength, edge + biteHalfDepth}, {x, edge},
                   {x + biteLength, edge});
        canvas.moveTo(x + biteLength, edge);
        x += biteSpacing;
    } while (x <= width - 32);
    canvas.lineTo(width - 14, edge);
}

void drawBottomEdge(Canvas& canvas, int width, int height) {
    const int edge = height - 14;
    canvas.moveTo(12, edge);
    int x = biteSpacing;
    do {
        canvas.lineTo(x, edge);
        canvas.arc({x, edge - biteHalfDepth, x + biteLength, edge + biteHalfDepth},
                   {x + biteLength, edge}, {x, edge});
        canvas.moveTo(x + biteLength, edge);
        x += biteSpacing;
    } while (x <= width - 32);
    canvas.lineTo(width - 14, edge);
}

void drawLeftEdge(Canvas& canvas, int height) {
    const int edge = 12;
    canvas.moveTo(edge, 12);
    int y = 22;
    do {
        canvas.lineTo(edge, y);
        canvas.arc({edge - biteHalfDepth, y, edge + biteHalfDepth, y + biteLength},
                   {edge, y + biteLength}, {edge, y});
        canvas.moveTo(edge, y + biteLength);
        y += biteSpacing;
    } while (y <= height - 18);
    canvas.lineTo(edge, height - 14);
}

void drawRightEdge(Canvas& canvas, int width, int height) {
    const int edge = width - 14;
    canvas.moveTo(edge, 12);
    int y = 22;
    do {
        canvas.lineTo(edge, y);
        canvas.arc({edge - biteHalfDepth, y, edge + biteHalfDepth, y + biteLength}, {edge, y},
                   {edge, y + biteLength});
        canvas.moveTo(edge, y + biteLength);
        y += biteSpacing;
    } while (y <= height - 18);
    canvas.lineTo(edge, height - 14);
}
} // namespace

void DrawBoxBorder(Bitmap& tilette, const Rect& tiletteRect, Colour colour) {
    Canvas canvas(tilette);
    canvas.setPen(boxPenWidth, colour);
    const int left = tiletteRect.left + boxInset;
    const int top = tiletteRect.top + boxInset;
    const int right = tiletteRect.right - boxInset;
    const int bottom = tiletteRect.bottom - boxInset;
    canvas.moveTo(left, top);
    canvas.lineTo(left, bottom);
    canvas.lineTo(right, bottom);
    canvas.lineTo(right, top);
    canvas.lineTo(left, top);
}

void DrawStampBorder(Bitmap& tilette, Colour colour) {
    Canvas canvas(tilette);
    canvas.setPen(stampPenWidth, colour);
    const int width = tilette.width();
    const int height = tilette.height();
    drawTopEdge(canvas, width);
    drawBottomEdge(canvas, width, height);
    drawLeftEdge(canvas, height);
    drawRightEdge(canvas, width, height);
}
