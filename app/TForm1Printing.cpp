// Printing the sheet, and choosing the printer.
#include "app/TForm1.h"

#include "app/WindowTexts.h"
#include "app/controls/PageControl.h"
#include "app/controls/UpDown.h"
#include "platform/PictureFile.h"
#include "platform/PrinterSystem.h"
#include "platform/UserError.h"
#include "platform/ui/BusyCursor.h"

#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>
#include <QStandardPaths>

void TForm1::PrintButtonClick() {
    LockControls();
    state.Printing = true;
    const auto done = qScopeGuard([this] {
        state.Printing = false;
        UnlockControls();
    });
    const BusyCursor busy;
    // Composed while printing, the sheet leaves the perforations to the printer.
    if (PrintPreview())
        PrintSheet();
}

// Where the built-in PDF printer writes; nothing when the user cancels. The file is named after
// the setup, in the folder printed to last, or else the documents folder (looked for each time:
// it may have been made meanwhile) or the home folder when there is none.
std::optional<QString> TForm1::askForPdfFile() {
    FileDialogRequest request = PrintToPdfDialog;
    if (request.folder.isEmpty() || !QFileInfo(request.folder).isDir()) {
        const QString documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        request.folder =
            !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
    }
    request.fileName = (state.SetupFile.isEmpty() ? QStringLiteral("sheet")
                                                  : QFileInfo(state.SetupFile).completeBaseName()) +
                       QStringLiteral(".pdf");
    const std::optional<QString> chosen = dialogs_.saveFile(request);
    if (chosen)
        PrintToPdfDialog.folder = QFileInfo(*chosen).absolutePath();
    return chosen;
}

void TForm1::PrintSheet() {
    const PrinterMetrics& metrics = session_.printerMetrics();
    if (metrics.PixelsPerInchX <= 0 || metrics.PixelsPerInchY <= 0 || metrics.PageHeight <= 0)
        throw UserError(QStringLiteral("The printer gives no resolution or page size, so nothing "
                                       "was printed. Choose another printer with Printer Setup."));
    if (state.SheetBitmap.isEmpty())
        throw UserError(QStringLiteral("The sheet came out empty, so nothing was printed."));
    std::optional<QString> pdfFile;
    if (printers_.printsToFile()) {
        pdfFile = askForPdfFile();
        if (!pdfFile) {
            dialogs_.message(QStringLiteral("Nothing printed."));
            return;
        }
        printers_.setOutputFile(*pdfFile);
    }
    writeBitmapFile(QDir(state.DataFolder).filePath(QStringLiteral("~~page.bmp")),
                    state.SheetBitmap);
    printers_.setCopies(CopiesUpDown->position());
    session_.print(printers_, texts::windowTitle, state.SheetBitmap);
    state.SheetBitmap = Bitmap(state.SheetBitmap.width(), state.SheetBitmap.height());
    if (pdfFile)
        dialogs_.message(QStringLiteral("The sheet was printed to \"%1\".")
                             .arg(QDir::toNativeSeparators(*pdfFile)));
    else
        // A print queue gives no sign of its own that the job arrived.
        dialogs_.message(QStringLiteral("The sheet was sent to the printer \"%1\": %2 %3.")
                             .arg(printers_.printerNames().value(printers_.selectedIndex()))
                             .arg(CopiesUpDown->position())
                             .arg(CopiesUpDown->position() == 1 ? QStringLiteral("copy")
                                                                : QStringLiteral("copies")));
}

void TForm1::PrinterSetupButtonClick() {
    dialogs_.printerSetup(printers_);
    const PrinterMetrics before = session_.printerMetrics();
    RefreshPrinterMetrics();
    PageControl1->setActivePage(StandardTabSheet);
    // Another page takes another tilette size for the same number across, as a click on that
    // number would work it out; a size set by hand stays.
    if (session_.printerMetrics() != before)
        resizeTilettes();
    else
        DrawTilette(state.CurrentSlot);
}
