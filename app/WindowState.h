#pragma once

#include "colour/Palettes.h"
#include "platform/Bitmap.h"
#include "platform/Geometry.h"
#include "sheet/SlotTable.h"

#include <QString>
#include <array>

// What the window shows and keeps of its own besides what the controls hold: the sheet itself,
// its slots, grid and printer, is its session's.
struct WindowState {
    std::array<Bitmap, SlotCount> SlotPictures;
    std::array<QString, SlotCount> SlotHints;

    Rect TiletteRect;
    Rect PreviewRect;
    Bitmap CurrentTilette;
    Bitmap SheetBitmap;
    QString ReloadMode;
    bool Printing = false;
    bool ColorPickActive = false;
    int PopupSlot = 0;
    int CurrentSlot = 0;
    // Slots whose picture could not be read when drawn, and the user has been told so.
    std::array<bool, SlotCount> UnreadableReported{};
    QString DataFolder;
    // The Color Image page: the slot's chosen picture, decoded once a visit, and its recoloured
    // copy with the scheme that made it.
    Bitmap ColouringSource;
    Bitmap ColoredBitmap;
    int ColorSchemeIndex = 0;
    ::PaletteFactors PaletteFactors;
    // The setup opened or saved last, which names what is printed to a PDF; empty until then.
    QString SetupFile;
};
