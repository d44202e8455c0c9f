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
#include "tilette/TiletteGeometry.h"

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
// the user anything nor paints: each operation hands back what it made and what changed. The
// grid changes only when asked to: a front-end decides when a change resizes the tilettes.
class SheetSession {
  public:
    const SheetDefinition& definition() const { return definition_; }
    SheetChanges setDefinition(const SheetDefinition& definition);

    // The page's orientation, kept for the front-end to give its printer: the metrics it then
    // reads already follow it.
    PageOrientation orientation() const { return orientation_; }
    void setOrientation(PageOrientation orientation) { orientation_ = orientation; }

    const PrinterMetrics& printerMetrics() const { return metrics_; }
    void setPrinterMetrics(const PrinterMetrics& metrics) { metrics_ = metrics; }

    const SlotTable& slotTable() const { return slots_; }
    // The slots as a setup names them; their pictures are read with reloadPicture.
    SheetChanges setSlotTable(const SlotTable& table);
    // The name a setup saves for the slot's picture, and the colour scheme that made its copy.
    void setSlotNames(int slot, const QString& saveName, int colorScheme);

    // Reads the file at path into the slot as the user's choice, names and shape, and returns
    // its 900 × 900 square. A file that cannot be read throws SlotPictureError and leaves the
    // slot as it was.
    Changed<Bitmap> loadPicture(int slot, const QString& path);
    // Reads the slot's own file again for its shape, keeping its names. A slot without a file
    // has nothing to read: no square and no change.
    Changed<Bitmap> reloadPicture(int slot);
    // Reads path as the slot's own file, keeping the name it is saved under.
    Changed<Bitmap> reloadPicture(int slot, const QString& path);
    SheetChanges deletePicture(int slot);

    // The grid the sheet is laid out by, and whether the printer gave a page for it when it was
    // last worked out. Without one the tilettes keep the size they had.
    const SheetGrid& grid() const { return grid_; }
    bool hasPage() const { return hasPage_; }
    // The tilette size and counts worked out again from the number across or the size set by
    // hand, slot 1's shape and the printer's page; the definition's size is the one worked out.
    // Nothing, and the grid as it was, when the printer gives no usable page.
    Changed<std::optional<TiletteGeometry>> resizeTilettes();
    // The border's perforation margins; the tilettes keep their size until resized.
    SheetChanges takeBorderMargins();
    // How many tilettes of the size in use fit the printer's page now.
    Changed<std::optional<TiletteCounts>> countTilettes();
    // Both of the above, as a sheet opened is laid out before it is drawn.
    SheetChanges layOutTilettes();
    // Tilettes of this size, with no counts or margins yet: the grid a front-end starts from.
    void startGrid(int tiletteWidth, int tiletteHeight);

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
    // Prints a sheet composed for printing as one job on the printer's selected queue, with the
    // perforations drawn at its resolution. Throws UserError when the printer fails.
    void print(PrinterSystem& printers, const QString& title, const Bitmap& composed) const;

    // A colouring accepted: the slot is drawn from the coloured copy from now on, and keeps the
    // name of the picture the user chose. The copy is that picture in other colours, so the
    // slot keeps its shape.
    SheetChanges acceptColouring(int slot, const QString& copyPath, int colorScheme);
    // A colouring given up: the slot goes back to the picture the user chose.
    SheetChanges cancelColouring(int slot);

    // Undo and Redo. The front-end records each step the user takes once it is done. Undoing
    // puts back the definition and the slots' pictures, reading again only the pictures that
    // differ, and lays the tilettes out again; a picture that can no longer be read leaves its
    // slot empty and is reported with SlotPictureError once the rest is back.
    bool recordStep(const QString& name, bool continuesBurst = false);
    const SheetHistory& history() const { return history_; }
    SheetChanges undo();
    SheetChanges redo();
    // A front-end that puts the sheet back through its own controls moves through the history
    // alone, and is handed the sheet to show.
    const SheetState& stepBack() { return history_.undo(); }
    const SheetState& stepForward() { return history_.redo(); }
    // The sheet as it is now is where Undo stops, and what counts as saved.
    void startHistory() { history_ = SheetHistory(sheetStateOf(definition_, slots_)); }
    // Typing in one text box has ended: the next change is a step of its own.
    void endBurst() { history_.endBurst(); }
    // The sheet as it is now is the one last saved or opened.
    void markSaved() { history_.markSaved(); }

    // What was decoded and kept. A front-end may decode into it ahead, on its own threads.
    const PictureCache& pictures() const { return pictures_; }
    PictureCache& pictures() { return pictures_; }

  private:
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
