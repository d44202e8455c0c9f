#pragma once

#include "platform/Bitmap.h"

#include <QString>
#include <array>

// One image position. Slots 1 to 9 are the user's, 0 is the About sample.
struct ImageSlot {
    QString FileName; // the file the slot is drawn from; the slot is in use when not empty
    int Width = 0;
    int Height = 0;
    int Ratio = 1000;     // Height * 1000 / Width
    QString SaveName;     // the file the user chose, before any colouring
    int ColorScheme = 99; // 99: no colour scheme applied
    Bitmap TiletteImage;  // the tilette as last drawn
};

constexpr int SlotCount = 16;
constexpr int FirstUserSlot = 1;
constexpr int LastUserSlot = 9;
// Slots 0 to 10 get placeholder pictures at start; 11 to 15 never do.
constexpr int LastSlotWithPicture = 10;

using SlotTable = std::array<ImageSlot, SlotCount>;

// Which of the user's slots have a picture, by slot number (entry 0 is never in use).
using SlotsInUse = std::array<bool, LastUserSlot + 1>;
SlotsInUse slotsInUse(const SlotTable& table);
