// The printer's measurements, the tilette size and the size controls of the Advanced page.
#include "app/TForm1.h"

#include "app/controls/PageControl.h"
#include "app/controls/RadioGroup.h"
#include "app/controls/UpDown.h"
#include "tilette/FormatInches.h"
#include "tilette/TiletteGeometry.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QScopeGuard>

void TForm1::RefreshPrinterMetrics() {
    state.Metrics = ::RefreshPrinterMetrics(printers_);
}

void TForm1::NumberOfImagesWideRadioGroupClick() {
    const ImageSlot& first = state.ImageSlots[1];
    GeometrySettings settings;
    settings.numberAcross = NumberOfImagesWideRadioGroup->itemIndex() + 3;
    settings.perforationMarginX = state.PerforationMarginX;
    settings.perforationMarginY = state.PerforationMarginY;
    settings.slot1Used = !first.FileName.isEmpty();
    settings.slot1Ratio = first.Ratio;
    settings.sizeOverride = SizeTilettesCheckBox->isChecked();
    settings.keepRatio = RatioCheckBox->isChecked();
    settings.widthPosition = WidthUpDown->position();
    settings.heightPosition = HeightUpDown->position();
    if (const std::optional<TiletteGeometry> geometry =
            computeTiletteGeometry(state.Metrics, settings)) {
        WidthUpDown->setPosition(geometry->widthPosition);
        HeightUpDown->setPosition(geometry->heightPosition);
        state.TiletteWidth = geometry->tiletteWidth;
        state.TiletteHeight = geometry->tiletteHeight;
        state.TilettesAcross = geometry->tilettesAcross;
        state.TilettesDown = geometry->tilettesDown;
        WidthEdit->setText(geometry->widthText);
        HeightEdit->setText(geometry->heightText);
        state.TiletteRect = {0, 0, state.TiletteWidth, state.TiletteHeight};
        showStatus(QString());
    } else {
        keepSizeInUse();
    }
    DrawTilette(state.CurrentSlot);
}

// Without a usable printer measurement the size stays as it is; the size controls go back to it
// so that they never show a size that is not drawn.
void TForm1::keepSizeInUse() {
    WidthUpDown->setPosition(state.TiletteWidth / 2);
    HeightUpDown->setPosition(state.TiletteHeight / 2);
    WidthEdit->setText(FormatInches(WidthUpDown->position()));
    HeightEdit->setText(FormatInches(state.TiletteHeight / 2));
    showStatus(
        QStringLiteral("The printer gives no page size: tilettes stay %1 x %2 inches")
            .arg(FormatInches(state.TiletteWidth / 2), FormatInches(state.TiletteHeight / 2)));
}

void TForm1::SizeTilettesCheckBoxClick() {
    const bool sizeByHand = SizeTilettesCheckBox->isChecked();
    NumberOfImagesWideRadioGroup->setEnabled(!sizeByHand);
    WidthUpDown->setEnabled(sizeByHand);
    HeightUpDown->setEnabled(sizeByHand && !RatioCheckBox->isChecked());
    NumberOfImagesWideRadioGroupClick();
}

void TForm1::WidthUpDownClick() {
    WidthEdit->setText(FormatInches(WidthUpDown->position()));
    SizeTilettesCheckBoxClick();
}

void TForm1::HeightUpDownClick() {
    HeightEdit->setText(FormatInches(HeightUpDown->position()));
    SizeTilettesCheckBoxClick();
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
    SizeTilettesCheckBoxClick();
}

void TForm1::RefreshTilettes() {
    state.ReloadMode = QStringLiteral("yes");
    // A failing slot must not leave the loader taking stored names instead of asking.
    const auto reloadOff = qScopeGuard([this] { state.ReloadMode = QStringLiteral("no"); });
    for (int slot = FirstUserSlot; slot <= LastUserSlot; ++slot)
        DrawTilette(slot);
}

void TForm1::PreviewTiletteButtonClick() {
    PageControl1->setActivePage(StandardTabSheet);
    for (int slot = FirstUserSlot; slot <= LastUserSlot; ++slot) {
        if (state.ImageSlots[static_cast<size_t>(slot)].FileName.isEmpty())
            continue;
        DrawTilette(slot);
        dialogs_.message(QStringLiteral("Display Next Tilette"));
    }
}
