#pragma once

#include "sheet/PageType.h"
#include "sheet/SheetLayout.h"
#include "sheet/SlotTable.h"

#include <QString>
#include <vector>

// One tilette on the sheet: the slot whose tilette goes with its top-left corner at (x, y),
// in tilette units.
struct SheetCell {
    int x = 0;
    int y = 0;
    int slot = 0;
    bool operator==(const SheetCell&) const = default;
};

// Where a page type puts the slots, as data: composition draws it, tests read it.
struct CellPlan {
    bool composed = true;         // false: the page type's slots are not in use, or no pitch
    QString message;              // what the user is told when not composed ("" = no message)
    std::vector<SheetCell> cells; // in placement order; a later cell may cover an earlier one
};

// The cells of a sheet of the given page type over the grid. The Frame's sides are left out
// when the sheet (sheetHeight, in tilette units) has no room for a second row. A page type
// outside the known ones places nothing and counts as composed; a grid without a positive pitch
// places nothing and does not. A known page type whose slots are in use always places a cell.
CellPlan pageTypeCells(PageType type, const SheetGrid& grid, int sheetHeight,
                       const SlotsInUse& inUse);
