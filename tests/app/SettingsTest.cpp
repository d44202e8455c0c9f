#include "WindowFixture.h"

#include "app/controls/ImageBox.h"
#include "app/controls/PageControl.h"
#include "app/controls/RadioGroup.h"
#include "app/controls/UpDown.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
bool hasPixel(const Bitmap& picture, Colour colour) {
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) == colour)
                return true;
    return false;
}
} // namespace

class SettingsTest : public WindowFixture {
  protected:
    void SetUp() override {
        WindowFixture::SetUp();
        continueWith(pictureFile(QStringLiteral("photo.bmp"), 400, 400, 0x808080));
    }
};

TEST_F(SettingsTest, ColourButtonsRedrawWithTheChosenColour) {
    dialogs.answerColour(0x00FF00);
    form->run(&TForm1::SelectBorderColorButtonClick);
    EXPECT_EQ(form->BorderColorDialog.Color, 0x00FF00u);
    EXPECT_EQ(form->state.CurrentTilette.pixel(12, 12), 0x00FF00u); // the stamp's corner
    EXPECT_EQ(dialogs.shown().back().initialColour, colours::black);

    // Cancelling keeps the colour and still draws again.
    markCurrentTilette();
    dialogs.cancel();
    form->run(&TForm1::SelectBorderColorButtonClick);
    EXPECT_TRUE(redrawnSinceMark());
    EXPECT_EQ(form->BorderColorDialog.Color, 0x00FF00u);

    dialogs.answerColour(0xFFCC99);
    form->run(&TForm1::SelectBackgoundColorButtonClick);
    EXPECT_EQ(form->state.CurrentTilette.pixel(2, 2), 0xFFCC99u);
    markCurrentTilette();
    dialogs.cancel();
    form->run(&TForm1::SelectBackgoundColorButtonClick);
    EXPECT_TRUE(redrawnSinceMark());
    EXPECT_EQ(form->BackgroundColorDialog.Color, 0xFFCC99u);
}

TEST_F(SettingsTest, ADrawnTiletteReplacesTheSheetPreviewAndKeepsOverlaysOnScreenOnly) {
    const Bitmap aboutSample = form->AboutSampleImage->picture();
    form->PageControl1->setTabVisible(form->PreviewTabSheet, true);
    form->PageControl1->setActivePage(form->PreviewTabSheet);
    form->state.SheetBitmap = Bitmap(8, 8, colours::white);

    form->BorderRadioGroup->setItemIndex(3); // Perforations
    EXPECT_FALSE(form->PageControl1->tabVisible(form->PreviewTabSheet));
    EXPECT_EQ(form->PageControl1->activePage(), form->StandardTabSheet);
    EXPECT_TRUE(form->state.SheetBitmap.isEmpty());
    // The dots run across neighbouring tilettes on the sheet, so only the copy on show has them.
    const Bitmap& shown = form->state.CurrentTilette;
    const Bitmap& stored = form->session().slotTable()[1].TiletteImage;
    EXPECT_EQ(shown.pixel(8, 0), colours::black);
    EXPECT_EQ(stored.pixel(8, 0), colours::white);
    EXPECT_EQ(shown.pixel(160, 160), stored.pixel(160, 160));
    // Only the sample of slot 0 goes to the About page.
    EXPECT_EQ(form->AboutSampleImage->picture().image(), aboutSample.image());
}

TEST_F(SettingsTest, ValueAndCaptionColoursAreKeptInTheirThreePlaces) {
    form->ValueEdit->setText(QStringLiteral("$1"));
    dialogs.answerColour(0x0000C0);
    form->run(&TForm1::SelectValueColorButtonClick);
    EXPECT_EQ(form->ValueFontDialog.Font.colour, 0x0000C0u);
    EXPECT_EQ(form->ValueColorDialog.Color, 0x0000C0u);
    EXPECT_EQ(fromQColor(form->ValueEdit->palette().color(QPalette::Text)), 0x0000C0u);
    EXPECT_TRUE(hasPixel(form->state.CurrentTilette, 0x0000C0));

    // The font dialog has no colour choice: the font keeps the caption's colour.
    dialogs.answerColour(0xC00000);
    form->run(&TForm1::SelectTextColorButtonClick);
    FontChoice caption{QStringLiteral("Liberation Serif"), 20, false, true, 0xC00000};
    dialogs.answerFont(caption);
    form->run(&TForm1::TextSelectButtonClick);
    EXPECT_EQ(form->TextFontDialog.Font, caption);
    EXPECT_EQ(form->TextColorDialog.Color, 0xC00000u);
    EXPECT_EQ(fromQColor(form->TextEdit->palette().color(QPalette::Text)), 0xC00000u);
    EXPECT_TRUE(form->TextEdit->font().italic());

    FontChoice value{QStringLiteral("Liberation Sans"), 35, true, false, 0x0000C0};
    dialogs.answerFont(value);
    form->run(&TForm1::FontButtonClick);
    EXPECT_EQ(form->ValueColorDialog.Color, 0x0000C0u);
    EXPECT_EQ(form->ValueEdit->font().pixelSize(), 47);
    EXPECT_TRUE(form->ValueEdit->font().bold());
    EXPECT_EQ(form->ValueFontDialog.Font.face, QStringLiteral("Liberation Sans"));

    // A cancelled font dialog changes nothing and draws nothing.
    markCurrentTilette();
    dialogs.cancel();
    form->run(&TForm1::FontButtonClick);
    EXPECT_FALSE(redrawnSinceMark());
    EXPECT_EQ(form->ValueFontDialog.Font, value);
}

