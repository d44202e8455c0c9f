#pragma once

#include "platform/Bitmap.h"
#include "platform/PrinterSystem.h"
#include "platform/UserError.h"
#include "prt/PrinterMetrics.h"
#include "sheet/ComposeSheet.h"
#include "sheet/PictureCache.h"
#include "sheet/SheetDefinition.h"
#include "sheet/SheetHistory.h"
#include "sheet/SheetLayout.h"
#include "sheet/SlotPicture.h"
#include "sheet/SlotTable.h"
#include "sheet/SlotTilette.h"

#include <bitset>
#include <optional>

// What an operation on a session changed, so that a front-end repaints each part once however
// many steps the operation took.
struct SheetChanges {
    bool definition = false;         // a setting
    bool grid = false;               // the tilette size or counts, or whether there is a page
    std::bitset<SlotCount> pictures; // slots whose picture was loaded, read again or deleted
    std::bitset<SlotCount> tilettes; // slots whose tilette was drawn

    bool any() const { return definition || grid || pictures.any() || tilettes.any(); }
    SheetChanges& operator|=(const SheetChanges& other);
    bool operator==(const SheetChanges&) const = default;
};

// What an operation made, and what making it changed.
template <class Result> struct Changed {
    Result result;
    SheetChanges changes;
};

// A slot's picture could not be read: the reader's message, and the slot, so that a front-end
// can say which tilette it was.
class SlotPictureError : public UserError {
  public:
    SlotPictureError(int slot, const QString& message) : UserError(message), slot_(slot) {}
    int slot() const { return slot_; }

  private:
    int slot_;
};

// One sheet as a front-end drives it: its settings, its slots and their pictures, the printer
// it is laid out for with the grid that gives, and the pictures decoded so far. It never asks
// the user anything nor paints: each operation hands back what it made and what changed.
class SheetSession {
  public:
    const SheetDefinition& definition() const { return definition_; }
    SheetChanges setDefinition(const SheetDefinition& definition);

    // The page's orientation, kept for the front-end to give its printer: the metrics it then
    // reads already follow it.
    PageOrientation orientation() const { return orientation_; }
    void setOrientation(PageOrientation orientation) { orientation_ = orientation; }

    const PrinterMetrics& printerMetrics() const { return metrics_; }
    SheetChanges setPrinterMetrics(const PrinterMetrics& metrics);

    const SlotTable& slotTable() const { return slots_; }
    // The slots as a setup names them; their pictures are read with reloadPicture.
    SheetChanges setSlotTable(const SlotTable& table);

    // Reads the file at path into the slot as the user's choice, names and shape, and returns
    // its 900 × 900 square. A file that cannot be read throws SlotPictureError and leaves the
    // slot as it was.
    Changed<Bitmap> loadPicture(int slot, const QString& path);
    // Reads the slot's own file again for its shape, keeping its names. A slot without a file
    // has nothing to read: no square and no change.
    Changed<Bitmap> reloadPicture(int slot);
    SheetChanges deletePicture(int slot);

    // The grid the sheet is laid out by. Nothing when the printer gives no usable page: the
    // tilettes are then drawn at the size they had.
    std::optional<SheetGrid> grid() const;

    // Draws the slot's tilette (slot 0: the sample picture) and keeps it for the sheet. Throws
    // SlotPictureError when its picture cannot be read.
    Changed<SlotTilette> drawTilette(int slot);
    // Draws every used slot's tilette, the pictures decoded side by side first. Throws
    // SlotPictureError at the first slot that cannot be drawn; those before it are drawn.
    SheetChanges drawAllTilettes();
    // The slot's tilette as last drawn, as shown and exported: with the perforations or film
    // holes that on the sheet run across neighbouring tilettes.
    Bitmap shownTilette(int slot) const;

    // The sheet over the printable area from the tilettes as last drawn: as the preview shows
    // it and a picture export writes it, or for printing, without the perforations that are
    // printed on their own at the printer's resolution.
    SheetComposition composeForPreview() const { return compose(false); }
    SheetComposition composeForPrinting() const { return compose(true); }

    // A colouring accepted: the slot is drawn from the coloured copy from now on, and keeps the
    // name of the picture the user chose.
    Changed<Bitmap> acceptColouring(int slot, const QString& copyPath, int colorScheme);

    // Undo and Redo. The front-end records each step the user takes once it is done. Undoing
    // puts back the definition and the slots' pictures, reading again only the pictures that
    // differ; a picture that can no longer be read leaves its slot empty and is reported with
    // SlotPictureError once the rest is back.
    bool recordStep(const QString& name, bool continuesBurst = false);
    const SheetHistory& history() const { return history_; }
    SheetChanges undo();
    SheetChanges redo();
    // The sheet as it is now is the one last saved or opened.
    void markSaved() { history_.markSaved(); }

    // What was decoded and kept: figures for tests and benches.
    const PictureCache& pictures() const { return pictures_; }

  private:
    SheetChanges workOutGrid();
    SheetChanges tookShape(int slot, const SlotPicture& picture);
    SheetComposition compose(bool printing) const;
    SheetChanges restore(const SheetState& sheet);

    SheetDefinition definition_;
    PageOrientation orientation_ = PageOrientation::Portrait;
    PrinterMetrics metrics_;
    SlotTable slots_;
    SheetGrid grid_;
    bool hasPage_ = false;
    PictureCache pictures_;
    SheetHistory history_;
};
