#pragma once

#include "sheet/PageType.h"

// The sheet's grid: every tilette's size, how many fit, and the room kept around the sheet for
// perforations. All in tilette units (1/200 inch). The window keeps the one grid in use.
struct SheetGrid {
    int tiletteWidth = 350;
    int tiletteHeight = 350;
    int tilettesAcross = 0;
    int tilettesDown = 0;
    int perforationMarginX = 0;
    int perforationMarginY = 0;
    bool operator==(const SheetGrid&) const = default;
};

// What the sheet-wide overlays need to know of a composed sheet: its grid, and its page type,
// since the middle of a Frame page stays empty.
struct SheetLayout : SheetGrid {
    PageType pageType = PageType::OneImage;
};