TEST_F(SettingsTest, TextsCornersAndEdgesRedrawOnEveryChange) {
    markCurrentTilette();
    form->ValueEdit->setText(QStringLiteral("9"));
    EXPECT_TRUE(redrawnSinceMark());
    markCurrentTilette();
    form->TextEdit->setText(QStringLiteral("HI"));
    EXPECT_TRUE(redrawnSinceMark());
    markCurrentTilette();
    form->ValueRadioGroup->setItemIndex(0);
    EXPECT_TRUE(redrawnSinceMark());
    markCurrentTilette();
    form->EdgeRadioGroup->setItemIndex(1);
    EXPECT_TRUE(redrawnSinceMark());
    markCurrentTilette();
    form->BlankCheckBox->setChecked(true);
    EXPECT_TRUE(redrawnSinceMark());
    // With a blank sheet the picture's grey is gone from the middle of the tilette.
    const Bitmap& tilette = form->state.CurrentTilette;
    EXPECT_EQ(tilette.pixel(tilette.width() / 2, tilette.height() / 2), colours::white);
}

TEST_F(SettingsTest, PerforationsSetTheMarginsAndOtherBordersClearThem) {
    form->BorderRadioGroup->setItemIndex(3);
    EXPECT_EQ(form->session().grid().perforationMarginX, 9);
    EXPECT_EQ(form->session().grid().perforationMarginY, 11);
    // (1600 - 18) div 320 = 4 across now, the size stays until the next geometry computation.
    EXPECT_EQ(form->session().grid().tilettesAcross, 4);
    form->BorderRadioGroup->setItemIndex(1);
    EXPECT_EQ(form->session().grid().perforationMarginX, 0);
    EXPECT_EQ(form->session().grid().perforationMarginY, 0);
    EXPECT_EQ(form->session().grid().tilettesAcross, 5);
}

TEST_F(SettingsTest, SettingControlsFromCodeRunsHandlersOnlyOnChange) {
    markCurrentTilette();
    form->BorderRadioGroup->setItemIndex(form->BorderRadioGroup->itemIndex());
    form->ValueEdit->setText(form->ValueEdit->text());
    form->BlankCheckBox->setChecked(form->BlankCheckBox->isChecked());
    form->WidthUpDown->setPosition(300);
    form->CopiesUpDown->setPosition(3);
    EXPECT_FALSE(redrawnSinceMark());
    EXPECT_EQ(form->CopiesEdit->text(), QStringLiteral("3"));

    form->NumberOfImagesWideRadioGroup->setItemIndex(0);
    EXPECT_TRUE(redrawnSinceMark());
    EXPECT_EQ(form->session().grid().tiletteWidth, 532); // 1600 div 3 = 533, position 266

    // Spinners step by 10 and stay in their range.
    form->SizeTilettesCheckBox->setChecked(true);
    EXPECT_FALSE(form->NumberOfImagesWideRadioGroup->isEnabled());
    EXPECT_TRUE(form->WidthUpDown->isEnabled());
    EXPECT_FALSE(form->HeightUpDown->isEnabled());
    form->WidthUpDown->setPosition(495);
    form->WidthUpDown->click(UpDown::Button::Up);
    EXPECT_EQ(form->WidthUpDown->position(), 500);
    EXPECT_EQ(form->WidthEdit->text(), QStringLiteral("5.00"));
    EXPECT_EQ(form->session().grid().tiletteWidth, 1000);
    form->WidthUpDown->setPosition(55);
    form->WidthUpDown->click(UpDown::Button::Down);
    EXPECT_EQ(form->WidthUpDown->position(), 50);
    EXPECT_EQ(form->session().grid().tiletteHeight, 100); // square: slot 1 is square
    form->CopiesUpDown->click(UpDown::Button::Up);
    form->CopiesUpDown->click(UpDown::Button::Up);
    EXPECT_EQ(form->CopiesUpDown->position(), 4);
    EXPECT_EQ(form->CopiesEdit->text(), QStringLiteral("4"));
}

