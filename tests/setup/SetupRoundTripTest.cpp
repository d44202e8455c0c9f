#include "SampleSetup.h"
#include "setup/SetupReader.h"
#include "setup/SetupWriter.h"

#include <gtest/gtest.h>

namespace {
const QString texts[] = {QString(),
                         QStringLiteral("  leading"),
                         QStringLiteral("trailing  "),
                         QStringLiteral("Zoë — 東京 🙂"),
                         QStringLiteral("Aug 17, 2002"),
                         QStringLiteral("50% off;\ttab 'single' \"double\""),
                         QStringLiteral("C:\\Program Files\\x.bmp"),
                         QStringLiteral("on off Landscape Bold Italic")};
const QString faces[] = {QStringLiteral("Times New Roman"), QStringLiteral("Arial"),
                         QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Zoë — 東京")};
const QString paths[] = {QString(), QStringLiteral("/home/ann/my pictures/stamp one.jpg"),
                         QStringLiteral("/tmp/Zoë — 東京/ä \"b\".png"),
                         QStringLiteral(" /lead and trail/ ")};
const Colour colourValues[] = {0,        colours::red, colours::cream, colours::white,
                               0x123456, 0xFFFFFFFF};
const int sizes[] = {50, 175, 500, 5, -50, 1234, 0};

// Definition number n: every field runs through its values at a pace of its own, so that the
// 48 definitions hold every value of every field in many combinations.
SheetDefinition generatedDefinition(int n) {
    SheetDefinition definition;
    definition.numberAcrossIndex = n % 7;
    definition.border = static_cast<BorderType>(n % 6);
    definition.borderColour = colourValues[n % 6];
    definition.backgroundColour = colourValues[(n + 1) % 6];
    definition.pageType = static_cast<PageType>(n % 7);
    definition.valueText = texts[n % 8];
    definition.valueFont = {faces[n % 4], 6 + n, (n & 1) != 0, (n & 2) != 0,
                            colourValues[(n + 2) % 6]};
    definition.valueCorner = static_cast<ValueCorner>(n % 4);
    definition.captionText = texts[(n + 3) % 8];
    definition.captionFont = {faces[(n + 1) % 4], 72 - n, (n & 4) != 0, (n & 8) != 0,
                              colourValues[(n + 3) % 6]};
    definition.captionEdge = static_cast<CaptionEdge>((n + 1) % 4);
    definition.blank = (n / 3) % 2 != 0;
    definition.copies = n == 47 ? 9 : 1 + n % 4;
    definition.sizeOverride = (n / 5) % 2 != 0;
    definition.heightPosition = sizes[n % 7];
    definition.widthPosition = sizes[(n + 2) % 7];
    definition.keepRatio = (n / 7) % 2 != 0;
    return definition;
}

SlotTable generatedTable(int n) {
    SlotTable table;
    table[0].FileName = QStringLiteral("the sample");
    table[10].FileName = QStringLiteral("no user slot");
    for (int slot = 1; slot <= 9; ++slot) {
        table[slot].FileName = paths[(n + slot) % 4];
        table[slot].SaveName = paths[(n + 2 * slot) % 4];
        table[slot].ColorScheme = std::array{0, 7, 20, 99}[(n + slot) % 4];
    }
    return table;
}
} // namespace

TEST(SetupRoundTrip, EveryGeneratedSheetComesBackWhole) {
    for (int n = 0; n < 48; ++n) {
        const SlotTable table = generatedTable(n);
        const auto orientation = n % 3 ? PageOrientation::Portrait : PageOrientation::Landscape;
        const SetupRecord saved = setupRecordOf(generatedDefinition(n), table, n % 5, orientation);
        const SetupRecord read = parseSetupText(setupFileText(saved));
        EXPECT_EQ(read, saved) << "sheet " << n;

        // And back into a definition and slots, over those of the next sheet.
        SlotTable restored = generatedTable(n + 1);
        storeSlotNames(read, restored);
        const SheetDefinition definition = definitionOf(read, generatedDefinition(n + 1));
        EXPECT_EQ(setupRecordOf(definition, restored, n % 5, orientation), saved) << "sheet " << n;
    }
}

TEST(SetupRoundTrip, WhatTheFileLeavesOpenKeepsItsValue) {
    SetupRecord record = sampleRecord();
    record.blankSheet = record.sizeTilettes = record.keepRatio = std::nullopt;
    record.extension = std::nullopt;
    for (const bool current : {false, true}) {
        SheetDefinition start;
        start.blank = start.sizeOverride = start.keepRatio = current;
        const SheetDefinition definition = definitionOf(record, start);
        EXPECT_EQ(definition.blank, current);
        EXPECT_EQ(definition.sizeOverride, current);
        EXPECT_EQ(definition.keepRatio, current);
    }
    SlotTable table = generatedTable(1);
    storeSlotNames(record, table);
    const SlotTable before = generatedTable(1);
    for (int slot = 1; slot <= 9; ++slot) {
        EXPECT_EQ(table[slot].FileName, record.pictures[slot - 1]);
        EXPECT_EQ(table[slot].SaveName, before[slot].SaveName);
        EXPECT_EQ(table[slot].ColorScheme, before[slot].ColorScheme);
    }
    EXPECT_EQ(table[0].FileName, before[0].FileName);
    EXPECT_EQ(table[10].FileName, before[10].FileName);
}
