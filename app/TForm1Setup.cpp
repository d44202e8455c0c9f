// Setup files: saving the sheet's definition and opening it again.
#include "app/TForm1.h"

#include "app/RecentSetups.h"
#include "app/controls/PageControl.h"
#include "app/controls/RadioGroup.h"
#include "app/controls/UpDown.h"
#include "platform/PictureFile.h"
#include "platform/UserError.h"
#include "platform/ui/BusyCursor.h"
#include "setup/SetupFile.h"
#include "setup/SetupPictures.h"
#include "setup/SetupRanges.h"
#include "setup/SetupWriter.h"
#include "sheet/SlotPicture.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QScopeGuard>

void TForm1::SaveAsItemClick() {
    const std::optional<QString> path = dialogs_.saveFile(SaveDialog);
    if (!path) {
        dialogs_.message(QStringLiteral("File not Saved"));
        return;
    }
    SaveDialog.fileName = *path;
    const BusyCursor busy;
    SetupRecord record = setupRecordOf(takeDefinition(), session_.slotTable(),
                                       printers_.selectedIndex(), printers_.orientation());
    // The size and copies lines carry what their fields show.
    record.copiesText = CopiesEdit->text();
    record.heightText = HeightEdit->text();
    record.widthText = WidthEdit->text();
    try {
        saveSetupFile(*path, setupFileText(record));
        state.SetupFile = *path;
        rememberSetup(*path);
        showRecentSetups();
        session_.markSaved();
        showHistory();
    } catch (const UserError& error) {
        dialogs_.message(QStringLiteral("File not Saved\n") + error.message());
    }
}

void TForm1::OpenItemClick() {
    const std::optional<QString> path = dialogs_.openFile(OpenDialog);
    if (!path) {
        dialogs_.message(QStringLiteral("No File Selected"));
        return;
    }
    openSetupFile(*path);
}

// Opens a setup chosen in the Open dialog or named on the command line.
void TForm1::openSetupFile(const QString& path) {
    OpenDialog.fileName = path;
    const BusyCursor busy;
    // The whole file is checked first: a broken one changes nothing.
    const SetupRecord record = readSetupFile(path);
    // Named on the command line, the setup opens while the About page is still up.
    if (!PageControl2->tabVisible(PrintControlTabSheet))
        leaveAboutPage();
    QStringList notes;
    applySetup(record, QFileInfo(path).absolutePath(), notes);
    state.SetupFile = path;
    // The sheet as opened is a step of its own, and what counts as saved.
    takeDefinition();
    session_.recordStep(QStringLiteral("Open Setup"));
    session_.markSaved();
    showHistory();
    rememberSetup(path);
    showRecentSetups();
    if (!notes.isEmpty())
        dialogs_.message(QStringLiteral("The setup was opened, with these changes:\n") +
                         notes.join(QLatin1Char('\n')));
}

// The setups opened or saved last, for File > Open Recent; one no longer there is greyed.
void TForm1::showRecentSetups() {
    RecentMenu->clear();
    const QStringList recent = recentSetups();
    for (const QString& path : recent) {
        // An & in a path is a letter of the name, not a mnemonic.
        QAction* item = RecentMenu->addAction(
            QDir::toNativeSeparators(path).replace(QLatin1Char('&'), QStringLiteral("&&")));
        item->setEnabled(QFileInfo(path).isFile());
        connect(item, &QAction::triggered, this, [this, path] {
            if (FileMenu->isEnabled())
                run([this, path] { openSetupFile(path); }, QStringLiteral("Open Setup"));
        });
    }
    RecentMenu->setEnabled(!recent.isEmpty());
}

// A file handed over at start (named after the command, or double-clicked in a file manager):
// a picture goes into slot 1 as if chosen after Continue, anything else opens as a setup.
void TForm1::openFileNamedAtStart(const QString& path) {
    if (!isPictureFile(path)) {
        openSetupFile(path);
        return;
    }
    leaveAboutPage();
    ImageClick(1, path);
}

