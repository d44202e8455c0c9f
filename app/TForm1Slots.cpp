// The nine image slots: choosing, loading, showing and deleting their pictures.
#include "app/TForm1.h"

#include "app/controls/ImageBox.h"
#include "app/controls/PageControl.h"
#include "sheet/SlotPicture.h"

#include <QFileInfo>
#include <QPushButton>
#include <utility>

Bitmap TForm1::LoadSlotImage(int slotNumber, const QString& givenFile) {
    Bitmap& slotPicture = state.SlotPictures.at(static_cast<size_t>(slotNumber));
    // Reloading takes the file given, or else the slot's own.
    QString fileName = givenFile.isEmpty()
                           ? session_.slotTable().at(static_cast<size_t>(slotNumber)).FileName
                           : givenFile;
    const bool chosenByUser = state.ReloadMode != QLatin1String("yes");
    if (chosenByUser) {
        // A picture named on the command line stands for the dialog's answer.
        std::optional<QString> chosen = givenFile;
        if (givenFile.isEmpty()) {
            OpenPictureDialog1.title =
                QStringLiteral("Select image file for Tilette %1").arg(slotNumber);
            chosen = dialogs_.openFile(OpenPictureDialog1);
        }
        // Cancelling keeps the slot as it was, names included; slot 1's tilette is shown all
        // the same, as after a load.
        if (!chosen) {
            if (slotNumber == 1) {
                computeTiletteSize();
                DrawTilette(1);
            }
            return slotPicture;
        }
        fileName = *chosen;
        // The next picture is most likely beside this one.
        OpenPictureDialog1.folder = QFileInfo(fileName).absolutePath();
    }

    // The slot takes the new file only once it has been read: a broken file leaves the slot,
    // its thumbnail and the sheet as they were.
    decodePictures({{fileName, slotSquareSize, slotSquareSize}});
    Bitmap square = chosenByUser ? session_.loadPicture(slotNumber, fileName).result
                                 : session_.reloadPicture(slotNumber, fileName).result;
    // Slot 1's picture sets the tilette size, in which its tilette is then drawn, once.
    if (slotNumber == 1)
        computeTiletteSize();
    slotPicture = std::move(square);
    DrawTilette(slotNumber);
    return slotPicture;
}

// The slot's tilette has been drawn by the load, slot 1's in the size its picture gives.
void TForm1::ImageClick(int slot, const QString& givenFile) {
    const Bitmap picture = LoadSlotImage(slot, givenFile);
    showSlotThumbnail(slot, picture);
    if (slot != 1)
        return;
    PrintButton->setEnabled(true);
    PreviewButton->setEnabled(true);
}

void TForm1::c01ImageClick() {
    ImageClick(1);
}
void TForm1::c02ImageClick() {
    ImageClick(2);
}
void TForm1::c03ImageClick() {
    ImageClick(3);
}
void TForm1::c04ImageClick() {
    ImageClick(4);
}
void TForm1::c05ImageClick() {
    ImageClick(5);
}
void TForm1::c06ImageClick() {
    ImageClick(6);
}
void TForm1::c07ImageClick() {
    ImageClick(7);
}
void TForm1::c08ImageClick() {
    ImageClick(8);
}
void TForm1::c09ImageClick() {
    ImageClick(9);
}

void TForm1::ImagePopupMenuPopup(int slot) {
    state.PopupSlot = slot;
}

void TForm1::ShowTiletteItemClick() {
    PageControl1->setActivePage(StandardTabSheet);
    DrawTilette(state.PopupSlot);
}

void TForm1::DeleteImage(int slotNumber) {
    session_.deletePicture(slotNumber);
    state.UnreadableReported.at(static_cast<size_t>(slotNumber)) = false;
    showSlotPlaceholder(slotNumber);
    if (slotNumber == 1) {
        PrintButton->setEnabled(false);
        PreviewButton->setEnabled(false);
    }
    // The deleted picture must not stay on show as if it were still used.
    if (slotNumber == state.CurrentSlot) {
        clearSampleArea();
        if (const int shown = lowestSlot(true))
            DrawTilette(shown);
    }
}

// The thumbnails are stretched from the placeholder, not copied from each other.
void TForm1::showSlotPlaceholder(int slotNumber) {
    BuildSlotHints(slotNumber, slotNumber, QStringLiteral("Tilette"), slotNumber);
    const Bitmap& placeholder = state.SlotPictures.at(static_cast<size_t>(slotNumber));
    for (ImageBox* thumbnail :
         {slotImages.at(static_cast<size_t>(slotNumber)), basicThumbnail(slotNumber)}) {
        if (thumbnail)
            stretchIntoThumbnail(thumbnail, placeholder);
    }
}

int TForm1::lowestSlot(bool withPicture) const {
    for (int slot = FirstUserSlot; slot <= LastUserSlot; ++slot)
        if (session_.slotTable()[static_cast<size_t>(slot)].FileName.isEmpty() != withPicture)
            return slot;
    return 0;
}
