#include "sheet/PageTypeCells.h"

namespace {
// The page types walk the user's slots as a cycle: after the last comes the first again.
int nextSlot(int slot) {
    return slot == LastUserSlot ? FirstUserSlot : slot + 1;
}

bool isInUse(const SlotsInUse& inUse, int slot) {
    return inUse[static_cast<size_t>(slot)];
}

bool anyInUse(const SlotsInUse& inUse) {
    for (int slot = FirstUserSlot; slot <= LastUserSlot; ++slot)
        if (isInUse(inUse, slot))
            return true;
    return false;
}

// The types that take whatever is in use still need one slot: without it their walks over
// the cycle would never place anything, and so never end.
bool hasSlotsFor(PageType type, const SlotsInUse& inUse) {
    const int required = requiredSlots(type);
    if (required == 0)
        return anyInUse(inUse);
    for (int slot = FirstUserSlot; slot <= required; ++slot)
        if (!isInUse(inUse, slot))
            return false;
    return true;
}

// The walks stop on these bounds, which leave the perforation margin out: a margin is far
// smaller than a tilette, so the last column and row are still reached.
int acrossEnd(const SheetGrid& grid) {
    return grid.tiletteWidth * grid.tilettesAcross;
}

int downEnd(const SheetGrid& grid) {
    return grid.tiletteHeight * grid.tilettesDown;
}

// Row by row from the top, each row left to right in one slot. Bounds are tested after a
// step, so a grid that claims no rows or columns still gets its first cell.
template <typename SlotOfRow>
void fillByRows(const SheetGrid& grid, SlotOfRow slotOfRow, std::vector<SheetCell>& cells) {
    int y = grid.perforationMarginY;
    do {
        const int slot = slotOfRow();
        int x = grid.perforationMarginX;
        do {
            cells.push_back({x, y, slot});
            x += grid.tiletteWidth;
        } while (x < acrossEnd(grid));
        y += grid.tiletteHeight;
    } while (y < downEnd(grid));
}

// Column by column from the left, each column top-down from its own start slot through its
// block's pattern.
template <typename StartOfColumn, typename SlotBelow>
void fillByColumns(const SheetGrid& grid, StartOfColumn startOfColumn, SlotBelow slotBelow,
                   std::vector<SheetCell>& cells) {
    int x = grid.perforationMarginX;
    int column = 1;
    do {
        const int start = startOfColumn(column);
        int slot = start;
        int y = grid.perforationMarginY;
        do {
            cells.push_back({x, y, slot});
            slot = slotBelow(slot, start);
            y += grid.tiletteHeight;
        } while (y < downEnd(grid));
        x += grid.tiletteWidth;
        ++column;
    } while (x < acrossEnd(grid));
}

void checkerboard(const SheetGrid& grid, std::vector<SheetCell>& cells) {
    fillByColumns(
        grid, [](int column) { return column % 2 == 1 ? 1 : 2; },
        [](int slot, int) { return 3 - slot; }, cells);
}

// 1 2 over 3 4, repeated.
void blockOf4(const SheetGrid& grid, std::vector<SheetCell>& cells) {
    fillByColumns(
        grid, [](int column) { return column % 2 == 1 ? 1 : 2; },
        [](int slot, int start) { return slot + 2 > 4 ? start : slot + 2; }, cells);
}

// 1 2 3 over 4 5 6 over 7 8 9, repeated.
void blockOf9(const SheetGrid& grid, std::vector<SheetCell>& cells) {
    fillByColumns(
        grid, [](int column) { return (column - 1) % 3 + 1; },
        [](int slot, int start) { return slot + 3 > 9 ? start : slot + 3; }, cells);
}

void eachRowDifferent(const SheetGrid& grid, const SlotsInUse& inUse,
                      std::vector<SheetCell>& cells) {
    int slot = FirstUserSlot;
    fillByRows(
        grid,
        [&] {
            while (!isInUse(inUse, slot))
                slot = nextSlot(slot);
            const int rowSlot = slot;
            slot = nextSlot(slot);
            return rowSlot;
        },
        cells);
}

// One turn of the slot cycle: a slot in use takes the cell at (x, y), one not in use is passed
// over. Either way the cycle moves on.
class SlotCycle {
  public:
    SlotCycle(const SlotsInUse& inUse, std::vector<SheetCell>& cells)
        : inUse_(inUse), cells_(cells) {}

