#include "tilette/PictureFit.h"

namespace {
constexpr int frameAllowance = 50; // 25 on every side
constexpr int displaySize = 350;
constexpr int displayScale = 300;
} // namespace

Rect fitPicture(int tiletteWidth, int tiletteHeight, int pictureWidth, int pictureHeight) {
    if (pictureWidth <= 0 || pictureHeight <= 0)
        return {};
    const int availableWidth = tiletteWidth - frameAllowance;
    const int availableHeight = tiletteHeight - frameAllowance;
    int width = availableWidth;
    int height = pictureHeight * availableWidth / pictureWidth;
    if (height > availableHeight) {
        width = pictureWidth * availableHeight / pictureHeight;
        height = availableHeight;
    }
    const int left = (tiletteWidth - width) / 2;
    const int top = (tiletteHeight - height) / 2;
    return {left, top, left + width, top + height};
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
