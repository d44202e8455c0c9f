#pragma once

// What the sheet-wide overlays need to know of the composed sheet. Sizes and margins are in
// tilette units (1/200 inch).
struct SheetLayout {
    int tiletteWidth = 0;
    int tiletteHeight = 0;
    int tilettesAcross = 0;
    int tilettesDown = 0;
    int perforationMarginX = 0;
    int perforationMarginY = 0;
    int pageType = 0; // 5 is the Frame page, whose middle stays empty
};

constexpr int framePageType = 5;
