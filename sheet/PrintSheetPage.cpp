#include "sheet/PrintSheetPage.h"

#include "platform/PrinterSystem.h"
#include "prt/BandedPrinting.h"
#include "sheet/PrintPerforations.h"
#include "sheet/SheetSizing.h"

#include <QPainter>

void drawSheetPage(Canvas& page, const Bitmap& sheet, const PrinterMetrics& metrics,
                   const SheetDefinition& definition, const SheetGrid& grid) {
    PrintBitmapBanded(page, sheet, metrics.PixelsPerInchX, metrics.PixelsPerInchY,
                      metrics.PageHeight);
    if (definition.border != BorderType::Perforations)
        return;
    page.painter().save();
    // The dots go where the tilettes were printed: the sheet is centred down the page.
    page.painter().translate(
        0, printedTop(sheet.height(), metrics.PixelsPerInchY, metrics.PageHeight));
    PrintPerforations(page, metrics.PixelsPerInchX, metrics.PixelsPerInchY,
                      layoutOf(grid, definition.pageType), definition.borderColour);
    page.painter().restore();
}

void printSheetPage(PrinterSystem& printers, const QString& title, const Bitmap& sheet,
                    const PrinterMetrics& metrics, const SheetDefinition& definition,
                    const SheetGrid& grid) {
    const std::unique_ptr<PrintJob> job = printers.beginDocument(title);
    for (int copy = 0; copy < job->pageCopies(); ++copy) {
        if (copy > 0)
            job->newPage();
        Canvas page(job->page());
        drawSheetPage(page, sheet, metrics, definition, grid);
    }
    job->finish();
}
