#pragma once

#include "prt/PrinterMetrics.h"
#include "sheet/SheetDefinition.h"
#include "sheet/SheetLayout.h"
#include "sheet/SlotTable.h"
#include "tilette/TiletteGeometry.h"

#include <optional>

// The geometry computation for a definition on a printer: the number across or the size set by
// hand, the margins of its border, and the shape of slot 1's picture. Nothing when the printer
// gives no usable page: the caller keeps the size it had.
std::optional<TiletteGeometry> sheetTiletteGeometry(const PrinterMetrics& metrics,
                                                    const SheetDefinition& definition,
                                                    const ImageSlot& firstSlot);

// The grid a geometry computation leaves: its tilette size and counts, and the border's margins.
SheetGrid gridOf(const TiletteGeometry& geometry, BorderType border);

// Drawing a tilette counts again how many of its size fit the printable area inside the
// margins, and the grid takes those counts. Nothing, and the grid as it was, when the printer
// gives no usable page.
std::optional<TiletteCounts> countFittingTilettes(const PrinterMetrics& metrics, SheetGrid& grid);

// The grid a sheet is composed on, as the window has it once the geometry is computed and a
// tilette drawn: both steps above. Nothing when the printer gives no usable page.
std::optional<SheetGrid> sheetGridFor(const PrinterMetrics& metrics,
                                      const SheetDefinition& definition,
                                      const ImageSlot& firstSlot);

// The grid with the page type: what composition and the overlays lay the sheet out by.
SheetLayout layoutOf(const SheetGrid& grid, PageType pageType);
