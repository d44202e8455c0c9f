// Recolouring a slot's picture with a colour scheme, and picking colours from the tilette shown.
#include "app/TForm1.h"

#include "app/controls/ImageBox.h"
#include "app/controls/PageControl.h"
#include "app/controls/RadioGroup.h"
#include "colour/ColourSchemes.h"
#include "colour/FitPictureRect.h"
#include "colour/Recolour.h"
#include "platform/Canvas.h"
#include "platform/PictureFile.h"
#include "platform/UserError.h"
#include "sheet/SlotPicture.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryFile>

namespace {
// A coloured copy is drawn as tilettes and letterboxed for the thumbnails; neither needs more
// than the largest tilette, 1000 units.
constexpr int colouringPictureSize = 1000;

// Every accepted colouring gets a copy of its own: a saved setup may name an earlier copy and
// must still open in the colours it was saved with. The name is taken by creating the file, so
// no copy, not even one of another run of the program beside this one, is ever written over.
QString newColouredCopy(const QString& folder, int slot) {
    QTemporaryFile reserved(QDir(folder).filePath(QStringLiteral("~~%1-XXXXXX.bmp").arg(slot)));
    reserved.setAutoRemove(false);
    if (!reserved.open())
        throw UserError(QStringLiteral("Cannot create file \"%1\". %2")
                            .arg(reserved.fileTemplate(), reserved.errorString()));
    return reserved.fileName();
}
} // namespace

// The picture the user chose for the slot: colouring always starts from it, so schemes never
// pile up. A slot filled from a setup file without save names has only its file name.
QString TForm1::chosenPictureOf(int slot) const {
    const ImageSlot& entry = session_.slotTable().at(static_cast<size_t>(slot));
    return entry.SaveName.isEmpty() ? entry.FileName : entry.SaveName;
}

void TForm1::ColorImageItemClick() {
    const QString chosen = chosenPictureOf(state.PopupSlot);
    if (chosen.isEmpty() || !QFileInfo(chosen).isFile()) {
        dialogs_.message(QStringLiteral("Choose a picture for this tilette first."));
        return;
    }
    // Decoded once for the visit: every scheme starts again from this picture.
    decodePictures({{chosen, colouringPictureSize, colouringPictureSize}});
    state.ColouringSource =
        session_.pictures().take(chosen, colouringPictureSize, colouringPictureSize).bitmap;
    LockControls();
    PageControl2->setVisible(false);
    PageControl1->setTabVisible(ColorImageTabSheet, true);
    PageControl1->setActivePage(ColorImageTabSheet);
    StandardTabSheet->setEnabled(false);
    setMenusEnabled(false);
    DrawTilette(state.PopupSlot);
    recolour();
}

void TForm1::TypeRadioGroupClick() {
    recolour();
}

// The chosen picture in the scheme chosen, shown beside the tilette.
void TForm1::recolour() {
    if (state.ColouringSource.isEmpty())
        return; // the page is not open
    PageControl1->setTabVisible(ColorImageTabSheet, true);
    state.ColorSchemeIndex = TypeRadioGroup->itemIndex();
    if (state.ColorSchemeIndex == selectColourScheme) {
        // Cancelled, the tint is of the colour chosen last (black before any).
        if (const std::optional<Colour> colour = dialogs_.chooseColour(ColorDialog.Color))
            ColorDialog.Color = *colour;
        state.PaletteFactors = factorsOfChosenColour(ColorDialog.Color);
    } else {
        state.PaletteFactors = schemeFactors(state.ColorSchemeIndex);
    }
    state.ColoredBitmap = ApplyColorScheme(
        state.ColouringSource, schemePalette(state.ColorSchemeIndex, state.PaletteFactors));
    {
        Canvas canvas(ColorBitMapImage->picture());
        canvas.fillRect({0, 0, 350, 350},
                        fromQColor(QApplication::palette().color(QPalette::Button)));
        canvas.stretchDraw(
            FitPictureRect(state.ColoredBitmap.width(), state.ColoredBitmap.height(), 350, 350),
            state.ColoredBitmap);
    }
    ColorBitMapImage->update();
}

void TForm1::UseColoredImageButtonClick() {
    const int slotNumber = state.CurrentSlot;
    const QString copy = newColouredCopy(state.DataFolder, slotNumber);
    // Written first: when it fails, the slot and its thumbnails stay as they were.
    try {
        writeBitmapFile(copy, state.ColoredBitmap);
    } catch (const UserError&) {
        QFile::remove(copy);
        throw;
    }
    Bitmap square(slotSquareSize, slotSquareSize, colours::white);
    {
        Canvas canvas(square);
        canvas.stretchDraw(
            slotSquareRect(state.ColoredBitmap.width(), state.ColoredBitmap.height()),
            state.ColoredBitmap);
    }
    state.SlotPictures.at(static_cast<size_t>(slotNumber)) = square;
    showSlotThumbnail(slotNumber, square);
    session_.acceptColouring(slotNumber, copy, TypeRadioGroup->itemIndex());
    leaveColouring();
    DrawTilette(slotNumber);
}

void TForm1::CancelColoringButtonClick() {
    leaveColouring();
    session_.cancelColouring(state.CurrentSlot);
    DrawTilette(state.CurrentSlot);
}

void TForm1::leaveColouring() {
    UnlockControls();
    PageControl2->setVisible(true);
    PageControl1->setTabVisible(ColorImageTabSheet, false);
    PageControl1->setActivePage(StandardTabSheet);
    StandardTabSheet->setEnabled(true);
    setMenusEnabled(true);
    state.ColoredBitmap = Bitmap();
    state.ColouringSource = Bitmap();
}

// Any mouse button picks; a click on the Color Image page picks from the sample area too, at
// the same place, since both images lie where the other is.
void TForm1::Image2MouseDown(Qt::MouseButton, int x, int y) {
    const Bitmap& sample = Image2->picture();
    if (!state.ColorPickActive || x < 0 || y < 0 || x >= sample.width() || y >= sample.height())
        return;
    const Colour picked = sample.pixel(x, y);
    switch (PickColorRadioGroup->itemIndex()) {
    case 1:
        BorderColorDialog.Color = picked;
        break;
    case 2:
        ValueColorDialog.Color = picked;
        ValueFontDialog.Font.colour = picked;
        applyFontToEdit(ValueEdit, ValueFontDialog.Font);
        break;
    case 3:
        TextColorDialog.Color = picked;
        TextFontDialog.Font.colour = picked;
        applyFontToEdit(TextEdit, TextFontDialog.Font);
        break;
    case 4:
        BackgroundColorDialog.Color = picked;
        break;
    default:
        return;
    }
    DrawTilette(state.CurrentSlot);
}
