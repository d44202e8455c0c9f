#include "WindowFixture.h"

#include "app/controls/ImageBox.h"
#include "app/controls/PageControl.h"
#include "app/controls/RadioGroup.h"
#include "platform/Canvas.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace {
constexpr Colour orange = 0x2080E0;
constexpr Colour blue = 0xCC6633;

bool isGrey(Colour colour) {
    return redOf(colour) == greenOf(colour) && greenOf(colour) == blueOf(colour);
}
} // namespace

class ColouringTest : public WindowFixture {
  protected:
    void SetUp() override {
        WindowFixture::SetUp();
        continueWith(pictureFile(QStringLiteral("one.bmp"), 400, 300, orange));
        three = pictureFile(QStringLiteral("three.png"), 300, 300, blue);
        loadSlot(3, three);
        form->state.DataFolder = folder.path();
    }
    void openColouring(int slot) {
        form->ImagePopupMenuPopup(slot);
        form->popupMenu(slot).colorItem->trigger();
    }
    bool colouringOpen() const {
        return form->PageControl1->activePage() == form->ColorImageTabSheet;
    }
    QString three;
};

TEST_F(ColouringTest, TheColourPageIsAModeLeftByUseOrCancel) {
    form->TypeRadioGroup->setItemIndex(8); // gray scale, before the page opens: nothing drawn
    openColouring(3);
    ASSERT_TRUE(colouringOpen());
    EXPECT_FALSE(form->PageControl2->isVisible());
    EXPECT_FALSE(form->StandardTabSheet->isEnabled());
    EXPECT_FALSE(form->FileMenu->isEnabled());
    // Undo would take the picture being coloured from under the page, even by its shortcut.
    EXPECT_FALSE(form->EditMenu->isEnabled());
    form->UndoItem->trigger();
    EXPECT_FALSE(form->session().slotTable()[3].FileName.isEmpty());
    EXPECT_FALSE(form->PrintButton->isEnabled());
    EXPECT_EQ(form->state.CurrentSlot, 3);
    const Bitmap& coloured = form->state.ColoredBitmap;
    ASSERT_TRUE(coloured.isIndexed());
    EXPECT_TRUE(isGrey(coloured.pixel(10, 10)));
    EXPECT_TRUE(isGrey(form->ColorBitMapImage->picture().pixel(175, 175)));

    // A copy of the older program's name, which a setup saved then may name.
    const QString older = pictureFile(QStringLiteral("~~3.bmp"), 8, 8, colours::red);
    form->UseColoredImageButton->click();
    const ImageSlot& slot = form->session().slotTable()[3];
    const QString firstCopy = slot.FileName;
    EXPECT_TRUE(firstCopy.startsWith(folder.path() + "/~~3-") && firstCopy.endsWith(".bmp"));
    EXPECT_EQ(slot.SaveName, three);
    EXPECT_EQ(slot.ColorScheme, 8);
    EXPECT_TRUE(isGrey(readPicture(slot.FileName).pixel(5, 5)));
    EXPECT_TRUE(isGrey(form->slotImages[3]->picture().pixel(50, 50))); // letterboxed, whole
    EXPECT_TRUE(isGrey(form->state.CurrentTilette.pixel(160, 160)));
    EXPECT_FALSE(colouringOpen());
    EXPECT_TRUE(form->PageControl2->isVisible());
    EXPECT_FALSE(form->PageControl1->tabVisible(form->ColorImageTabSheet));
    EXPECT_TRUE(form->StandardTabSheet->isEnabled());
    EXPECT_TRUE(form->FileMenu->isEnabled());
    EXPECT_TRUE(form->PrintButton->isEnabled());

    // A second visit starts again from the chosen picture, not from the grey copy; the picture
    // is decoded once a visit, so further schemes need no file.
    form->TypeRadioGroup->setItemIndex(1);
    openColouring(3);
    EXPECT_EQ(form->state.ColouringSource.pixel(10, 10), blue);
    EXPECT_FALSE(isGrey(form->state.ColoredBitmap.pixel(10, 10)));
    QFile::rename(three, three + QStringLiteral(".away"));
    form->TypeRadioGroup->setItemIndex(7);
    EXPECT_EQ(errorsShown(), 0);
    EXPECT_TRUE(isGrey(form->state.ColoredBitmap.pixel(10, 10)));
    QFile::rename(three + QStringLiteral(".away"), three);
    form->CancelColoringButton->click();
    EXPECT_EQ(slot.FileName, three);
    EXPECT_EQ(slot.ColorScheme, 99);
    EXPECT_FALSE(colouringOpen());
    EXPECT_EQ(errorsShown(), 0);

    // Each accepted colouring is a copy of its own: a setup saved with an earlier one keeps it.
    form->TypeRadioGroup->setItemIndex(1);
    openColouring(3);
    form->UseColoredImageButton->click();
    EXPECT_TRUE(slot.FileName.startsWith(folder.path() + "/~~3-") && slot.FileName != firstCopy);
    EXPECT_TRUE(isGrey(readPicture(firstCopy).pixel(5, 5)));
    EXPECT_EQ(readPicture(older).pixel(5, 5), colours::red);

    // The preview is cleared first: nothing of an earlier picture stays below a wide one.
    openColouring(1);
    Canvas(form->ColorBitMapImage->picture()).fillRect({0, 0, 350, 350}, markerColour);
    form->TypeRadioGroup->setItemIndex(2);
    EXPECT_NE(form->ColorBitMapImage->picture().pixel(10, 340), markerColour);
    EXPECT_NE(form->ColorBitMapImage->picture().pixel(10, 10), markerColour);
    form->CancelColoringButton->click();
}

