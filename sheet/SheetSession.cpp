#include "sheet/SheetSession.h"

#include "sheet/SheetSizing.h"

namespace {
template <class Work> decltype(auto) readingSlot(int slot, Work&& work) {
    try {
        return std::forward<Work>(work)();
    } catch (const UserError& error) {
        throw SlotPictureError(slot, error.message());
    }
}

SheetChanges pictureChanged(int slot) {
    SheetChanges changes;
    changes.pictures.set(static_cast<size_t>(slot));
    return changes;
}
} // namespace

SheetChanges& SheetChanges::operator|=(const SheetChanges& other) {
    definition = definition || other.definition;
    grid = grid || other.grid;
    pictures |= other.pictures;
    tilettes |= other.tilettes;
    return *this;
}

SheetChanges SheetSession::setDefinition(const SheetDefinition& definition) {
    SheetChanges changes;
    changes.definition = definition != definition_;
    definition_ = definition;
    return changes |= workOutGrid();
}

SheetChanges SheetSession::setPrinterMetrics(const PrinterMetrics& metrics) {
    metrics_ = metrics;
    return workOutGrid();
}

SheetChanges SheetSession::setSlotTable(const SlotTable& table) {
    slots_ = table;
    SheetChanges changes;
    changes.pictures.set();
    return changes |= workOutGrid();
}

Changed<Bitmap> SheetSession::loadPicture(int slot, const QString& path) {
    ImageSlot& entry = slots_.at(static_cast<size_t>(slot));
    SlotPicture loaded = readingSlot(slot, [&] { return loadSlotPicture(path, &pictures_); });
    entry.FileName = path;
    entry.SaveName = path;
    return {std::move(loaded.square), tookShape(slot, loaded)};
}

Changed<Bitmap> SheetSession::reloadPicture(int slot) {
    const QString& path = slots_.at(static_cast<size_t>(slot)).FileName;
    if (path.isEmpty())
        return {};
    SlotPicture loaded = readingSlot(slot, [&] { return loadSlotPicture(path, &pictures_); });
    return {std::move(loaded.square), tookShape(slot, loaded)};
}

SheetChanges SheetSession::tookShape(int slot, const SlotPicture& picture) {
    ImageSlot& entry = slots_[static_cast<size_t>(slot)];
    entry.Width = picture.width;
    entry.Height = picture.height;
    entry.Ratio = picture.ratio;
    // Slot 1's shape sets the tilette height.
    return pictureChanged(slot) |= workOutGrid();
}

SheetChanges SheetSession::deletePicture(int slot) {
    ImageSlot& entry = slots_.at(static_cast<size_t>(slot));
    ImageSlot empty;
    // The last tilette drawn stays; it no longer counts because the slot is empty.
    empty.TiletteImage = entry.TiletteImage;
    entry = empty;
    return pictureChanged(slot) |= workOutGrid();
}

SheetChanges SheetSession::workOutGrid() {
    const std::optional<SheetGrid> worked =
        sheetGridFor(metrics_, definition_, slots_[FirstUserSlot]);
    SheetChanges changes;
    changes.grid = worked.has_value() != hasPage_ || (worked && *worked != grid_);
    hasPage_ = worked.has_value();
    if (worked)
        grid_ = *worked;
    return changes;
}

std::optional<SheetGrid> SheetSession::grid() const {
    if (!hasPage_)
        return std::nullopt;
    return grid_;
}

Changed<SlotTilette> SheetSession::drawTilette(int slot) {
    ImageSlot& entry = slots_.at(static_cast<size_t>(slot));
    SlotTilette drawn = readingSlot(
        slot, [&] { return renderSlotTilette(definition_, grid_, slot, entry, &pictures_); });
    entry.TiletteImage = drawn.tilette;
    SheetChanges changes;
    changes.tilettes.set(static_cast<size_t>(slot));
    return {std::move(drawn), changes};
}

SheetChanges SheetSession::drawAllTilettes() {
    pictures_.prefetch(tilettePictureRequests(slots_, grid_));
    SheetChanges changes;
    for (int slot = FirstUserSlot; slot <= LastUserSlot; ++slot)
        if (!slots_[static_cast<size_t>(slot)].FileName.isEmpty())
            changes |= drawTilette(slot).changes;
    return changes;
}

Bitmap SheetSession::shownTilette(int slot) const {
    return withDisplayOverlay(slots_.at(static_cast<size_t>(slot)).TiletteImage, definition_.border,
                              definition_.borderColour);
}

SheetComposition SheetSession::compose(bool printing) const {
    return composeSheet(definition_, slots_, layoutOf(grid_, definition_.pageType),
                        printableWidthUnits(metrics_), printableHeightUnits(metrics_), printing);
}

Changed<Bitmap> SheetSession::acceptColouring(int slot, const QString& copyPath, int colorScheme) {
    ImageSlot& entry = slots_.at(static_cast<size_t>(slot));
    SlotPicture loaded = readingSlot(slot, [&] { return loadSlotPicture(copyPath, &pictures_); });
    entry.FileName = copyPath;
    entry.ColorScheme = colorScheme;
    return {std::move(loaded.square), tookShape(slot, loaded)};
}

bool SheetSession::recordStep(const QString& name, bool continuesBurst) {
    return history_.record(name, sheetStateOf(definition_, slots_), continuesBurst);
}

SheetChanges SheetSession::undo() {
    return history_.canUndo() ? restore(history_.undo()) : SheetChanges{};
}

SheetChanges SheetSession::redo() {
    return history_.canRedo() ? restore(history_.redo()) : SheetChanges{};
}

SheetChanges SheetSession::restore(const SheetState& sheet) {
    SheetChanges changes = setDefinition(sheet.definition);
    std::optional<SlotPictureError> unreadable;
    for (int slot = FirstUserSlot; slot <= LastUserSlot; ++slot) {
        const SlotState& wanted = sheet.pictures[static_cast<size_t>(slot)];
        ImageSlot& entry = slots_[static_cast<size_t>(slot)];
        if (SlotState{entry.FileName, entry.SaveName, entry.ColorScheme} == wanted)
            continue;
        if (wanted.fileName.isEmpty()) {
            changes |= deletePicture(slot);
            continue;
        }
        try {
            changes |= acceptColouring(slot, wanted.fileName, wanted.colorScheme).changes;
            entry.SaveName = wanted.saveName;
        } catch (const SlotPictureError& error) {
            changes |= deletePicture(slot);
            if (!unreadable)
                unreadable = error;
        }
    }
    if (unreadable)
        throw *unreadable;
    return changes;
}
