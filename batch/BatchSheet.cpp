#include "batch/BatchSheet.h"

#include "batch/BatchError.h"
#include "setup/SetupFile.h"
#include "setup/SetupPictures.h"
#include "setup/SetupRanges.h"
#include "sheet/ComposeSheet.h"
#include "sheet/SheetSizing.h"
#include "sheet/SlotPicture.h"
#include "sheet/SlotTilette.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString slotContext(int slot) {
    return QStringLiteral("Tilette %1: ").arg(slot);
}

// A picture that is missing is named as the setup gave it; the user also learns where else it
// was looked for.
template <class Work> decltype(auto) readingSlot(const BatchSheet& sheet, int slot, Work&& work) {
    try {
        return failingWith(exitInput, std::forward<Work>(work), slotContext(slot));
    } catch (const BatchError& error) {
        const QString& beside = sheet.alsoLookedFor[static_cast<size_t>(slot)];
        if (beside.isEmpty())
            throw;
        throw BatchError(error.status(),
                         error.message() + QStringLiteral("\nIt was also looked for as \"%1\".")
                                               .arg(QDir::toNativeSeparators(beside)));
    }
}

std::vector<int> slotsWithPictures(const SlotTable& table) {
    std::vector<int> used;
    for (int slot = FirstUserSlot; slot <= LastUserSlot; ++slot)
        if (!table[static_cast<size_t>(slot)].FileName.isEmpty())
            used.push_back(slot);
    return used;
}

SetupRecord withChanges(SetupRecord record, const BatchOptions& options) {
    if (options.valueText)
        record.valueText = *options.valueText;
    if (options.captionText)
        record.captionText = *options.captionText;
    if (options.pageType)
        record.sheetType = *options.pageType;
    if (options.orientation)
        record.orientation = *options.orientation;
    return record;
}

} // namespace

BatchSheet readBatchSheet(const BatchOptions& options, QStringList& notes) {
    const SetupRecord read =
        failingWith(exitInput, [&] { return readSetupFile(options.setupFile); });
    const SetupRecord record = withinControlRanges(withChanges(read, options), notes);
    BatchSheet sheet;
    sheet.definition = definitionOf(record, SheetDefinition{});
    sheet.orientation = record.orientation;
    storeSlotNames(record, sheet.table);

    const QString setupFolder = QFileInfo(options.setupFile).absolutePath();
    const std::array<QString, setupSlotCount> found = findPictures(record, setupFolder);
    for (int slot = FirstUserSlot; slot <= LastUserSlot; ++slot) {
        const QString& named = record.pictures[static_cast<size_t>(slot - 1)];
        const QString& path = found[static_cast<size_t>(slot - 1)];
        sheet.table[static_cast<size_t>(slot)].FileName = path;
        if (!named.isEmpty() && !QFileInfo(path).isFile())
            sheet.alsoLookedFor[static_cast<size_t>(slot)] = besideSetup(named, setupFolder);
    }
    for (const PictureChange& change : options.pictures) {
        ImageSlot& slot = sheet.table[static_cast<size_t>(change.slot)];
        slot.FileName = slot.SaveName = change.path;
        sheet.alsoLookedFor[static_cast<size_t>(change.slot)].clear();
    }
    if (slotsWithPictures(sheet.table).empty())
        throw BatchError(exitInput, QStringLiteral("the setup names no pictures, so there is "
                                                   "nothing to lay out; give one with --picture "
                                                   "1=FILE."));
    return sheet;
}

void loadFirstPicture(BatchSheet& sheet, PictureCache& pictures) {
    ImageSlot& first = sheet.table[FirstUserSlot];
    if (first.FileName.isEmpty())
        return;
    const SlotPicture loaded = readingSlot(
        sheet, FirstUserSlot, [&] { return loadSlotPicture(first.FileName, &pictures); });
    first.Width = loaded.width;
    first.Height = loaded.height;
    first.Ratio = loaded.ratio;
}

SheetGrid batchGrid(const BatchSheet& sheet, const PrinterMetrics& metrics) {
    const std::optional<SheetGrid> grid = sheetGridFor(metrics, sheet.definition, sheet.table[1]);
    if (!grid)
        throw BatchError(exitOutput,
                         QStringLiteral("the printer \"%1\" gives no page size, so there is no "
                                        "sheet to lay out.")
                             .arg(metrics.PrinterName));
    return *grid;
}

void drawTilettes(BatchSheet& sheet, const SheetGrid& grid, PictureCache& pictures) {
    pictures.prefetch(tilettePictureRequests(sheet.table, grid));
    for (int slot : slotsWithPictures(sheet.table)) {
        ImageSlot& entry = sheet.table[static_cast<size_t>(slot)];
        entry.TiletteImage =
            readingSlot(sheet, slot, [&] {
                return renderSlotTilette(sheet.definition, grid, slot, entry, &pictures);
            }).tilette;
    }
}

Bitmap shownTilette(const BatchSheet& sheet, const SheetGrid& grid, int slot,
                    PictureCache& pictures) {
    const ImageSlot& entry = sheet.table[static_cast<size_t>(slot)];
    if (entry.FileName.isEmpty())
        throw BatchError(
            exitInput,
            QStringLiteral("--tilette %1: Tilette %1 has no picture in this setup.").arg(slot));
    const SlotTilette drawn = readingSlot(sheet, slot, [&] {
        return renderSlotTilette(sheet.definition, grid, slot, entry, &pictures);
    });
    return withDisplayOverlay(drawn.tilette, sheet.definition.border,
                              sheet.definition.borderColour);
}

Bitmap composedSheet(const BatchSheet& sheet, const SheetGrid& grid, const PrinterMetrics& metrics,
                     bool printing) {
    const PageType pageType = sheet.definition.pageType;
    SheetComposition composition =
        composeSheet(sheet.definition, sheet.table, layoutOf(grid, pageType),
                     printableWidthUnits(metrics), printableHeightUnits(metrics), printing);
    if (!composition.composed) {
        // "One image" fails without a word in the window; here the user needs one.
        const QString name = pageTypeItems().value(static_cast<int>(pageType)).trimmed();
        throw BatchError(exitInput, QStringLiteral("page type \"%1\": ").arg(name) +
                                        (composition.message.isEmpty()
                                             ? QStringLiteral("Tilette 1 has no picture.")
                                             : composition.message));
    }
    return std::move(composition.sheet);
}
