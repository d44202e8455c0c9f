#include "setup/SetupRecord.h"

#include "tilette/FormatInches.h"

namespace {
size_t slotIndex(int entry) {
    return static_cast<size_t>(FirstUserSlot + entry);
}
} // namespace

SetupRecord setupRecordOf(const SheetDefinition& definition, const SlotTable& table,
                          int printerIndex, PageOrientation orientation) {
    SetupRecord record;
    record.numberWide = definition.numberAcrossIndex;
    record.borderType = static_cast<int>(definition.border);
    record.borderColour = definition.borderColour;
    record.backgroundColour = definition.backgroundColour;
    record.sheetType = static_cast<int>(definition.pageType);
    record.valueText = definition.valueText;
    record.valueFont = definition.valueFont;
    record.valuePlace = static_cast<int>(definition.valueCorner);
    record.captionText = definition.captionText;
    record.captionFont = definition.captionFont;
    record.textPlace = static_cast<int>(definition.captionEdge);
    record.copiesText = QString::number(definition.copies);
    record.copies = definition.copies;
    record.printerIndex = printerIndex;
    record.orientation = orientation;
    record.blankSheet = definition.blank;
    record.sizeTilettes = definition.sizeOverride;
    record.heightText = FormatInches(definition.heightPosition);
    record.heightPosition = definition.heightPosition;
    record.widthText = FormatInches(definition.widthPosition);
    record.widthPosition = definition.widthPosition;
    record.keepRatio = definition.keepRatio;
    std::array<SlotSave, setupSlotCount> saves;
    for (int entry = 0; entry < setupSlotCount; ++entry) {
        const ImageSlot& slot = table[slotIndex(entry)];
        record.pictures[static_cast<size_t>(entry)] = slot.FileName;
        saves[static_cast<size_t>(entry)] = {slot.SaveName, slot.ColorScheme};
    }
    record.extension = saves;
    return record;
}

SheetDefinition definitionOf(const SetupRecord& record, const SheetDefinition& current) {
    SheetDefinition definition = current;
    definition.numberAcrossIndex = record.numberWide;
    definition.border = static_cast<BorderType>(record.borderType);
    definition.borderColour = record.borderColour;
    definition.backgroundColour = record.backgroundColour;
    definition.pageType = static_cast<PageType>(record.sheetType);
    definition.valueText = record.valueText;
    definition.valueFont = record.valueFont;
    definition.valueCorner = static_cast<ValueCorner>(record.valuePlace);
    definition.captionText = record.captionText;
    definition.captionFont = record.captionFont;
    definition.captionEdge = static_cast<CaptionEdge>(record.textPlace);
    definition.blank = record.blankSheet.value_or(current.blank);
    definition.copies = record.copies;
    definition.sizeOverride = record.sizeTilettes.value_or(current.sizeOverride);
    definition.heightPosition = record.heightPosition;
    definition.widthPosition = record.widthPosition;
    definition.keepRatio = record.keepRatio.value_or(current.keepRatio);
    return definition;
}

void storeSlotNames(const SetupRecord& record, SlotTable& table) {
    for (int entry = 0; entry < setupSlotCount; ++entry) {
        ImageSlot& slot = table[slotIndex(entry)];
        slot.FileName = record.pictures[static_cast<size_t>(entry)];
        if (record.extension) {
            const SlotSave& save = (*record.extension)[static_cast<size_t>(entry)];
            slot.SaveName = save.saveName;
            slot.ColorScheme = save.colorScheme;
        }
    }
}
