#pragma once

#include "batch/BatchOptions.h"
#include "platform/Bitmap.h"
#include "prt/PrinterMetrics.h"
#include "sheet/PictureCache.h"
#include "sheet/SheetDefinition.h"
#include "sheet/SheetLayout.h"
#include "sheet/SlotTable.h"

#include <QStringList>
#include <array>

// The sheet a run lays out: the setup file with the command line's changes.
struct BatchSheet {
    SheetDefinition definition;
    SlotTable table;
    PageOrientation orientation = PageOrientation::Portrait;
    // Where each slot's picture was also looked for when the setup's name was not found:
    // beside the setup file (empty when nowhere else).
    std::array<QString, LastUserSlot + 1> alsoLookedFor;
};

// Reads the setup file and applies the options' changes. Numbers no control takes are moved into
// range as the window does, and notes tells which. Throws BatchError: exitInput for a setup that
// cannot be read, or names no picture at all.
BatchSheet readBatchSheet(const BatchOptions& options, QStringList& notes);

// Reads slot 1's picture as the window loads it, for its shape, which sets the tilette height.
// The other slots' pictures are read once, when their tilettes are drawn. Throws BatchError with
// exitInput naming the slot and the file.
void loadFirstPicture(BatchSheet& sheet, PictureCache& pictures);

// The grid on the printer. Throws BatchError with exitOutput when it gives no usable page.
SheetGrid batchGrid(const BatchSheet& sheet, const PrinterMetrics& metrics);

// Draws the tilette of every used slot, as the window does before composing. Throws BatchError
// with exitInput naming the slot and its file.
void drawTilettes(BatchSheet& sheet, const SheetGrid& grid, PictureCache& pictures);

// One slot's tilette as the window shows and exports it: with the perforations or film holes
// that on the sheet run across the tilettes. Throws BatchError with exitInput when the slot
// has no picture or it cannot be read.
Bitmap shownTilette(const BatchSheet& sheet, const SheetGrid& grid, int slot,
                    PictureCache& pictures);

// The sheet composed from the drawn tilettes over the printer's printable area; for printing
// (PDF included) without the perforations, which the page gets at the printer's resolution.
// Throws BatchError with exitInput and the page type's message when its slots are not in use.
Bitmap composedSheet(const BatchSheet& sheet, const SheetGrid& grid, const PrinterMetrics& metrics,
                     bool printing);
