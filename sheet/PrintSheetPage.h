#pragma once

#include "platform/Bitmap.h"
#include "platform/Canvas.h"
#include "prt/PrinterMetrics.h"
#include "sheet/SheetDefinition.h"
#include "sheet/SheetLayout.h"

#include <QString>

class PrinterSystem;

// The printed page of a composed sheet, drawn on an open job's page: the sheet in bands
// stretched to the printer's resolution, from the left edge of the printable area and centred
// down it; with Perforations, the dots drawn at the printer's resolution where the tilettes came
// out (a sheet composed for printing carries none).
void drawSheetPage(Canvas& page, const Bitmap& sheet, const PrinterMetrics& metrics,
                   const SheetDefinition& definition, const SheetGrid& grid);

// Prints that page as one job on the selected printer, which makes the copies; a printer that
// cannot (a PDF file) gets the page once a copy. Throws UserError when the printer fails; a job
// dropped by an error is aborted, so nothing half-drawn goes out.
void printSheetPage(PrinterSystem& printers, const QString& title, const Bitmap& sheet,
                    const PrinterMetrics& metrics, const SheetDefinition& definition,
                    const SheetGrid& grid);
