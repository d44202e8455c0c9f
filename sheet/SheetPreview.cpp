#include "sheet/SheetPreview.h"

#include <algorithm>

Rect sheetPreviewRect(int sheetWidth, int sheetHeight, int previewWidth, int previewHeight) {
    // Sizes of zero or less would divide by zero, or shrink by a factor below one.
    if (previewWidth <= 0 || previewHeight <= 0 || sheetWidth <= 0 || sheetHeight <= 0)
        return {};
    const int reduction = std::max(sheetWidth / previewWidth, sheetHeight / previewHeight) + 1;
    return {0, 0, sheetWidth / reduction, sheetHeight / reduction};
}
