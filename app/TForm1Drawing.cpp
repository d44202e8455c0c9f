// Drawing the tilette of one slot and showing it in the sample area.
#include "app/TForm1.h"

#include "app/SheetViewer.h"
#include "app/controls/ImageBox.h"
#include "app/controls/PageControl.h"
#include "app/controls/UpDown.h"
#include "platform/Canvas.h"
#include "platform/UserError.h"
#include "sheet/SlotTilette.h"
#include "tilette/FormatInches.h"
#include "tilette/PictureFit.h"
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
std::optional<SlotTilette> TForm1::renderSlot(int slotNumber) {
    const auto index = static_cast<size_t>(slotNumber);
    const ImageSlot& slot = session_.slotTable()[index];
    if (slotNumber != 0 && slotNumber != state.CurrentSlot && !QFileInfo(slot.FileName).isFile())
        return std::nullopt;
    if (slotNumber != 0)
        decodePictures({tilettePictureRequest(slot, session_.grid())});
    try {
        SlotTilette drawn = session_.drawTilette(slotNumber).result;
        state.UnreadableReported[index] = false;
        return drawn;
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
// just drawn comes forward instead; an open sheet viewer says that its sheet is gone.
void TForm1::hideSheetPreview() {
    const bool inFront = PageControl1->activePage() == PreviewTabSheet;
    PageControl1->setTabVisible(PreviewTabSheet, false);
    if (inFront)
        PageControl1->setActivePage(StandardTabSheet);
    state.SheetBitmap = Bitmap();
    if (sheetViewer)
        sheetViewer->showOutdated();
}

void TForm1::clearSampleArea() {
    Label3->setText(QString());
    state.CurrentTilette = Bitmap();
    showInSampleArea(Image2, state.CurrentTilette, state.PreviewRect);
}

// Everything a drawn tilette changes in the window, done once however many slots were drawn.
void TForm1::showDrawnTilette(int slotNumber, const SlotTilette& drawn) {
    const SheetDefinition& definition = session_.definition();
    // Painted with the rest of the window when the handler ends, not on its own now.
    Label3->setText(slotNumber == 0
                        ? QString()
                        : session_.slotTable()[static_cast<size_t>(slotNumber)].FileName);
    state.CurrentSlot = slotNumber == 0 ? 1 : slotNumber;
    WidthEdit->setText(FormatInches(WidthUpDown->position()));
    hideSheetPreview();

    if (const std::optional<TiletteCounts> counts = session_.countTilettes().result) {
        TiletteSizeLabel->setText(counts->sizeText);
        DownLabel->setText(counts->countText);
    }
    state.PreviewRect =
        previewRectFor(slotNumber <= 1, drawn.pictureWidth, drawn.pictureHeight, state.PreviewRect,
                       definition.sizeOverride, definition.keepRatio, session_.grid().tiletteWidth,
                       session_.grid().tiletteHeight);

    if (slotNumber == 0)
        showInSampleArea(AboutSampleImage, drawn.tilette, state.PreviewRect);
    state.CurrentTilette = session_.shownTilette(slotNumber);
    showInSampleArea(Image2, state.CurrentTilette, state.PreviewRect);
}

void TForm1::DrawTilette(int slotNumber) {
    if (slotNumber < 0 || slotNumber > LastUserSlot)
        return;
    if (slotNumber != 0 && session_.slotTable()[static_cast<size_t>(slotNumber)].FileName.isEmpty())
        return;
    takeDefinition();
    if (const std::optional<SlotTilette> drawn = renderSlot(slotNumber))
        showDrawnTilette(slotNumber, *drawn);
}
