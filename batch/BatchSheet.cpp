#include "batch/BatchSheet.h"

#include "setup/SetupFile.h"
#include "setup/SetupPictures.h"
#include "setup/SetupRanges.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {

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

PlacesLookedIn readBatchSheet(const BatchOptions& options, SheetSession& session,
                              QStringList& notes) {
    const SetupRecord read =
        failingWith(exitInput, [&] { return readSetupFile(options.setupFile); });
    const SetupRecord record = withinControlRanges(withChanges(read, options), notes);
    SlotTable table;
    storeSlotNames(record, table);

    PlacesLookedIn lookedIn;
    const QString setupFolder = QFileInfo(options.setupFile).absolutePath();
    const std::array<QString, setupSlotCount> found = findPictures(record, setupFolder);
    for (int slot = FirstUserSlot; slot <= LastUserSlot; ++slot) {
        const QString& named = record.pictures[static_cast<size_t>(slot - 1)];
        const QString& path = found[static_cast<size_t>(slot - 1)];
        table[static_cast<size_t>(slot)].FileName = path;
        if (!named.isEmpty() && !QFileInfo(path).isFile())
            lookedIn[static_cast<size_t>(slot)] = besideSetup(named, setupFolder);
    }
    for (const PictureChange& change : options.pictures) {
        ImageSlot& slot = table[static_cast<size_t>(change.slot)];
        slot.FileName = slot.SaveName = change.path;
        lookedIn[static_cast<size_t>(change.slot)].clear();
    }
    const SlotsInUse inUse = slotsInUse(table);
    if (std::find(inUse.begin(), inUse.end(), true) == inUse.end())
        throw BatchError(exitInput, QStringLiteral("the setup names no pictures, so there is "
                                                   "nothing to lay out; give one with --picture "
                                                   "1=FILE."));
    session.setDefinition(definitionOf(record, SheetDefinition{}));
    session.setOrientation(record.orientation);
    session.setSlotTable(table);
    return lookedIn;
}

// A picture that is missing is named as the setup gave it; the user also learns where else it
// was looked for.
BatchError pictureFailure(const SlotPictureError& error, const PlacesLookedIn& lookedIn) {
    QString message = QStringLiteral("Tilette %1: ").arg(error.slot()) + error.message();
    const QString& beside = lookedIn.at(static_cast<size_t>(error.slot()));
    if (!beside.isEmpty())
        message += QStringLiteral("\nIt was also looked for as \"%1\".")
                       .arg(QDir::toNativeSeparators(beside));
    return BatchError(exitInput, message);
}

void layOutBatchSheet(SheetSession& session, const PlacesLookedIn& lookedIn) {
    readingPictures(lookedIn, [&] { session.reloadPicture(FirstUserSlot); });
    session.layOutTilettes();
    if (!session.hasPage())
        throw BatchError(exitOutput,
                         QStringLiteral("the printer \"%1\" gives no page size, so there is no "
                                        "sheet to lay out.")
                             .arg(session.printerMetrics().PrinterName));
}

Bitmap shownTilette(SheetSession& session, int slot, const PlacesLookedIn& lookedIn) {
    if (session.slotTable()[static_cast<size_t>(slot)].FileName.isEmpty())
        throw BatchError(
            exitInput,
            QStringLiteral("--tilette %1: Tilette %1 has no picture in this setup.").arg(slot));
    readingPictures(lookedIn, [&] { session.drawTilette(slot); });
    return session.shownTilette(slot);
}

Bitmap composedSheet(const SheetSession& session, bool printing) {
    SheetComposition composition =
        printing ? session.composeForPrinting() : session.composeForPreview();
    if (!composition.composed) {
        // "One image" fails without a word in the window; here the user needs one.
        const PageType pageType = session.definition().pageType;
        const QString name = pageTypeItems().value(static_cast<int>(pageType)).trimmed();
        throw BatchError(exitInput, QStringLiteral("page type \"%1\": ").arg(name) +
                                        (composition.message.isEmpty()
                                             ? QStringLiteral("Tilette 1 has no picture.")
                                             : composition.message));
    }
    return std::move(composition.sheet);
}
