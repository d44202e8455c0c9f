// Undo and Redo: each change the user makes to the sheet is a step that can be taken back.
#include "app/TForm1.h"

#include "app/WindowTexts.h"
#include "setup/SetupRecord.h"

#include <QAction>
#include <QScopeGuard>

void TForm1::recordStep(const QString& step, bool continuesBurst) {
    if (restoringSheet_)
        return;
    takeDefinition();
    session_.recordStep(step.isEmpty() ? QStringLiteral("Change") : step, continuesBurst);
    showHistory();
}

void TForm1::showHistory() {
    const SheetHistory& history = session_.history();
    UndoItem->setText(history.canUndo() ? QStringLiteral("&Undo ") + history.undoName()
                                        : QStringLiteral("&Undo"));
    UndoItem->setEnabled(history.canUndo());
    RedoItem->setText(history.canRedo() ? QStringLiteral("&Redo ") + history.redoName()
                                        : QStringLiteral("&Redo"));
    RedoItem->setEnabled(history.canRedo());
    setWindowTitle(texts::windowTitle + (history.isModified() ? QStringLiteral("*") : QString()));
}

void TForm1::UndoItemClick() {
    if (session_.history().canUndo())
        restoreSheet(session_.stepBack());
}

void TForm1::RedoItemClick() {
    if (session_.history().canRedo())
        restoreSheet(session_.stepForward());
}

// The sheet goes back through the controls, as opening a setup puts it there, so that what they
// show and what is drawn agree. The printer stays as it is, and pictures still in their slots
// are not read again. Putting it back is no step of its own.
void TForm1::restoreSheet(const SheetState& given) {
    const SheetState sheet = given; // the history's own copy changes as the sheet goes back
    restoringSheet_ = true;
    const auto restored = qScopeGuard([this] {
        restoringSheet_ = false;
        showHistory();
    });
    SlotTable table = session_.slotTable();
    for (int slot = FirstUserSlot; slot <= LastUserSlot; ++slot) {
        const SlotState& picture = sheet.pictures[static_cast<std::size_t>(slot)];
        ImageSlot& entry = table[static_cast<std::size_t>(slot)];
        entry.FileName = picture.fileName;
        entry.SaveName = picture.saveName;
        entry.ColorScheme = picture.colorScheme;
    }
    QStringList notes;
    applySetup(
        setupRecordOf(sheet.definition, table, printers_.selectedIndex(), printers_.orientation()),
        QString(), notes);
    if (!notes.isEmpty())
        dialogs_.message(QStringLiteral("The sheet was put back, with these changes:\n") +
                         notes.join(QLatin1Char('\n')));
}
