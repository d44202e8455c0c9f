// Start-up, the window's working and locked states, the help line and closing.
#include "app/TForm1.h"

#include "app/Hint.h"
#include "app/SlotPlaceholder.h"
#include "app/WindowTexts.h"
#include "app/controls/ImageBox.h"
#include "app/controls/PageControl.h"
#include "app/controls/RadioGroup.h"
#include "app/controls/UpDown.h"
#include "platform/Canvas.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <filesystem>
#include <system_error>

namespace {
QString dataFolderPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}
} // namespace

void TForm1::FormCreate() {
    state.Printing = false;
    state.DataFolder = dataFolderPath();
    std::error_code failure;
    std::filesystem::create_directories(QFile::encodeName(state.DataFolder).toStdString(), failure);
    if (failure)
        dialogs_.error(QStringLiteral("Unable to create directory \"%1\". %2")
                           .arg(state.DataFolder, QString::fromLocal8Bit(failure.message())));
    session_.setSlotTable(SlotTable{});
    state.CurrentTilette = Bitmap();
    session_.startGrid(350, 350);
    for (QWidget* page : {PrintControlTabSheet, TextTabSheet, AdvancedTabSheet})
        PageControl2->setTabVisible(page, false);
    PageControl1->setTabVisible(PreviewTabSheet, false);
    PageControl1->setActivePage(AboutTabSheet);
    PageControl2->setActivePage(nullptr);
    BuildSlotHints(0, LastSlotWithPicture, QStringLiteral("Tilette"), 0);
}

void TForm1::BuildSlotHints(int firstSlot, int lastSlot, const QString& word, int firstNumber) {
    for (int slot = firstSlot, number = firstNumber; slot <= lastSlot; ++slot, ++number) {
        const auto index = static_cast<size_t>(slot);
        state.SlotHints[index] =
            QStringLiteral("Image for %1 %2, click to select different image for %1 %2")
                .arg(word)
                .arg(number);
        state.SlotPictures[index] = SlotPlaceholder(number);
    }
}

QString TForm1::LongSlotHint(const QString& numberText) {
    return QStringLiteral("Image for Tilette ") + numberText +
           QStringLiteral(", click to select ") + QStringLiteral("different image for Tilette ") +
           numberText + QStringLiteral(", right click for popup menu. ") +
           QStringLiteral("Popup menu also has choices to show tilette, delete tilette, and ") +
           QStringLiteral("color tilette.");
}

void TForm1::FormActivate() {
    PageControl1->setTabVisible(ColorImageTabSheet, false);
    for (int slot = FirstUserSlot; slot <= LastUserSlot; ++slot) {
        const QString hint = LongSlotHint(QString::number(slot));
        setHint(slotImages[static_cast<size_t>(slot)], hint);
        if (ImageBox* basic = basicThumbnail(slot))
            setHint(basic, hint);
    }
    RefreshPrinterMetrics();
    applyFontToEdit(ValueEdit, ValueFontDialog.Font);
    applyFontToEdit(TextEdit, TextFontDialog.Font);
    ValueEdit->setText(QStringLiteral("$10"));
    TextEdit->setText(QStringLiteral("TILETTE"));
    session_.startGrid(316, 316);
    state.TiletteRect = {0, 0, 316, 316};
    DrawTilette(0);
    {
        Canvas canvas(AboutSampleImage->picture());
        canvas.setFont({font().family(), 10, colours::black});
        const int width = canvas.textWidth(texts::motto);
        canvas.textOut((350 - width) / 2, 310, texts::motto);
    }
    AboutSampleImage->update();
    BackgroundColorDialog.Color = colours::white;
    BorderColorDialog.Color = colours::black;
    PrintButton->setEnabled(false);
    PreviewButton->setEnabled(false);
    PageControl1->setTabVisible(StandardTabSheet, false);
    PageControl1->setTabVisible(Images01to15TabSheet, false);
    for (int slot = FirstUserSlot; slot <= LastUserSlot; ++slot)
        showSlotThumbnail(slot, state.SlotPictures[static_cast<size_t>(slot)]);
    for (int slot = FirstUserSlot; slot <= LastUserSlot; ++slot)
        setHint(slotImages[static_cast<size_t>(slot)], state.SlotHints[static_cast<size_t>(slot)]);
    ValueEdit->setText(QString());
    TextEdit->setText(QString());
    // The sheet as the program starts is where Undo stops.
    takeDefinition();
    session_.startHistory();
    showHistory();
}

