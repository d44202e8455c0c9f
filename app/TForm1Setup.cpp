// Setup files: saving the sheet's definition and opening it again.
#include "app/TForm1.h"

#include "app/controls/PageControl.h"
#include "app/controls/RadioGroup.h"
#include "app/controls/UpDown.h"
#include "platform/UserError.h"
#include "platform/ui/BusyCursor.h"
#include "setup/SetupFile.h"
#include "setup/SetupWriter.h"
#include "sheet/SlotPicture.h"
#include "tilette/FormatInches.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QScopeGuard>
#include <algorithm>

namespace {
// Colour schemes are 0 to 20, or 99 for none; anything else goes to the nearest of those.
int nearestColorScheme(int scheme) {
    if (scheme == 99 || (scheme >= 0 && scheme <= 20))
        return scheme;
    if (scheme < 0)
        return 0;
    return scheme - 20 < 99 - scheme ? 20 : 99;
}

// A size is told in the inches the file and its field show; one out of range shows the size used.
void applySize(QLineEdit* edit, UpDown* upDown, const QString& text, int position,
               const QString& what, QStringList& notes) {
    const int kept = std::clamp(position, 50, 500);
    edit->setText(kept == position ? text : FormatInches(kept));
    upDown->setPosition(kept);
    if (kept != position)
        notes << QStringLiteral("%1 %2 is not possible; %3 is used.")
                     .arg(what, text, FormatInches(kept));
}

// Setup files travel between machines: a picture named by a path of another system is looked
// for by its name beside the setup file.
QString findPicture(const QString& named, const QString& setupFolder) {
    if (named.isEmpty() || QFileInfo(named).isFile())
        return named;
    QString name = named;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString besideSetup = QDir(setupFolder).filePath(QFileInfo(name).fileName());
    return QFileInfo(besideSetup).isFile() ? besideSetup : named;
}
} // namespace

