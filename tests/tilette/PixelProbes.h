#pragma once

#include "platform/Bitmap.h"

// Lines and arcs may land a pixel either side of their ideal place depending on the
// rasteriser, so the border tests look around a point rather than at it.
inline bool colourNear(const Bitmap& bitmap, int x, int y, Colour colour, int radius = 1) {
    for (int row = y - radius; row <= y + radius; ++row)
        for (int column = x - radius; column <= x + radius; ++column)
            if (column >= 0 && row >= 0 && column < bitmap.width() && row < bitmap.height() &&
                bitmap.pixel(column, row) == colour)
                return true;
    return false;
}

// The bounding box of every pixel that differs from the background; empty if none does.
struct InkBounds {
    int left = 0, top = 0, right = 0, bottom = 0; // right and bottom exclusive
    bool empty = true;
};

inline InkBounds inkBounds(const Bitmap& bitmap, Colour background) {
    InkBounds bounds;
    for (int y = 0; y < bitmap.height(); ++y)
        for (int x = 0; x < bitmap.width(); ++x) {
            if (bitmap.pixel(x, y) == background)
                continue;
            if (bounds.empty) {
                bounds = {x, y, x + 1, y + 1, false};
                continue;
            }
            bounds.left = std::min(bounds.left, x);
            bounds.top = std::min(bounds.top, y);
            bounds.right = std::max(bounds.right, x + 1);
            bounds.bottom = std::max(bounds.bottom, y + 1);
        }
    return bounds;
}
