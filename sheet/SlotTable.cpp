#include "sheet/SlotTable.h"

SlotsInUse slotsInUse(const SlotTable& table) {
    SlotsInUse inUse{};
    for (int slot = FirstUserSlot; slot <= LastUserSlot; ++slot)
        inUse[static_cast<size_t>(slot)] = !table[static_cast<size_t>(slot)].FileName.isEmpty();
    return inUse;
}