// Replays a setup on the controls in file order: a control given another value runs its change
// handler as a user's change would, one given its own value runs nothing. Numbers no control
// can take have first been moved to the nearest it can, and the user is told which.
void TForm1::applySetup(const SetupRecord& given, const QString& setupFolder, QStringList& notes) {
    const SetupRecord record = withinControlRanges(given, notes);
    NumberOfImagesWideRadioGroup->setItemIndex(record.numberWide);
    BorderRadioGroup->setItemIndex(record.borderType);
    BorderColorDialog.Color = record.borderColour;
    BackgroundColorDialog.Color = record.backgroundColour;
    TypeOfPageRadioGroup->setItemIndex(record.sheetType);
    ValueEdit->setText(record.valueText);
    // Each text box shows its text in the font and colour it prints in, as a choice in the
    // font dialog would leave it.
    ValueFontDialog.Font = record.valueFont;
    ValueColorDialog.Color = record.valueFont.colour;
    applyFontToEdit(ValueEdit, record.valueFont);
    ValueRadioGroup->setItemIndex(record.valuePlace);
    TextEdit->setText(record.captionText);
    TextFontDialog.Font = record.captionFont;
    TextColorDialog.Color = record.captionFont.colour;
    applyFontToEdit(TextEdit, record.captionFont);
    EdgeRadioGroup->setItemIndex(record.textPlace);
    applySetupPictures(record, setupFolder, notes);

    CopiesUpDown->setPosition(record.copies);
    // Undo puts the sheet back, not the printer.
    if (!restoringSheet_)
        applySetupPrinter(record, notes);
    if (record.blankSheet)
        BlankCheckBox->setChecked(*record.blankSheet);
    if (record.sizeTilettes)
        SizeTilettesCheckBox->setChecked(*record.sizeTilettes);
    HeightEdit->setText(record.heightText);
    HeightUpDown->setPosition(record.heightPosition);
    WidthEdit->setText(record.widthText);
    WidthUpDown->setPosition(record.widthPosition);
    if (record.keepRatio)
        RatioCheckBox->setChecked(*record.keepRatio);
    if (record.extension) {
        for (int slot = FirstUserSlot; slot <= LastUserSlot; ++slot) {
            const SlotSave& saved = (*record.extension)[static_cast<size_t>(slot - 1)];
            session_.setSlotNames(slot, saved.saveName, saved.colorScheme);
        }
    }
    takeSizeChoice();
}

void TForm1::applySetupPrinter(const SetupRecord& record, QStringList& notes) {
    const QStringList printerNames = printers_.printerNames();
    if (record.printerIndex >= 0 && record.printerIndex < printerNames.size())
        printers_.select(record.printerIndex);
    else
        notes << QStringLiteral("Printer %1 is not on this system; %2 stays selected.")
                     .arg(record.printerIndex)
                     .arg(printerNames.value(printers_.selectedIndex()));
    printers_.setOrientation(record.orientation);
    RefreshPrinterMetrics();
}

// Each named picture is loaded as if its thumbnail were clicked, without a dialog. One that
// cannot be found or read leaves its slot empty, and the rest of the setup still applies. A slot
// the file leaves empty is emptied: the sheet open before must not lend it a picture.
void TForm1::applySetupPictures(const SetupRecord& record, const QString& setupFolder,
                                QStringList& notes) {
    // The pictures are decoded side by side first; each slot then takes its own as it loads.
    const std::array<QString, setupSlotCount> found = findPictures(record, setupFolder);
    std::vector<PictureCache::Request> squares;
    for (const QString& path : found)
        if (!path.isEmpty())
            squares.push_back({path, slotSquareSize, slotSquareSize});
    decodePictures(squares);

    state.ReloadMode = QStringLiteral("yes");
    const auto reloadOff = qScopeGuard([this] { state.ReloadMode = QStringLiteral("no"); });
    for (int slot = FirstUserSlot; slot <= LastUserSlot; ++slot) {
        const QString named = record.pictures[static_cast<size_t>(slot - 1)];
        const QString& path = found[static_cast<size_t>(slot - 1)];
        const QString& fileName = session_.slotTable()[static_cast<size_t>(slot)].FileName;
        if (named.isEmpty()) {
            if (!fileName.isEmpty())
                DeleteImage(slot);
            continue;
        }
        if (restoringSheet_ && fileName == path)
            continue;
        try {
            ImageClick(slot, path);
        } catch (const UserError& error) {
            DeleteImage(slot);
            notes << QStringLiteral("Tilette %1 is empty: %2")
                         .arg(slot)
                         .arg(
                             QString(error.message()).replace(QLatin1Char('\n'), QLatin1Char(' ')));
        }
    }
}
