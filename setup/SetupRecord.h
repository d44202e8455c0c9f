#pragma once

#include "platform/Colour.h"
#include "platform/Dialogs.h"
#include "platform/PrinterSystem.h"
#include "sheet/SheetDefinition.h"
#include "sheet/SlotTable.h"

#include <QString>
#include <array>
#include <optional>

// A setup file names the user's slots 1 to 9; entry 0 of its arrays is slot 1.
constexpr int setupSlotCount = LastUserSlot;

// What a setup file keeps of a slot besides its picture file.
struct SlotSave {
    QString saveName;
    int colorScheme = 99;
    bool operator==(const SlotSave&) const = default;
};

// Everything one setup file says, as it says it. Numbers are passed on unchecked (an across
// index of 12 stays 12): the window decides what its controls make of them.
struct SetupRecord {
    int numberWide = 0;
    int borderType = 0;
    Colour borderColour = 0;
    Colour backgroundColour = 0;
    int sheetType = 0;
    QString valueText;
    FontChoice valueFont;
    int valuePlace = 0;
    QString captionText;
    FontChoice captionFont;
    int textPlace = 0;
    std::array<QString, setupSlotCount> pictures; // the slots' FileName
    QString copiesText;                           // as the copies field shows it
    int copies = 0;
    int printerIndex = 0;
    PageOrientation orientation = PageOrientation::Portrait;
    // Nothing when the line said neither "on" nor "off": the check box then stays as it is.
    std::optional<bool> blankSheet;
    std::optional<bool> sizeTilettes;
    QString heightText; // as the size field shows it, "1.75"
    int heightPosition = 0;
    QString widthText;
    int widthPosition = 0;
    std::optional<bool> keepRatio;
    // Nothing for a file of the base block alone: the slots then keep what they have.
    std::optional<std::array<SlotSave, setupSlotCount>> extension;

    bool operator==(const SetupRecord&) const = default;
};

// What a save writes: the definition, the user's slots and the printer selection.
SetupRecord setupRecordOf(const SheetDefinition& definition, const SlotTable& table,
                          int printerIndex, PageOrientation orientation);

// The record's settings over current, unchecked; a switch the file left open keeps current's
// value. Printer, orientation and pictures are the window's to apply.
SheetDefinition definitionOf(const SetupRecord& record, const SheetDefinition& current);

// Gives slots 1 to 9 their FileName, and their SaveName and ColorScheme when the file has them.
// Nothing else of the table changes: loading the pictures is the window's part.
void storeSlotNames(const SetupRecord& record, SlotTable& table);
