#include "sheet/ComposeSheet.h"

#include "platform/Canvas.h"
#include "platform/TiletteUnits.h"
#include "sheet/PageTypeCells.h"
#include "sheet/SheetOverlays.h"

namespace {
void drawCells(Bitmap& sheet, const std::vector<SheetCell>& cells, const SlotTable& table) {
    // The canvas must be gone before the overlays open their own on the same sheet.
    Canvas canvas(sheet);
    for (const SheetCell& cell : cells)
        canvas.draw(cell.x, cell.y, table[static_cast<size_t>(cell.slot)].TiletteImage);
}

void drawOverlays(Bitmap& sheet, const SheetDefinition& definition, const SheetLayout& layout,
                  bool printing) {
    switch (definition.border) {
    case BorderType::Perforations:
        if (!printing)
            SheetPerforations(sheet, tiletteUnitsPerInch, layout, definition.borderColour);
        break;
    case BorderType::FilmVertical:
        SheetFilmVertical(sheet, tiletteUnitsPerInch, layout, definition.borderColour);
        break;
    case BorderType::FilmHorizontal:
        SheetFilmHorizontal(sheet, tiletteUnitsPerInch, layout, definition.borderColour);
        break;
    default:
        break;
    }
}
} // namespace

SheetComposition composeSheet(const SheetDefinition& definition, const SlotTable& table,
                              const SheetLayout& layout, int sheetWidth, int sheetHeight,
                              bool printing) {
    SheetComposition result;
    if (sheetWidth <= 0 || sheetHeight <= 0)
        return result;
    result.sheet = Bitmap(sheetWidth, sheetHeight, colours::white);
    const CellPlan plan = pageTypeCells(layout.pageType, layout, sheetHeight, slotsInUse(table));
    if (!plan.composed) {
        result.message = plan.message;
        return result;
    }
    drawCells(result.sheet, plan.cells, table);
    drawOverlays(result.sheet, definition, layout, printing);
    result.composed = true;
    return result;
}
