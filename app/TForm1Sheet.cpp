// The whole sheet: composing it from the slots' tilettes and showing it on the "Preview" page.
#include "app/TForm1.h"

#include "app/SheetViewer.h"
#include "app/controls/ImageBox.h"
#include "app/controls/PageControl.h"
#include "platform/Canvas.h"
#include "platform/ui/BusyCursor.h"
#include "sheet/SheetPreview.h"

#include <QScopeGuard>

// Lays the slots' tilettes out over the printable area into SheetBitmap and shows the sheet
// reduced on the "Preview" page. False when the page type's slots are not in use: the user has
// been told why, where there is something to tell.
bool TForm1::PrintPreview() {
    LockControls();
    const auto unlock = qScopeGuard([this] { UnlockControls(); });
    {
        Canvas canvas(PreviewImage->picture());
        canvas.fillRect({0, 0, PreviewImage->width(), PreviewImage->height()}, colours::aqua);
    }
    PreviewImage->update();
    RefreshTilettes();

    // The printer may have changed since the grid was worked out; the sheet takes its page now.
    RefreshPrinterMetrics();
    const int sheetWidth = printableWidthUnits(session_.printerMetrics());
    const int sheetHeight = printableHeightUnits(session_.printerMetrics());
    if (sheetWidth <= 0 || sheetHeight <= 0) {
        state.SheetBitmap = Bitmap();
        dialogs_.message(QStringLiteral("The printer gives no page size, so there is no sheet to "
                                        "lay out. Choose a printer with Printer Setup."));
        return false;
    }
    takeDefinition();
    SheetComposition composition =
        state.Printing ? session_.composeForPrinting() : session_.composeForPreview();
    state.SheetBitmap = std::move(composition.sheet);
    if (!composition.composed) {
        QString message = composition.message;
        // Without slot 1 "One image" has nothing to lay out and no words of its own for it; a
        // user left with a silent button would not know what to do.
        if (message.isEmpty() && session_.slotTable()[1].FileName.isEmpty())
            message = QStringLiteral("Choose a picture for Tilette 1 first.");
        if (!message.isEmpty())
            dialogs_.message(message);
        return false;
    }
    {
        Canvas canvas(PreviewImage->picture());
        canvas.stretchDraw(sheetPreviewRect(sheetWidth, sheetHeight, PreviewImage->width(),
                                            PreviewImage->height()),
                           state.SheetBitmap);
    }
    PreviewImage->update();
    return true;
}

void TForm1::PreviewButtonClick() {
    previewSheet();
}

// The sheet composed and shown on the Preview page, and in the viewer when it is open.
void TForm1::previewSheet() {
    const BusyCursor busy;
    if (!PrintPreview())
        return;
    PageControl1->setTabVisible(PreviewTabSheet, true);
    PageControl1->setActivePage(PreviewTabSheet);
    if (sheetViewer && sheetViewer->isVisible())
        sheetViewer->showSheet(state.SheetBitmap.image());
}

void TForm1::ViewSheetItemClick() {
    const auto composed = [this] {
        return PageControl1->tabVisible(PreviewTabSheet) && !state.SheetBitmap.isEmpty();
    };
    if (!composed()) {
        previewSheet();
        if (!composed())
            return;
    }
    if (!sheetViewer)
        sheetViewer = new SheetViewer(this);
    // Shown first, so that the sheet is fitted to the view it gets.
    const bool behind = !sheetViewer->isVisible() || !sheetViewer->showsSheet();
    sheetViewer->show();
    if (behind)
        sheetViewer->showSheet(state.SheetBitmap.image());
    sheetViewer->raise();
    sheetViewer->activateWindow();
}