void TForm1::SaveAsItemClick() {
    const std::optional<QString> path = dialogs_.saveFile(SaveDialog);
    if (!path) {
        dialogs_.message(QStringLiteral("File not Saved"));
        return;
    }
    SaveDialog.fileName = *path;
    const BusyCursor busy;
    SetupRecord record = setupRecordOf(sheetDefinition(), state.ImageSlots,
                                       printers_.selectedIndex(), printers_.orientation());
    // The size and copies lines carry what their fields show.
    record.copiesText = CopiesEdit->text();
    record.heightText = HeightEdit->text();
    record.widthText = WidthEdit->text();
    try {
        saveSetupFile(*path, setupFileText(record));
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
    if (!notes.isEmpty())
        dialogs_.message(QStringLiteral("The setup was opened, with these changes:\n") +
                         notes.join(QLatin1Char('\n')));
}

// A value outside a control's range goes to the nearest one the control has, and the user is
// told which.
int TForm1::withinRange(int value, int lowest, int highest, const QString& what,
                        QStringList& notes) {
    const int kept = std::clamp(value, lowest, highest);
    if (kept != value)
        notes
            << QStringLiteral("%1 %2 is not possible; %3 is used.").arg(what).arg(value).arg(kept);
    return kept;
}

// Replays a setup on the controls in file order: a control given another value runs its change
// handler as a user's change would, one given its own value runs nothing.
void TForm1::applySetup(const SetupRecord& record, const QString& setupFolder, QStringList& notes) {
    NumberOfImagesWideRadioGroup->setItemIndex(
        withinRange(record.numberWide, 0, 6, QStringLiteral("Across choice"), notes));
    BorderRadioGroup->setItemIndex(
        withinRange(record.borderType, 0, 5, QStringLiteral("Border type"), notes));
    BorderColorDialog.Color = record.borderColour;
    BackgroundColorDialog.Color = record.backgroundColour;
    TypeOfPageRadioGroup->setItemIndex(
        withinRange(record.sheetType, 0, pageTypeCount - 1, QStringLiteral("Page type"), notes));
    ValueEdit->setText(record.valueText);
    ValueFontDialog.Font = record.valueFont;
    ValueRadioGroup->setItemIndex(
        withinRange(record.valuePlace, 0, 3, QStringLiteral("Value corner"), notes));
    TextEdit->setText(record.captionText);
    TextFontDialog.Font = record.captionFont;
    EdgeRadioGroup->setItemIndex(
        withinRange(record.textPlace, 0, 3, QStringLiteral("Caption edge"), notes));
    applySetupPictures(record, setupFolder, notes);

    CopiesUpDown->setPosition(withinRange(record.copies, 1, 4, QStringLiteral("Copies"), notes));
    const QStringList printerNames = printers_.printerNames();
    if (record.printerIndex >= 0 && record.printerIndex < printerNames.size())
        printers_.select(record.printerIndex);
    else
        notes << QStringLiteral("Printer %1 is not on this system; %2 stays selected.")
                     .arg(record.printerIndex)
                     .arg(printerNames.value(printers_.selectedIndex()));
    printers_.setOrientation(record.orientation);
    RefreshPrinterMetrics();
    if (record.blankSheet)
        BlankCheckBox->setChecked(*record.blankSheet);
    if (record.sizeTilettes)
        SizeTilettesCheckBox->setChecked(*record.sizeTilettes);
    applySize(HeightEdit, HeightUpDown, record.heightText, record.heightPosition,
              QStringLiteral("Height"), notes);
    applySize(WidthEdit, WidthUpDown, record.widthText, record.widthPosition,
              QStringLiteral("Width"), notes);
    if (record.keepRatio)
        RatioCheckBox->setChecked(*record.keepRatio);
    if (record.extension) {
        for (int slot = FirstUserSlot; slot <= LastUserSlot; ++slot) {
            const SlotSave& saved = (*record.extension)[static_cast<size_t>(slot - 1)];
            ImageSlot& entry = state.ImageSlots[static_cast<size_t>(slot)];
            entry.SaveName = saved.saveName;
            entry.ColorScheme = nearestColorScheme(saved.colorScheme);
            if (entry.ColorScheme != saved.colorScheme)
                notes << QStringLiteral("Colour scheme %1 of Tilette %2 is not possible; %3 is "
                                        "used.")
                             .arg(saved.colorScheme)
                             .arg(slot)
                             .arg(entry.ColorScheme);
        }
    }
    SizeTilettesCheckBoxClick();
}

// Each named picture is loaded as if its thumbnail were clicked, without a dialog. One that
// cannot be found or read leaves its slot empty, and the rest of the setup still applies.
void TForm1::applySetupPictures(const SetupRecord& record, const QString& setupFolder,
                                QStringList& notes) {
    // The pictures are decoded side by side first; each slot then takes its own as it loads.
    std::array<QString, setupSlotCount> found;
    std::vector<PictureCache::Request> squares;
    for (size_t index = 0; index < found.size(); ++index) {
        found[index] = findPicture(record.pictures[index], setupFolder);
        if (!found[index].isEmpty())
            squares.push_back({found[index], slotSquareSize, slotSquareSize});
    }
    state.Pictures.prefetch(squares);

    state.ReloadMode = QStringLiteral("yes");
    const auto reloadOff = qScopeGuard([this] { state.ReloadMode = QStringLiteral("no"); });
    for (int slot = FirstUserSlot; slot <= LastUserSlot; ++slot) {
        const QString named = record.pictures[static_cast<size_t>(slot - 1)];
        state.ImageSlots[static_cast<size_t>(slot)].FileName = found[static_cast<size_t>(slot - 1)];
        if (named.isEmpty())
            continue;
        try {
            ImageClick(slot);
        } catch (const UserError& error) {
            DeleteImage(slot);
            notes << QStringLiteral("Tilette %1 is empty: %2")
                         .arg(slot)
                         .arg(
                             QString(error.message()).replace(QLatin1Char('\n'), QLatin1Char(' ')));
        }
    }
}
