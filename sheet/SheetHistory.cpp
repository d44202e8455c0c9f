#include "sheet/SheetHistory.h"

#include <algorithm>

SheetState sheetStateOf(const SheetDefinition& definition, const SlotTable& table) {
    SheetState state{definition, {}};
    for (int slot = FirstUserSlot; slot <= LastUserSlot; ++slot) {
        const ImageSlot& entry = table[static_cast<std::size_t>(slot)];
        state.pictures[static_cast<std::size_t>(slot)] = {entry.FileName, entry.SaveName,
                                                          entry.ColorScheme};
    }
    return state;
}

SheetHistory::SheetHistory(SheetState start, int limit)
    : steps_{{QString(), start}}, limit_(static_cast<std::size_t>(std::max(limit, 1))),
      saved_(std::move(start)) {}

bool SheetHistory::record(const QString& name, const SheetState& now, bool continuesBurst) {
    if (now == current())
        return false;
    steps_.resize(current_ + 1);
    const bool joins =
        continuesBurst && burstOpen_ && current_ > 0 && steps_[current_].name == name;
    burstOpen_ = continuesBurst;
    if (joins) {
        steps_[current_].state = now;
        return true;
    }
    steps_.push_back({name, now});
    if (steps_.size() > limit_ + 1)
        steps_.erase(steps_.begin());
    current_ = steps_.size() - 1;
    return true;
}

QString SheetHistory::undoName() const {
    return canUndo() ? steps_[current_].name : QString();
}

QString SheetHistory::redoName() const {
    return canRedo() ? steps_[current_ + 1].name : QString();
}

const SheetState& SheetHistory::undo() {
    burstOpen_ = false;
    if (canUndo())
        --current_;
    return current();
}

const SheetState& SheetHistory::redo() {
    burstOpen_ = false;
    if (canRedo())
        ++current_;
    return current();
}