TEST_F(SettingsTest, TheFreeHeightStartsFromTheHeightShown) {
    form->SizeTilettesCheckBox->setChecked(true);
    form->WidthUpDown->setPosition(170);
    form->WidthUpDown->click(UpDown::Button::Up); // 180 wide, square picture: 1.80 high
    EXPECT_EQ(form->HeightEdit->text(), QStringLiteral("1.80"));
    form->RatioCheckBox->setChecked(false);
    EXPECT_EQ(form->HeightUpDown->position(), 180);
    EXPECT_TRUE(form->HeightUpDown->isEnabled());
    form->HeightUpDown->click(UpDown::Button::Down);
    EXPECT_EQ(form->session().grid().tiletteHeight, 340);
    EXPECT_EQ(form->HeightEdit->text(), QStringLiteral("1.70"));
    // A typed size counts on Enter or on leaving the field, within the arrows' range.
    const auto type = [](QLineEdit* field, const char* text, bool leave) {
        field->selectAll();
        QTest::keyClicks(field, QString::fromLatin1(text));
        QFocusEvent leaving(QEvent::FocusOut, Qt::TabFocusReason);
        leave ? void(QApplication::sendEvent(field, &leaving))
              : QTest::keyClick(field, Qt::Key_Return);
    };
    type(form->HeightEdit, "2,5", false);
    type(form->WidthEdit, "1.2", true);
    type(form->WidthEdit, "5.01", false);
    type(form->HeightEdit, "big", true);
    EXPECT_EQ(form->session().grid().tiletteWidth, 240);
    EXPECT_EQ(form->session().grid().tiletteHeight, 500);
    EXPECT_EQ(form->WidthEdit->text() + form->HeightEdit->text(), QStringLiteral("1.202.50"));
    EXPECT_EQ(form->makerPanel->text(),
              QStringLiteral("The height is from 0.50 to 5.00 inches; it stays 2.50."));
    // Unchecking the override goes back to the size for the number across.
    form->SizeTilettesCheckBox->setChecked(false);
    EXPECT_EQ(form->session().grid().tiletteWidth, 320);
    EXPECT_EQ(form->TiletteSizeLabel->text(),
              QStringLiteral("Tilette Size -- Width = 1.60 Height = 1.60"));
    EXPECT_EQ(form->DownLabel->text(), QStringLiteral("Tilettes Down = 6 Across = 5"));
}

TEST_F(SettingsTest, EditMenuTakesBackEachStepAndTheControlsShowIt) {
    dialogs.answerColour(colours::red);
    form->SelectBorderColorButton->click();
    EXPECT_EQ(shownCaption(form->UndoItem->text()), QStringLiteral("Undo Border Color"));
    QTest::keyClicks(form->ValueEdit, QStringLiteral("$5"));
    dialogs.answerFile(pictureFile(QStringLiteral("two.bmp"), 300, 200, 0x00FF00));
    emit form->slotImages[2]->clicked();
    ASSERT_FALSE(form->session().slotTable()[2].FileName.isEmpty());
    EXPECT_TRUE(form->windowTitle().endsWith(QLatin1Char('*')));

    // Typing was one step; each undo puts the controls and the drawn tilette back.
    form->UndoItem->trigger();
    EXPECT_TRUE(form->session().slotTable()[2].FileName.isEmpty());
    EXPECT_EQ(shownCaption(form->UndoItem->text()), QStringLiteral("Undo Value Text"));
    form->UndoItem->trigger();
    EXPECT_EQ(form->ValueEdit->text(), QString());
    EXPECT_EQ(shownCaption(form->RedoItem->text()), QStringLiteral("Redo Value Text"));
    form->UndoItem->trigger();
    EXPECT_EQ(form->BorderColorDialog.Color, colours::black);
    EXPECT_EQ(form->state.CurrentTilette.pixel(12, 12), colours::black);
    form->RedoItem->trigger();
    EXPECT_EQ(form->state.CurrentTilette.pixel(12, 12), colours::red);
    EXPECT_TRUE(form->RedoItem->isEnabled());

    // A new change drops what was undone; saving clears the mark of a changed sheet.
    form->BorderRadioGroup->setItemIndex((form->BorderRadioGroup->itemIndex() + 1) % 4);
    EXPECT_EQ(shownCaption(form->UndoItem->text()), QStringLiteral("Undo Border"));
    EXPECT_FALSE(form->RedoItem->isEnabled());
    dialogs.answerFile(folder.filePath(QStringLiteral("sheet.agt")));
    form->SaveAsItem->trigger();
    EXPECT_FALSE(form->windowTitle().endsWith(QLatin1Char('*')));
}