TEST_F(ColouringTest, WhatCannotBeColouredIsToldAndChangesNothing) {
    // An empty slot does not colour another slot's picture.
    openColouring(5);
    EXPECT_EQ(dialogs.shown().back().text,
              QStringLiteral("Choose a picture for this tilette first."));
    EXPECT_FALSE(colouringOpen());

    // A coloured copy that cannot be written leaves the slot as it was and the page open.
    openColouring(3);
    form->state.DataFolder = pictureFile(QStringLiteral("not-a-folder.bmp"), 2, 2);
    form->UseColoredImageButton->click();
    EXPECT_TRUE(lastError().startsWith(QStringLiteral("Cannot create file")));
    EXPECT_TRUE(colouringOpen());
    EXPECT_EQ(form->session().slotTable()[3].FileName, three);
    EXPECT_EQ(form->session().slotTable()[3].ColorScheme, 99);
    EXPECT_EQ(form->slotImages[3]->picture().pixel(50, 50), blue);
}

TEST_F(ColouringTest, SelectAColourTintsWithTheColourChosen) {
    form->TypeRadioGroup->setItemIndex(20);
    dialogs.answerColour(0x0000FF); // pure red: a red tint
    openColouring(3);
    EXPECT_EQ(form->state.PaletteFactors, (PaletteFactors{255, 0, 0}));
    const Colour tinted = form->state.ColoredBitmap.pixel(10, 10);
    EXPECT_EQ(redOf(tinted), 255);
    EXPECT_LT(greenOf(tinted), 255);
    EXPECT_EQ(greenOf(tinted), blueOf(tinted));
    // Cancelled, the tint is of the colour chosen last, whatever scheme came between.
    form->TypeRadioGroup->setItemIndex(0);
    dialogs.cancel();
    form->TypeRadioGroup->setItemIndex(20);
    EXPECT_EQ(form->state.PaletteFactors, (PaletteFactors{255, 0, 0}));
    EXPECT_EQ(dialogs.shown().back().initialColour, 0x0000FFu);
}

TEST_F(ColouringTest, PickingTakesTheClickedColourForEachTarget) {
    form->DrawTilette(1);
    // "No Color Pick": a click changes nothing and draws nothing.
    markCurrentTilette();
    QTest::mouseClick(form->Image2, Qt::LeftButton, {}, QPoint(175, 140));
    EXPECT_FALSE(redrawnSinceMark());

    const Colour face = fromQColor(QApplication::palette().color(QPalette::Button));
    struct Case {
        int target;
        Qt::MouseButton button;
        QPoint at;
        Colour expected;
    };
    // The tilette fills (0, 0, 350, 275) of the area: below it lies the face colour.
    const Case cases[] = {{1, Qt::LeftButton, {175, 140}, orange},
                          {2, Qt::RightButton, {175, 140}, orange},
                          {3, Qt::MiddleButton, {175, 340}, face},
                          {4, Qt::RightButton, {175, 140}, orange}};
    for (const Case& c : cases) {
        form->PickColorRadioGroup->setItemIndex(c.target);
        markCurrentTilette();
        QTest::mouseClick(form->Image2, c.button, {}, c.at);
        EXPECT_TRUE(redrawnSinceMark()) << c.target;
        form->PickColorRadioGroup->setItemIndex(0);
    }
    EXPECT_EQ(form->BorderColorDialog.Color, orange);
    EXPECT_EQ(form->ValueColorDialog.Color, orange);
    EXPECT_EQ(form->ValueFontDialog.Font.colour, orange);
    EXPECT_EQ(fromQColor(form->ValueEdit->palette().color(QPalette::Text)), orange);
    EXPECT_EQ(form->TextFontDialog.Font.colour, face);
    EXPECT_EQ(form->TextColorDialog.Color, face);
    EXPECT_EQ(form->BackgroundColorDialog.Color, orange);
}
