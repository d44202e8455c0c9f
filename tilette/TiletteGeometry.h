#pragma once

#include "prt/PrinterMetrics.h"

#include <QString>
#include <optional>

// The user's choices that decide the tilette size.
struct GeometrySettings {
    int numberAcross = 5; // 3..9
    int perforationMarginX = 0;
    int perforationMarginY = 0;
    bool slot1Used = false; // slot 1 has a picture, so its shape sets the height
    int slot1Ratio = 1000;  // slot 1's height per 1000 units of width
    bool sizeOverride = false;
    bool keepRatio = true;
    int widthPosition = 175; // up-down positions, hundredths of an inch
    int heightPosition = 175;
};

// Sizes are in tilette units (1/200 inch).
struct TiletteGeometry {
    int tiletteWidth = 0;
    int tiletteHeight = 0;
    // Automatic size: the number asked for and the rows that fit that height. With the size
    // override: what fits the printable area.
    int tilettesAcross = 0;
    int tilettesDown = 0;
    int widthPosition = 0; // up-down positions after the computation, always within 50..500
    int heightPosition = 0;
    QString widthText;  // for WidthEdit
    QString heightText; // for HeightEdit
};

// Up-down positions never leave 50..500.
int clampPosition(int position);

// The tilette size for the sheet. Nothing when the printer reports no resolution or the size
// would come out empty: the caller then keeps the geometry it had.
std::optional<TiletteGeometry> computeTiletteGeometry(const PrinterMetrics& metrics,
                                                      const GeometrySettings& settings);

struct TiletteCounts {
    int tilettesAcross = 0;
    int tilettesDown = 0;
    QString sizeText;  // "Tilette Size -- Width = 1.60 Height = 1.60"
    QString countText; // "Tilettes Down = 6 Across = 5"
};

// How many tilettes of this size fit the printable area, and the texts that tell the user.
// Nothing when the printer reports no resolution or the size is empty.
std::optional<TiletteCounts> computeTiletteCounts(const PrinterMetrics& metrics,
                                                  int perforationMarginX, int perforationMarginY,
                                                  int tiletteWidth, int tiletteHeight);
