// Saving the sheet or the tilette shown as a picture file.
#include "app/TForm1.h"

#include "platform/ui/BusyCursor.h"
#include "sheet/ImageExport.h"

#include <QAction>
#include <QFileInfo>
#include <QScopeGuard>

namespace {

struct ExportItem {
    QAction* item;
    ExportKind kind;
};

// The item that sent the click decides; anything else is taken as the item the handler is named
// after.
ExportKind kindOf(QAction* sender, std::initializer_list<ExportItem> items) {
    for (const ExportItem& entry : items)
        if (entry.item == sender)
            return entry.kind;
    return items.begin()->kind;
}

// The one save dialog is set up for the kind each time: the six items share it. Its folder
// stays where the user saved last.
std::optional<QString> askWhereToSave(Dialogs& dialogs, FileDialogRequest& dialog,
                                      ExportKind kind) {
    const ExportDialogTexts texts = exportDialogTexts(kind);
    dialog.title = texts.title;
    dialog.filters = texts.filters;
    dialog.selectedFilter = 0;
    dialog.defaultSuffix = texts.defaultSuffix;
    dialog.confirmOverwrite = true;
    const std::optional<QString> chosen = dialogs.saveFile(dialog);
    if (chosen)
        dialog.folder = QFileInfo(*chosen).absolutePath();
    else
        dialogs.message(texts.cancelMessage);
    return chosen;
}

} // namespace

// Asks where, then makes the picture with the window locked and the busy cursor showing, and
// writes it; nothing is written when making it fails.
void TForm1::exportPicture(ExportKind kind, const std::function<const Bitmap*()>& make) {
    const std::optional<QString> path = askWhereToSave(dialogs_, ImageSavePictureDialog, kind);
    if (!path)
        return;
    LockControls();
    const auto unlock = qScopeGuard([this] { UnlockControls(); });
    const BusyCursor busy;
    if (const Bitmap* picture = make())
        writeExportFile(*path, kind, *picture);
}

void TForm1::SaveSheetImageBestItemClick(QAction* sender) {
    const ExportKind kind =
        kindOf(sender, {{SaveSheetImageBestItem, ExportKind::SheetBest},
                        {SaveSheetImageGoodItem, ExportKind::SheetGood},
                        {SaveSheetImageforEmailItem, ExportKind::SheetForEmail}});
    exportPicture(kind, [this]() -> const Bitmap* {
        // Composed anew, so the file shows the settings as they are now.
        if (PrintPreview())
            return &state.SheetBitmap;
        dialogs_.message(QStringLiteral("Image not saved."));
        return nullptr;
    });
}

void TForm1::SaveSingleTiletteImageBestItemClick(QAction* sender) {
    const ExportKind kind =
        kindOf(sender, {{SaveSingleTiletteImageBestItem, ExportKind::TiletteBest},
                        {SaveSingleTiletteImageGoodItem, ExportKind::TiletteGood},
                        {SaveSingleTiletteImageforEmailItem, ExportKind::TiletteForEmail}});
    exportPicture(kind, [this] {
        DrawTilette(state.CurrentSlot);
        return &state.CurrentTilette;
    });
}
