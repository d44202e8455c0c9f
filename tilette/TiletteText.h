#pragma once

#include "platform/Bitmap.h"
#include "platform/Canvas.h"
#include "platform/Geometry.h"
#include "tilette/TiletteStyle.h"

#include <QString>
#include <optional>
#include <vector>

// A piece of text and the top-left corner of its text cell.
struct PlacedText {
    QString text;
    Point position;
    bool operator==(const PlacedText&) const = default;
};

// Where the value and the caption go. A caption along the top or bottom is one piece; along
// the left or right it is one piece per character, stacked in a column.
struct TextLayout {
    std::optional<PlacedText> value;
    std::vector<PlacedText> caption;
};

// Places the texts inside the 25-unit frame of tiletteRect, measuring with the style's fonts
// on the canvas (which is left holding the caption font, or the value font without caption).
TextLayout layoutText(Canvas& canvas, const Rect& tiletteRect, const TiletteStyle& style);

// Draws the value text in its corner and the caption along its edge.
void AddText(Bitmap& tilette, const Rect& tiletteRect, const TiletteStyle& style);
