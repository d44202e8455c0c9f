#include "tilette/Markers.h"

Colour markerTransparentColour(Colour borderColour) {
    return borderColour == colours::white ? colours::black : colours::white;
}

Bitmap makeMarker(int width, int height, Colour borderColour) {
    Bitmap marker(width, height, markerTransparentColour(borderColour));
    Canvas canvas(marker);
    canvas.fillRect({0, 1, width, height - 1}, borderColour);
    canvas.fillRect({1, 0, width - 1, height}, borderColour);
    return marker;
}

Stamp markerStamp(const Bitmap& marker) {
    // The bottom-left pixel is always a clipped corner.
    return Stamp(marker, marker.isEmpty() ? colours::white : marker.pixel(0, marker.height() - 1));
}

void drawMarker(Canvas& canvas, int x, int y, const Stamp& marker) {
    canvas.drawStamp(x, y, marker);
}