    bool placeAt(int x, int y) {
        const bool placed = isInUse(inUse_, slot_);
        if (placed)
            cells_.push_back({x, y, slot_});
        slot_ = nextSlot(slot_);
        return placed;
    }

  private:
    const SlotsInUse& inUse_;
    std::vector<SheetCell>& cells_;
    int slot_ = FirstUserSlot;
};

// The top and bottom rows of a frame: returns where the next cell of the row would have gone.
int frameRow(const SheetGrid& grid, int y, SlotCycle& cycle) {
    int x = grid.perforationMarginX;
    do {
        if (cycle.placeAt(x, y))
            x += grid.tiletteWidth;
    } while (x < acrossEnd(grid));
    return x;
}

// Only the outer ring: the top row, then the left and right cells of each middle row, then
// the bottom row, one slot cycle throughout. With exactly two rows the side walk still makes
// its one step, and the bottom row then covers what it placed.
void frame(const SheetGrid& grid, int sheetHeight, const SlotsInUse& inUse,
           std::vector<SheetCell>& cells) {
    SlotCycle cycle(inUse, cells);
    const int left = grid.perforationMarginX;
    const int right = frameRow(grid, grid.perforationMarginY, cycle) - grid.tiletteWidth;
    int x = left;
    int y = grid.perforationMarginY + grid.tiletteHeight;
    if (y < sheetHeight - grid.tiletteHeight + grid.perforationMarginY + 1) {
        do {
            if (cycle.placeAt(x, y)) {
                // A single column has one cell a row; crossing to the "right" would be staying
                // put, and the walk would never come down.
                if (x == left && right != left) {
                    x = right;
                } else {
                    x = left;
                    y += grid.tiletteHeight;
                }
            }
        } while (y < (grid.tilettesDown - 1) * grid.tiletteHeight);
    }
    frameRow(grid, y, cycle);
}

// The slot cycle runs on from row to row: it is not restarted at the start of a row. The rows'
// bound is tested after a row, so a grid that claims no rows still gets its first row whole,
// and a row ends only once it holds a tilette, as with a grid that claims no columns.
void fillWithAll(const SheetGrid& grid, const SlotsInUse& inUse, std::vector<SheetCell>& cells) {
    SlotCycle cycle(inUse, cells);
    const int rowStart = grid.perforationMarginX;
    int y = grid.perforationMarginY;
    do {
        int x = rowStart;
        do {
            if (cycle.placeAt(x, y))
                x += grid.tiletteWidth;
        } while (x == rowStart || x < acrossEnd(grid));
        y += grid.tiletteHeight;
    } while (y < downEnd(grid));
}
} // namespace

CellPlan pageTypeCells(PageType type, const SheetGrid& grid, int sheetHeight,
                       const SlotsInUse& inUse) {
    CellPlan plan;
    const int index = static_cast<int>(type);
    if (index < 0 || index >= pageTypeCount)
        return plan;
    if (!hasSlotsFor(type, inUse)) {
        plan.composed = false;
        plan.message = missingSlotsMessage(type);
        return plan;
    }
    // Every walk steps by the pitch; without a positive one it would never reach its bound.
    if (grid.tiletteWidth <= 0 || grid.tiletteHeight <= 0) {
        plan.composed = false;
        return plan;
    }
    switch (type) {
    case PageType::OneImage:
        fillByRows(
            grid, [] { return FirstUserSlot; }, plan.cells);
        break;
    case PageType::Checkerboard:
        checkerboard(grid, plan.cells);
        break;
    case PageType::BlockOf4:
        blockOf4(grid, plan.cells);
        break;
    case PageType::BlockOf9:
        blockOf9(grid, plan.cells);
        break;
    case PageType::EachRowDifferent:
        eachRowDifferent(grid, inUse, plan.cells);
        break;
    case PageType::Frame:
        frame(grid, sheetHeight, inUse, plan.cells);
        break;
    case PageType::FillWithAll:
        fillWithAll(grid, inUse, plan.cells);
        break;
    }
    return plan;
}
