#pragma once

#include "platform/Bitmap.h"
#include "platform/Geometry.h"
#include "prt/PrinterMetrics.h"

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

// Everything the program computes and keeps besides what the controls hold.
struct ProgramState {
    std::array<ImageSlot, SlotCount> ImageSlots;
    std::array<Bitmap, SlotCount> SlotPictures;
    std::array<QString, SlotCount> SlotHints;

    int PerforationMarginX = 0;
    int PerforationMarginY = 0;
    int TilettesAcross = 0;
    int TilettesDown = 0;
    int TiletteWidth = 350;
    int TiletteHeight = 350;
    Rect TiletteRect;
    Rect PreviewRect;
    Bitmap CurrentTilette;
    Bitmap SheetBitmap;
    Bitmap SourcePicture;
    QString ReloadMode;
    bool Printing = false;
    bool ColorPickActive = false;
    int PopupSlot = 0;
    int CurrentSlot = 0;
    PrinterMetrics Metrics;
    // Slots whose picture could not be read when drawn, and the user has been told so.
    std::array<bool, SlotCount> UnreadableReported{};
    QString DataFolder;
};
