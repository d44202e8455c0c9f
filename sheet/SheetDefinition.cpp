#include "sheet/SheetDefinition.h"

namespace {
// Only face, size and colour reach the canvas.
CanvasFont canvasFontOf(const FontChoice& choice) {
    return {choice.face, choice.points, choice.colour};
}
} // namespace

TiletteStyle styleOf(const SheetDefinition& definition) {
    TiletteStyle style;
    style.border = static_cast<int>(definition.border);
    style.borderColour = definition.borderColour;
    style.backgroundColour = definition.backgroundColour;
    style.blank = definition.blank;
    style.valueText = definition.valueText;
    style.valueFont = canvasFontOf(definition.valueFont);
    style.valueCorner = static_cast<int>(definition.valueCorner);
    style.captionText = definition.captionText;
    style.captionFont = canvasFontOf(definition.captionFont);
    style.captionEdge = static_cast<int>(definition.captionEdge);
    return style;
}
