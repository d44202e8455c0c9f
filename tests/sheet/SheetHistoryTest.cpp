#include "sheet/SheetHistory.h"

#include <gtest/gtest.h>

namespace {

SheetState withBorder(Colour colour) {
    SheetState state;
    state.definition.borderColour = colour;
    return state;
}

SheetState withValue(const QString& text) {
    SheetState state;
    state.definition.valueText = text;
    return state;
}

TEST(SheetHistory, UndoAndRedoWalkTheStepsByName) {
    SheetHistory history;
    EXPECT_FALSE(history.canUndo());
    EXPECT_FALSE(history.record(QStringLiteral("Border"), SheetState{})) << "nothing changed";
    SheetState picture;
    picture.pictures[3] = {QStringLiteral("/p/cat.jpg"), QStringLiteral("/p/cat.jpg"), 99};
    history.record(QStringLiteral("Choose Picture"), picture);
    history.record(QStringLiteral("Border Color"), withBorder(colours::red));
    EXPECT_EQ(history.undoName(), QStringLiteral("Border Color"));
    EXPECT_EQ(history.undo(), picture);
    EXPECT_EQ(history.redoName(), QStringLiteral("Border Color"));
    EXPECT_EQ(history.undo(), SheetState{});
    EXPECT_FALSE(history.canUndo());
    EXPECT_EQ(history.undo(), SheetState{}) << "undo at the start stays there";
    EXPECT_EQ(history.redo(), picture);
    // A new change discards what was undone.
    history.record(QStringLiteral("Value Text"), withValue(QStringLiteral("5")));
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(history.undo(), picture);
}

TEST(SheetHistory, TypingIsOneStepUntilSomethingElseComesBetween) {
    SheetHistory history;
    const QString value = QStringLiteral("Value Text");
    for (const char* typed : {"1", "12", "12c"})
        history.record(value, withValue(QLatin1String(typed)), true);
    history.record(QStringLiteral("Border Color"), withBorder(colours::red));
    history.record(value, withValue(QStringLiteral("9")), true);
    history.endBurst();
    history.record(value, withValue(QStringLiteral("99")), true);
    // Each burst is one step: "99", "9", the border, "12c", the start.
    EXPECT_EQ(history.undo(), withValue(QStringLiteral("9")));
    EXPECT_EQ(history.undo(), withBorder(colours::red));
    EXPECT_EQ(history.undo(), withValue(QStringLiteral("12c")));
    EXPECT_EQ(history.undo(), SheetState{});
    // Typing after an undo starts a step of its own.
    history.redo();
    history.record(value, withValue(QStringLiteral("12cd")), true);
    EXPECT_EQ(history.undo(), withValue(QStringLiteral("12c")));
}

TEST(SheetHistory, KeepsTheLastHundredStepsAndKnowsWhenTheSheetDiffersFromTheSaved) {
    SheetHistory history;
    for (int step = 1; step <= 150; ++step)
        history.record(QStringLiteral("Value Text"), withValue(QString::number(step)));
    int undone = 0;
    while (history.canUndo())
        history.undo(), ++undone;
    EXPECT_EQ(undone, SheetHistory::defaultLimit);
    EXPECT_EQ(history.current(), withValue(QStringLiteral("50")));

    SheetHistory saved;
    EXPECT_FALSE(saved.isModified());
    saved.record(QStringLiteral("Border Color"), withBorder(colours::red));
    EXPECT_TRUE(saved.isModified());
    saved.markSaved();
    EXPECT_FALSE(saved.isModified());
    saved.undo();
    EXPECT_TRUE(saved.isModified());
    saved.record(QStringLiteral("Border Color"), withBorder(colours::red));
    EXPECT_FALSE(saved.isModified()) << "the same sheet as saved, by another way";
}

} // namespace
