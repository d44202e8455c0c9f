#include "colour/FitPictureRect.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {
int atLeastOneIfZero(int size) {
    return size == 0 ? 1 : size;
}

// Scales are thousandths of the picture per box pixel, so 1000 means one to one.
std::int64_t scale(int pictureSize, int boxSize) {
    return std::int64_t{pictureSize} * 1000 / boxSize;
}

// A picture under a thousandth of the box in both directions has a scale of 0; dividing by the
// smallest expressible scale instead keeps it drawable rather than dividing by zero.
int scaledSide(int pictureSize, std::int64_t divisorScale) {
    const std::int64_t side =
        std::int64_t{pictureSize} * 1000 / (divisorScale == 0 ? 1 : divisorScale);
    return static_cast<int>(std::clamp<std::int64_t>(side, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}
} // namespace

Rect FitPictureRect(int width, int height, int boxWidth, int boxHeight) {
    width = atLeastOneIfZero(width);
    height = atLeastOneIfZero(height);
    boxWidth = atLeastOneIfZero(boxWidth);
    boxHeight = atLeastOneIfZero(boxHeight);
    const std::int64_t scaleX = scale(width, boxWidth);
    const std::int64_t scaleY = scale(height, boxHeight);
    if (scaleY > scaleX)
        return {0, 0, scaledSide(width, scaleY), boxHeight};
    return {0, 0, boxWidth, scaledSide(height, scaleX)};
}
