#pragma once

#include "sheet/SheetDefinition.h"
#include "sheet/SlotTable.h"

#include <QString>
#include <array>
#include <vector>

// A slot as a step of the sheet's history keeps it: the picture by its file name, never its
// pixels, so that a hundred steps cost next to nothing and the picture cache serves the pixels.
struct SlotState {
    QString fileName;
    QString saveName;
    int colorScheme = 99;
    bool operator==(const SlotState&) const = default;
};

// The sheet as the user made it: every setting and the picture in each of the user's slots.
struct SheetState {
    SheetDefinition definition;
    std::array<SlotState, LastUserSlot + 1> pictures; // entry 0 unused
    bool operator==(const SheetState&) const = default;
};

SheetState sheetStateOf(const SheetDefinition& definition, const SlotTable& table);

// The steps the user took, for Undo and Redo. Each step is named for the menus ("Border Color")
// and holds the sheet as it was after it. The oldest steps go once the limit is passed.
class SheetHistory {
  public:
    static constexpr int defaultLimit = 100;
    explicit SheetHistory(SheetState start = {}, int limit = defaultLimit);

    // The sheet is now `now` after the step `name`; nothing is recorded when it did not change.
    // A step that continues a burst (typing in one text box) joins the step before it when that
    // has the same name and no other step, undo or end of burst came between. Any step undone
    // before is gone for good.
    bool record(const QString& name, const SheetState& now, bool continuesBurst = false);
    void endBurst() { burstOpen_ = false; }

    bool canUndo() const { return current_ > 0; }
    bool canRedo() const { return current_ + 1 < steps_.size(); }
    QString undoName() const;
    QString redoName() const;
    // Each gives the sheet to show: as it was before the step undone, or after the step redone.
    const SheetState& undo();
    const SheetState& redo();
    const SheetState& current() const { return steps_[current_].state; }

    // The sheet as it is now was saved; it counts as changed while it differs from this.
    void markSaved() { saved_ = current(); }
    bool isModified() const { return !(current() == saved_); }

  private:
    struct Step {
        QString name;
        SheetState state;
    };
    std::vector<Step> steps_; // steps_[0] is the start, named nothing
    std::size_t current_ = 0;
    std::size_t limit_;
    bool burstOpen_ = false;
    SheetState saved_;
};
