#pragma once

#include "platform/Geometry.h"

// Where the sheet goes on the preview page: reduced by a whole factor
// k = max(sheetWidth div previewWidth, sheetHeight div previewHeight) + 1,
// into (0, 0, sheetWidth div k, sheetHeight div k). The added one makes the reduced sheet fit
// strictly inside the preview, even when a side divides exactly.
// A preview or sheet with no size gives an empty rectangle.
Rect sheetPreviewRect(int sheetWidth, int sheetHeight, int previewWidth, int previewHeight);