// The thumbnail on the Images page is stretched from the slot's picture; the Basic page's
// copy takes that thumbnail unchanged.
void TForm1::showSlotThumbnail(int slot, const Bitmap& picture) {
    ImageBox* thumbnail = slotImages[static_cast<size_t>(slot)];
    stretchIntoThumbnail(thumbnail, picture);
    if (ImageBox* basic = basicThumbnail(slot))
        basic->setPicture(thumbnail->picture());
}

void TForm1::stretchIntoThumbnail(ImageBox* thumbnail, const Bitmap& picture) {
    {
        Canvas canvas(thumbnail->picture());
        canvas.stretchDraw({0, 0, 100, 100}, picture);
    }
    thumbnail->update();
}

void TForm1::showStatus(const QString& text) {
    makerPanel->setText(text.isEmpty() ? texts::makerNotice : text);
}

void TForm1::DisplayHint() {
    Memo2->setPlainText(longHint(currentHint_));
}

void TForm1::setLockableControlsEnabled(bool enabled) {
    for (QWidget* control : std::initializer_list<QWidget*>{
             PrinterSetupButton, Label2, CopiesEdit, CopiesUpDown, PreviewTiletteButton,
             PreviewButton, PrintButton, ExitButton, GroupBox1, BorderRadioGroup,
             TypeOfPageRadioGroup})
        control->setEnabled(enabled);
    setMenusEnabled(enabled);
}

// Undo would change the sheet under an operation or a colouring under way, so the Edit menu
// goes and comes with the File menu.
void TForm1::setMenusEnabled(bool enabled) {
    for (QMenu* menu : {FileMenu, EditMenu}) {
        menu->setEnabled(enabled);
        menu->menuAction()->setEnabled(enabled);
    }
}

// On the About page there is no sheet yet to save or export; a saved one can be opened.
void TForm1::setSheetItemsEnabled(bool enabled) {
    for (QAction* item :
         {SaveAsItem, PreviewSheetItem, ViewSheetItem, PrintPageItem, SaveSheetImageBestItem,
          SaveSingleTiletteImageBestItem, SaveSheetImageGoodItem, SaveSingleTiletteImageGoodItem,
          SaveSheetImageforEmailItem, SaveSingleTiletteImageforEmailItem})
        item->setEnabled(enabled);
}

// Operations lock inside one another (printing composes the sheet, which locks too): the window
// opens again only when the outermost one ends, so no click lands in the middle of a print job.
void TForm1::LockControls() {
    if (lockDepth_++ > 0)
        return;
    setLockableControlsEnabled(false);
    PageControl1->setActivePage(AboutTabSheet);
}

void TForm1::UnlockControls() {
    if (lockDepth_ > 0)
        --lockDepth_;
    if (lockDepth_ > 0)
        return;
    PageControl1->setActivePage(StandardTabSheet);
    setLockableControlsEnabled(true);
}

void TForm1::ContinueButtonClick() {
    leaveAboutPage();
    ImageClick(1);
}

// From the About page to the working pages: by Continue, by opening a setup, or by a file named
// at start.
void TForm1::leaveAboutPage() {
    PageControl2->setTabVisible(PrintControlTabSheet, true);
    setMenusEnabled(true);
    setSheetItemsEnabled(true);
    showPageType();
}

void TForm1::ExitButtonClick() {
    close();
}

void TForm1::ExitItemClick() {
    close();
}

void TForm1::ExitAboutButtonClick() {
    close();
}

void TForm1::PageControl2Change() {
    PageControl1->setActivePage(StandardTabSheet);
    PickColorRadioGroup->setItemIndex(0);
}

void TForm1::PickColorRadioGroupClick() {
    state.ColorPickActive = PickColorRadioGroup->itemIndex() != 0;
}

bool TForm1::FormCloseQuery() {
    // Whatever becomes of the save, the user is still asked whether to end.
    if (dialogs_.question(
            QStringLiteral("Save?"),
            QStringLiteral(
                "Do you want to save the definition for the current sheet of tilettes?")))
        run(&TForm1::SaveAsItemClick);
    return dialogs_.question(QStringLiteral("End Program?"),
                             QStringLiteral("Are you sure you, you want to end program?"));
}

void TForm1::FormClose() {
    closed_ = true;
    QCoreApplication::quit();
}
