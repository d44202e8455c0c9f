// Drawing the tilette of one slot and showing it in the sample area.
#include "app/TForm1.h"

#include "app/controls/ImageBox.h"
#include "app/controls/PageControl.h"
#include "app/controls/RadioGroup.h"
#include "app/controls/UpDown.h"
#include "platform/Canvas.h"
#include "platform/PictureFile.h"
#include "platform/UserError.h"
#include "tilette/DisplayOverlays.h"
#include "tilette/FormatInches.h"
#include "tilette/PictureFit.h"
#include "tilette/RenderTilette.h"
#include "tilette/SamplePicture.h"
#include "tilette/TiletteGeometry.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>

namespace {
Colour buttonFaceColour() {
    return fromQColor(QApplication::palette().color(QPalette::Button));
}

CanvasFont canvasFontOf(const FontChoice& choice) {
    return {choice.face, choice.points, choice.colour};
}

void showInSampleArea(ImageBox* area, const Bitmap& tilette, const Rect& where) {
    {
        Canvas canvas(area->picture());
        canvas.fillRect({0, 0, 350, 350}, buttonFaceColour());
        canvas.stretchDraw(where, tilette);
    }
    area->update();
}
} // namespace

// A slot's file can go or break after it was loaded. The user hears of it once, when that slot
// is drawn; its thumbnails then show that its picture is missing, and everything else stays as
// it was, so the window goes on working with the other slots. A file gone from a slot that is
// not the one shown is passed over quietly, as a redraw of all slots meets it.
std::optional<DecodedPicture> TForm1::readSlotPicture(int slotNumber, int width, int height) {
    const auto index = static_cast<size_t>(slotNumber);
    const QString& fileName = state.ImageSlots[index].FileName;
    if (slotNumber != state.CurrentSlot && !QFileInfo(fileName).isFile())
        return std::nullopt;
    try {
        // The picture is only ever drawn at tilette size, so a large JPEG is decoded reduced.
        DecodedPicture picture = readPictureReduced(fileName, width, height);
        state.UnreadableReported[index] = false;
        return picture;
    } catch (const UserError& error) {
        if (!state.UnreadableReported[index]) {
            state.UnreadableReported[index] = true;
            showSlotPlaceholder(slotNumber);
            dialogs_.error(error.message());
        }
        return std::nullopt;
    }
}

// A sheet preview is out of date once a tilette changes. When it was in front, the tilette
// just drawn comes forward instead.
void TForm1::hideSheetPreview() {
    const bool inFront = PageControl1->activePage() == PreviewTabSheet;
    PageControl1->setTabVisible(PreviewTabSheet, false);
    if (inFront)
        PageControl1->setActivePage(StandardTabSheet);
    state.SheetBitmap = Bitmap();
}

void TForm1::clearSampleArea() {
    Label3->setText(QString());
    state.CurrentTilette = Bitmap();
    showInSampleArea(Image2, state.CurrentTilette, state.PreviewRect);
}

void TForm1::DrawTilette(int slotNumber) {
    if (slotNumber < 0 || slotNumber > LastUserSlot)
        return;
    ImageSlot& slot = state.ImageSlots[static_cast<size_t>(slotNumber)];
    if (slotNumber != 0 && slot.FileName.isEmpty())
        return;
    const int width = state.TiletteWidth;
    const int height = state.TiletteHeight;
    const std::optional<DecodedPicture> picture =
        slotNumber == 0
            ? DecodedPicture{SamplePicture(), SamplePicture().width(), SamplePicture().height()}
            : readSlotPicture(slotNumber, width, height);
    if (!picture)
        return;

    Label3->setText(slotNumber == 0 ? QString() : slot.FileName);
    Label3->repaint();
    state.CurrentSlot = slotNumber == 0 ? 1 : slotNumber;
    WidthEdit->setText(FormatInches(WidthUpDown->position()));
    hideSheetPreview();

    if (const std::optional<TiletteCounts> counts = computeTiletteCounts(
            state.Metrics, state.PerforationMarginX, state.PerforationMarginY, width, height)) {
        TiletteSizeLabel->setText(counts->sizeText);
        state.TilettesDown = counts->tilettesDown;
        state.TilettesAcross = counts->tilettesAcross;
        DownLabel->setText(counts->countText);
    }

    const bool sizeByHand = SizeTilettesCheckBox->isChecked();
    state.PreviewRect =
        previewRectFor(slotNumber <= 1, picture->fullWidth, picture->fullHeight, state.PreviewRect,
                       sizeByHand, RatioCheckBox->isChecked(), width, height);

    TiletteStyle style;
    style.border = BorderRadioGroup->itemIndex();
    style.borderColour = BorderColorDialog.Color;
    style.backgroundColour = BackgroundColorDialog.Color;
    style.blank = BlankCheckBox->isChecked();
    style.valueText = ValueEdit->text();
    style.valueFont = canvasFontOf(ValueFontDialog.Font);
    style.valueCorner = ValueRadioGroup->itemIndex();
    style.captionText = TextEdit->text();
    style.captionFont = canvasFontOf(TextFontDialog.Font);
    style.captionEdge = EdgeRadioGroup->itemIndex();
    const Bitmap tilette = renderTilette(style, width, height, picture->bitmap, picture->fullWidth,
                                         picture->fullHeight);

    slot.TiletteImage = tilette;
    if (slotNumber == 0)
        showInSampleArea(AboutSampleImage, tilette, state.PreviewRect);
    state.CurrentTilette = tilette;
    switch (static_cast<BorderType>(style.border)) {
    case BorderType::Perforations:
        OverlayPerforations(state.CurrentTilette, style.borderColour);
        break;
    case BorderType::FilmVertical:
        OverlayFilmVertical(state.CurrentTilette, style.borderColour);
        break;
    case BorderType::FilmHorizontal:
        OverlayFilmHorizontal(state.CurrentTilette, style.borderColour);
        break;
    default:
        break;
    }
    showInSampleArea(Image2, state.CurrentTilette, state.PreviewRect);
}
