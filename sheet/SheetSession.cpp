#include "sheet/SheetSession.h"

#include "colour/ColourSchemes.h"
#include "sheet/PrintSheetPage.h"
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
    return changes;
}

SheetChanges SheetSession::setSlotTable(const SlotTable& table) {
    slots_ = table;
    SheetChanges changes;
    changes.pictures.set();
    return changes;
}

void SheetSession::setSlotNames(int slot, const QString& saveName, int colorScheme) {
    ImageSlot& entry = slots_.at(static_cast<size_t>(slot));
    entry.SaveName = saveName;
    entry.ColorScheme = colorScheme;
}

Changed<Bitmap> SheetSession::loadPicture(int slot, const QString& path) {
    Changed<Bitmap> loaded = reloadPicture(slot, path);
    slots_[static_cast<size_t>(slot)].SaveName = path;
    return loaded;
}

Changed<Bitmap> SheetSession::reloadPicture(int slot) {
    const QString path = slots_.at(static_cast<size_t>(slot)).FileName;
    if (path.isEmpty())
        return {};
    return reloadPicture(slot, path);
}

Changed<Bitmap> SheetSession::reloadPicture(int slot, const QString& path) {
    ImageSlot& entry = slots_.at(static_cast<size_t>(slot));
    SlotPicture loaded = readingSlot(slot, [&] { return loadSlotPicture(path, &pictures_); });
    entry.FileName = path;
    return {std::move(loaded.square), tookShape(slot, loaded)};
}

SheetChanges SheetSession::tookShape(int slot, const SlotPicture& picture) {
    ImageSlot& entry = slots_[static_cast<size_t>(slot)];
    entry.Width = picture.width;
    entry.Height = picture.height;
    entry.Ratio = picture.ratio;
    return pictureChanged(slot);
}

SheetChanges SheetSession::deletePicture(int slot) {
    ImageSlot& entry = slots_.at(static_cast<size_t>(slot));
    ImageSlot empty;
    // The last tilette drawn stays; it no longer counts because the slot is empty.
    empty.TiletteImage = entry.TiletteImage;
    entry = empty;
    return pictureChanged(slot);
}

Changed<std::optional<TiletteGeometry>> SheetSession::resizeTilettes() {
    std::optional<TiletteGeometry> geometry =
        sheetTiletteGeometry(metrics_, definition_, slots_[FirstUserSlot]);
    hasPage_ = geometry.has_value();
    SheetChanges changes;
    if (geometry) {
        const SheetGrid resized = gridOf(*geometry, definition_.border);
        changes.grid = resized != grid_;
        grid_ = resized;
        // The size fields show the size worked out.
        SheetDefinition sized = definition_;
        sized.widthPosition = geometry->widthPosition;
        sized.heightPosition = geometry->heightPosition;
        changes |= setDefinition(sized);
    }
    return {std::move(geometry), changes};
}

SheetChanges SheetSession::takeBorderMargins() {
    const PerforationMargins margins = perforationMarginsOf(definition_.border);
    SheetChanges changes;
    changes.grid = margins.x != grid_.perforationMarginX || margins.y != grid_.perforationMarginY;
    grid_.perforationMarginX = margins.x;
    grid_.perforationMarginY = margins.y;
    return changes;
}

Changed<std::optional<TiletteCounts>> SheetSession::countTilettes() {
    const SheetGrid before = grid_;
    std::optional<TiletteCounts> counts = countFittingTilettes(metrics_, grid_);
    hasPage_ = counts.has_value();
    SheetChanges changes;
    changes.grid = grid_ != before;
    return {std::move(counts), changes};
}

void SheetSession::startGrid(int tiletteWidth, int tiletteHeight) {
    grid_ = SheetGrid{tiletteWidth, tiletteHeight, 0, 0, 0, 0};
}

SheetChanges SheetSession::layOutTilettes() {
    SheetChanges changes = resizeTilettes().changes;
    return changes |= countTilettes().changes;
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

SheetChanges SheetSession::acceptColouring(int slot, const QString& copyPath, int colorScheme) {
    ImageSlot& entry = slots_.at(static_cast<size_t>(slot));
    entry.FileName = copyPath;
    entry.ColorScheme = colorScheme;
    return pictureChanged(slot);
}

SheetChanges SheetSession::cancelColouring(int slot) {
    ImageSlot& entry = slots_.at(static_cast<size_t>(slot));
    entry.ColorScheme = noColourScheme;
    if (!entry.SaveName.isEmpty())
        entry.FileName = entry.SaveName;
    return pictureChanged(slot);
}

void SheetSession::print(PrinterSystem& printers, const QString& title,
                         const Bitmap& composed) const {
    printSheetPage(printers, title, composed, metrics_, definition_, grid_);
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
            changes |= reloadPicture(slot, wanted.fileName).changes;
            setSlotNames(slot, wanted.saveName, wanted.colorScheme);
        } catch (const SlotPictureError& error) {
            changes |= deletePicture(slot);
            if (!unreadable)
                unreadable = error;
        }
    }
    changes |= layOutTilettes();
    if (unreadable)
        throw *unreadable;
    return changes;
}
