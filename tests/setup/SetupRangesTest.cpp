#include "setup/SetupRanges.h"
#include "SampleSetup.h"

#include <gtest/gtest.h>

TEST(SetupRanges, ANumberNoControlTakesGoesToTheNearestOneAndTheUserIsTold) {
    struct Case {
        int SetupRecord::*field;
        int given;
        int kept;
        const char* note; // empty: nothing to tell
    };
    const Case cases[] = {
        {&SetupRecord::numberWide, 12, 6, "Number across 15 is not possible; 9 is used."},
        {&SetupRecord::numberWide, 0, 0, ""},
        {&SetupRecord::borderType, -1, 0, "Border type -1 is not possible; 0 is used."},
        {&SetupRecord::borderType, 5, 5, ""},
        {&SetupRecord::sheetType, 7, 6, "Page type 7 is not possible; 6 is used."},
        {&SetupRecord::valuePlace, 4, 3, "Value corner 4 is not possible; 3 is used."},
        {&SetupRecord::textPlace, -3, 0, "Caption edge -3 is not possible; 0 is used."},
        {&SetupRecord::copies, 9, 4, "Copies 9 is not possible; 4 is used."},
        {&SetupRecord::copies, 0, 1, "Copies 0 is not possible; 1 is used."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.given);
        SetupRecord record = sampleRecord();
        record.*c.field = c.given;
        QStringList notes;
        SetupRecord expected = record;
        expected.*c.field = c.kept;
        EXPECT_EQ(withinControlRanges(record, notes), expected);
        EXPECT_EQ(notes, *c.note ? QStringList{QString::fromLatin1(c.note)} : QStringList{});
    }
}

TEST(SetupRanges, AColourSchemeGoesToTheNearestSchemeOrToNone) {
    SetupRecord record = sampleRecord();
    auto& saves = *record.extension;
    saves[0].colorScheme = 21; // nearer 20 than 99
    saves[1].colorScheme = 60; // nearer 99
    saves[2].colorScheme = -4; // below every scheme
    saves[3].colorScheme = 99; // none: kept
    QStringList notes;
    const SetupRecord kept = withinControlRanges(record, notes);
    EXPECT_EQ((*kept.extension)[0].colorScheme, 20);
    EXPECT_EQ((*kept.extension)[1].colorScheme, 99);
    EXPECT_EQ((*kept.extension)[2].colorScheme, 0);
    EXPECT_EQ((*kept.extension)[3].colorScheme, 99);
    EXPECT_EQ(notes, QStringList({"Colour scheme 21 of Tilette 1 is not possible; 20 is used.",
                                  "Colour scheme 60 of Tilette 2 is not possible; 99 is used.",
                                  "Colour scheme -4 of Tilette 3 is not possible; 0 is used."}));
}

// A size is told as the file gives it, in inches, and its field then shows the size used.
TEST(SetupRanges, ASizeOutOfRangeIsToldInInchesAndShownAsTheSizeUsed) {
    SetupRecord record = sampleRecord();
    record.heightText = QStringLiteral("9999.99");
    record.heightPosition = 999999;
    record.widthText = QStringLiteral("0.01");
    record.widthPosition = 1;
    QStringList notes;
    const SetupRecord kept = withinControlRanges(record, notes);
    EXPECT_EQ(kept.heightPosition, 500);
    EXPECT_EQ(kept.heightText, QStringLiteral("5.00"));
    EXPECT_EQ(kept.widthPosition, 50);
    EXPECT_EQ(kept.widthText, QStringLiteral("0.50"));
    EXPECT_EQ(notes, QStringList({"Height 9999.99 is not possible; 5.00 is used.",
                                  "Width 0.01 is not possible; 0.50 is used."}));

    record = sampleRecord(); // 1.75 high, 0.50 wide: both as the file says
    EXPECT_EQ(withinControlRanges(record, notes), record);
    EXPECT_EQ(notes.size(), 2);
}
