#pragma once

#include "platform/Bitmap.h"
#include "sheet/SheetDefinition.h"
#include "sheet/SheetLayout.h"
#include "sheet/SlotTable.h"

#include <QString>

// The sheet as preview, print and export all see it.
struct SheetComposition {
    Bitmap sheet;          // sheetWidth × sheetHeight, white, tilettes unscaled, overlays on top
    bool composed = false; // false: nothing was laid out, the sheet is white (or empty)
    QString message;       // the page type's failure message, if any
};

// Lays the slots' tilettes (as last drawn) over a white sheet of the printable size, in tilette
// units, by the layout's page type, and adds the border's sheet-wide overlays. While printing,
// the perforations are left off: they are printed on their own at the printer's resolution.
// A sheet size of zero or less has nothing to lay out: the bitmap is empty, composed is false
// and there is no message.
SheetComposition composeSheet(const SheetDefinition& definition, const SlotTable& table,
                              const SheetLayout& layout, int sheetWidth, int sheetHeight,
                              bool printing);
