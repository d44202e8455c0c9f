#include "tilette/PictureFit.h"

namespace {
constexpr int frameAllowance = 50; // 25 on every side
constexpr int displaySize = 350;
constexpr int displayScale = 300;
} // namespace

Rect fitInside(int boxWidth, int boxHeight, int width, int height) {
    if (width <= 0 || height <= 0)
        return {};
    int fittedWidth = boxWidth;
    int fittedHeight = height * boxWidth / width;
    if (fittedHeight > boxHeight) {
        fittedWidth = width * boxHeight / height;
        fittedHeight = boxHeight;
    }
    const int left = (boxWidth - fittedWidth) / 2;
    const int top = (boxHeight - fittedHeight) / 2;
    return {left, top, left + fittedWidth, top + fittedHeight};
}

// The box is the tilette less its frame, and the picture is centred in the whole tilette.
Rect fitPicture(int tiletteWidth, int tiletteHeight, int pictureWidth, int pictureHeight) {
    const Rect inBox = fitInside(tiletteWidth - frameAllowance, tiletteHeight - frameAllowance,
                                 pictureWidth, pictureHeight);
    if (inBox == Rect{})
        return {};
    const int left = (tiletteWidth - inBox.width()) / 2;
    const int top = (tiletteHeight - inBox.height()) / 2;
    return {left, top, left + inBox.width(), top + inBox.height()};
}

Rect previewRectFor(bool fromPicture, int pictureWidth, int pictureHeight, const Rect& previous,
                    bool sizeOverride, bool keepRatio, int tiletteWidth, int tiletteHeight) {
    Rect rect = previous;
    if (fromPicture && pictureWidth > 0 && pictureHeight > 0) {
        if (pictureHeight > pictureWidth)
            rect = {0, 0, pictureWidth * displayScale / pictureHeight + 50, displaySize};
        else
            rect = {0, 0, displaySize, pictureHeight * displayScale / pictureWidth + 50};
    }
    if (sizeOverride && !keepRatio && tiletteWidth > 0 && tiletteHeight > 0) {
        if (tiletteHeight > tiletteWidth) {
            rect.right = tiletteWidth * displayScale / tiletteHeight + 50;
            rect.bottom = displaySize;
        } else {
            rect.right = displaySize;
            rect.bottom = tiletteHeight * displayScale / tiletteWidth + 50;
        }
    }
    return rect;
}
