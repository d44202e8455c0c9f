#include "tilette/DisplayOverlays.h"

#include "platform/Canvas.h"
#include "tilette/Markers.h"

namespace {
constexpr int dotSpacing = 12;
constexpr int holeSpacing = 25;
constexpr int firstPosition = -6;
} // namespace

// Every loop places at least its first marker, however small the tilette.

void OverlayPerforations(Bitmap& currentTilette, Colour borderColour) {
    const int width = currentTilette.width();
    const int height = currentTilette.height();
    const Stamp dot = markerStamp(makeMarker(perforationDotSize, perforationDotSize, borderColour));
    Canvas canvas(currentTilette);
    int x = firstPosition;
    do {
        drawMarker(canvas, x, -3, dot);
        drawMarker(canvas, x, height - 3, dot);
        x += dotSpacing;
    } while (x < width);
    int y = firstPosition;
    do {
        drawMarker(canvas, -3, y, dot);
        drawMarker(canvas, width - 3, y, dot);
        y += dotSpacing;
    } while (y < height);
}

void OverlayFilmVertical(Bitmap& currentTilette, Colour borderColour) {
    const int width = currentTilette.width();
    const int height = currentTilette.height();
    const Stamp hole = markerStamp(makeMarker(filmHoleLength, filmHoleBreadth, borderColour));
    Canvas canvas(currentTilette);
    int y = firstPosition;
    do {
        drawMarker(canvas, 10, y, hole);
        drawMarker(canvas, width - 23, y, hole);
        y += holeSpacing;
    } while (y < height);
}

void OverlayFilmHorizontal(Bitmap& currentTilette, Colour borderColour) {
    const int width = currentTilette.width();
    const int height = currentTilette.height();
    const Stamp hole = markerStamp(makeMarker(filmHoleBreadth, filmHoleLength, borderColour));
    Canvas canvas(currentTilette);
    int x = firstPosition;
    do {
        drawMarker(canvas, x, 10, hole);
        drawMarker(canvas, x, height - 23, hole);
        x += holeSpacing;
    } while (x < width);
}
