#include "setup/SetupWriter.h"
#include "SampleSetup.h"

#include <gtest/gtest.h>

TEST(SetupWriter, WritesTheSampleSheetLineByLine) {
    const QByteArray written = setupFileText(sampleRecord());
    const QList<QByteArray> expected = sampleLines();
    const QList<QByteArray> lines = written.split('\n');
    ASSERT_EQ(lines.size(), 53); // the last line end leaves nothing after it
    for (int line = 0; line < 52; ++line)
        EXPECT_EQ(lines[line], expected[line] + '\r') << "line " << line + 1;
    EXPECT_EQ(written, fileOf(expected));
}

TEST(SetupWriter, StyleWordsKeepTheirBlank) {
    // By bold + 2 * italic.
    const char* words[] = {"\"\"", "\"Bold \"", "\"Italic \"", "\"BoldItalic \""};
    SetupRecord record = sampleRecord();
    for (int style = 0; style < 4; ++style) {
        record.valueFont.bold = style & 1;
        record.valueFont.italic = style & 2;
        EXPECT_EQ(setupFileLines(record)[9], words[style] + QStringLiteral(" ValueFontStyle"));
    }
}

TEST(SetupWriter, OpenSwitchesAndMissingSlotSavesStillMakeFullLines) {
    SetupRecord record = sampleRecord();
    record.blankSheet = record.sizeTilettes = record.keepRatio = std::nullopt;
    record.extension = std::nullopt;
    record.borderColour = 0xFFFFFFFF; // no platform colour, but the bits must survive
    const QStringList lines = setupFileLines(record);
    ASSERT_EQ(lines.size(), 52);
    EXPECT_EQ(lines[2], QStringLiteral("-1 BorderColor"));
    EXPECT_EQ(lines[29], QStringLiteral("off BlankSheet"));
    EXPECT_EQ(lines[30], QStringLiteral("off AdvancedSizeTilettes"));
    EXPECT_EQ(lines[33], QStringLiteral("off AdvancedRatio"));
    EXPECT_EQ(lines[36], QStringLiteral("\"\" Tilette3Save"));
    EXPECT_EQ(lines[45], QStringLiteral("\"99\" Tilette3Color"));
}
