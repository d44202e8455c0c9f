// The printer's measurements, the tilette size and the size controls of the Advanced page.
#include "app/TForm1.h"

#include "app/controls/PageControl.h"
#include "app/controls/RadioGroup.h"
#include "app/controls/UpDown.h"
#include "tilette/FormatInches.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QScopeGuard>

void TForm1::RefreshPrinterMetrics() {
    session_.setPrinterMetrics(::RefreshPrinterMetrics(printers_));
}

void TForm1::NumberOfImagesWideRadioGroupClick() {
    resizeTilettes();
}

// The tilette size worked out again, and the tilette shown drawn in it.
void TForm1::resizeTilettes() {
    computeTiletteSize();
    DrawTilette(state.CurrentSlot);
}

// The tilette size and counts from the across choice or the size fields, and slot 1's ratio;
// the callers draw.
void TForm1::computeTiletteSize() {
    takeDefinition();
    if (const std::optional<TiletteGeometry> geometry = session_.resizeTilettes().result) {
        WidthUpDown->setPosition(geometry->widthPosition);
        HeightUpDown->setPosition(geometry->heightPosition);
        WidthEdit->setText(geometry->widthText);
        HeightEdit->setText(geometry->heightText);
        state.TiletteRect = {0, 0, session_.grid().tiletteWidth, session_.grid().tiletteHeight};
        showStatus(QString());
    } else {
        keepSizeInUse();
    }
}

// Without a usable printer measurement the size stays as it is; the size controls go back to it
// so that they never show a size that is not drawn.
void TForm1::keepSizeInUse() {
    const SheetGrid& grid = session_.grid();
    WidthUpDown->setPosition(grid.tiletteWidth / 2);
    HeightUpDown->setPosition(grid.tiletteHeight / 2);
    WidthEdit->setText(FormatInches(WidthUpDown->position()));
    HeightEdit->setText(FormatInches(grid.tiletteHeight / 2));
    showStatus(QStringLiteral("The printer gives no page size: tilettes stay %1 x %2 inches")
                   .arg(FormatInches(grid.tiletteWidth / 2), FormatInches(grid.tiletteHeight / 2)));
}

void TForm1::SizeTilettesCheckBoxClick() {
    takeSizeChoice();
}

// The across choice, or the size fields when the size is set by hand (the height only when the
// ratio is free), and the tilettes in the size they give.
void TForm1::takeSizeChoice() {
    const bool sizeByHand = SizeTilettesCheckBox->isChecked();
    NumberOfImagesWideRadioGroup->setEnabled(!sizeByHand);
    WidthUpDown->setEnabled(sizeByHand);
    HeightUpDown->setEnabled(sizeByHand && !RatioCheckBox->isChecked());
    WidthEdit->setEnabled(WidthUpDown->isEnabled());
    HeightEdit->setEnabled(HeightUpDown->isEnabled());
    resizeTilettes();
}

void TForm1::WidthUpDownClick() {
    WidthEdit->setText(FormatInches(WidthUpDown->position()));
    takeSizeChoice();
}

void TForm1::HeightUpDownClick() {
    HeightEdit->setText(FormatInches(HeightUpDown->position()));
    takeSizeChoice();
}

void TForm1::WidthEditExit() {
    takeTypedSize(WidthEdit, WidthUpDown, QStringLiteral("width"));
}

void TForm1::HeightEditExit() {
    takeTypedSize(HeightEdit, HeightUpDown, QStringLiteral("height"));
}

// A typed size counts once the user presses Enter or leaves the field, as a click on the arrows
// that reached it would; one the arrows could not reach puts back the size in use.
void TForm1::takeTypedSize(QLineEdit* edit, UpDown* arrows, const QString& what) {
    const std::optional<int> typed = ParseInches(edit->text());
    if (!typed || *typed < arrows->minimum() || *typed > arrows->maximum()) {
        showStatus(QStringLiteral("The %1 is from %2 to %3 inches; it stays %4.")
                       .arg(what, FormatInches(arrows->minimum()), FormatInches(arrows->maximum()),
                            FormatInches(arrows->position())));
        edit->setText(FormatInches(arrows->position()));
        return;
    }
    edit->setText(FormatInches(*typed));
    if (*typed == arrows->position())
        return;
    arrows->setPosition(*typed);
    takeSizeChoice();
}

void TForm1::RatioCheckBoxClick() {
    if (!RatioCheckBox->isChecked()) {
        // The free height starts from the height last shown: "1.62" becomes 162.
        QString digits = HeightEdit->text();
        digits.remove(QLatin1Char('.'));
        bool isNumber = false;
        const int height = digits.toInt(&isNumber);
        if (isNumber)
            HeightUpDown->setPosition(height);
    }
    takeSizeChoice();
}

// Every used slot's tilette is drawn again for the sheet; the window shows the last one, once.
void TForm1::RefreshTilettes() {
    state.ReloadMode = QStringLiteral("yes");
    // A failing slot must not leave the loader taking stored names instead of asking.
    const auto reloadOff = qScopeGuard([this] { state.ReloadMode = QStringLiteral("no"); });
    takeDefinition();
    // The pictures are decoded side by side first; drawing then takes them as they are.
    decodePictures(tilettePictureRequests(session_.slotTable(), session_.grid()));
    int lastSlot = 0;
    std::optional<SlotTilette> last;
    for (int slot = FirstUserSlot; slot <= LastUserSlot; ++slot) {
        if (session_.slotTable()[static_cast<size_t>(slot)].FileName.isEmpty())
            continue;
        if (std::optional<SlotTilette> drawn = renderSlot(slot)) {
            lastSlot = slot;
            last = std::move(drawn);
        }
    }
    if (last)
        showDrawnTilette(lastSlot, *last);
}

void TForm1::PreviewTiletteButtonClick() {
    PageControl1->setActivePage(StandardTabSheet);
    for (int slot = FirstUserSlot; slot <= LastUserSlot; ++slot) {
        if (session_.slotTable()[static_cast<size_t>(slot)].FileName.isEmpty())
            continue;
        DrawTilette(slot);
        dialogs_.message(QStringLiteral("Display Next Tilette"));
    }
}
