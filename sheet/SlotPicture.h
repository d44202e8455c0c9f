#pragma once

#include "platform/Bitmap.h"
#include "platform/Geometry.h"
#include "sheet/PictureCache.h"

#include <QString>

// A picture file as an image slot takes it in: its size and its square. Nothing more of the
// decoded picture is kept; the tilettes are drawn from the file.
struct SlotPicture {
    int width = 0; // the picture's own size, from its file
    int height = 0;
    int ratio = 1000; // height * 1000 / width
    Bitmap square;    // 900 × 900: the picture letterboxed on white
};

constexpr int slotSquareSize = 900;

// Reads a picture file for a slot, through the cache when one is given. Throws UserError with the
// user's message when the file cannot be read or is not a picture.
SlotPicture loadSlotPicture(const QString& path, PictureCache* pictures = nullptr);

// Where a width × height picture lands in the slot's 900 × 900 square.
Rect slotSquareRect(int width, int height);
