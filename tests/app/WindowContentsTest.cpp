#include "WindowFixture.h"

#include "app/Hint.h"
#include "app/controls/ImageBox.h"
#include "app/controls/PageControl.h"
#include "app/controls/RadioGroup.h"
#include "app/controls/UpDown.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

using WindowContentsTest = WindowFixture;

TEST_F(WindowContentsTest, EveryNamedControlIsThereAtItsPlace) {
    struct Placed {
        const char* name;
        QRect geometry;
    };
    const Placed placed[] = {
        {"PageControl2", {0, 0, 161, 425}},
        {"PageControl1", {162, 0, 591, 425}},
        {"Memo2", {4, 423, 745, 45}},
        {"StatusBar1", {0, 467, 754, 24}},
        {"TypeOfPageRadioGroup", {0, 0, 153, 145}},
        {"Panel1", {0, 152, 153, 201}},
        {"CopiesEdit", {96, 8, 25, 21}},
        {"CopiesUpDown", {121, 8, 15, 21}},
        {"PrintButton", {8, 168, 137, 25}},
        {"ExitButton", {8, 360, 137, 25}},
        {"ValueEdit", {8, 16, 137, 56}},
        {"EdgeRadioGroup", {4, 112, 141, 57}},
        {"WidthUpDown", {113, 32, 16, 21}},
        {"PickColorRadioGroup", {2, 200, 150, 105}},
        {"GroupBox1", {0, 0, 225, 225}},
        {"DImage", {111, 120, 100, 100}},
        {"BorderRadioGroup", {0, 296, 225, 57}},
        {"SelectBackgoundColorButton", {112, 16, 105, 17}},
        {"Image2", {231, 0, 350, 350}},
        {"c09Image", {212, 240, 100, 100}},
        {"AboutSampleImage", {231, 0, 350, 350}},
        {"ContinueButton", {32, 328, 121, 25}},
        {"CancelColoringButton", {424, 360, 145, 25}},
        {"TypeRadioGroup", {0, 0, 153, 369}},
    };
    for (const Placed& control : placed) {
        auto* widget = form->findChild<QWidget*>(QLatin1String(control.name));
        ASSERT_NE(widget, nullptr) << control.name;
        EXPECT_EQ(widget->geometry(), control.geometry) << control.name;
    }
    for (const char* name : {"PrintControlTabSheet",
                             "TabSheet4",
                             "TextTabSheet",
                             "AdvancedTabSheet",
                             "TabSheet1",
                             "StandardTabSheet",
                             "Images01to15TabSheet",
                             "PreviewTabSheet",
                             "AboutTabSheet",
                             "HiddenImagesTabSheet",
                             "ColorImageTabSheet",
                             "Label1",
                             "Label2",
                             "Label3",
                             "DownLabel",
                             "TiletteSizeLabel",
                             "WidthEdit",
                             "HeightEdit",
                             "RatioCheckBox",
                             "BlankCheckBox",
                             "SizeTilettesCheckBox",
                             "FontButton",
                             "TextSelectButton",
                             "SelectValueColorButton",
                             "SelectTextColorButton",
                             "PreviewTiletteButton",
                             "PrinterSetupButton",
                             "PreviewButton",
                             "Memo1",
                             "Image3",
                             "PreviewImage",
                             "ColorBitMapImage",
                             "UseColoredImageButton",
                             "ExitAboutButton",
                             "c00Image",
                             "c10Image"})
        EXPECT_NE(form->findChild<QWidget*>(QLatin1String(name)), nullptr) << name;
    for (const char* name :
         {"OpenItem", "SaveAsItem", "SaveSheetImageBestItem", "SaveSingleTiletteImageBestItem",
          "SaveSheetImageGoodItem", "SaveSingleTiletteImageGoodItem", "SaveSheetImageforEmailItem",
          "SaveSingleTiletteImageforEmailItem", "ExitItem"})
        EXPECT_NE(form->findChild<QAction*>(QLatin1String(name)), nullptr) << name;
}

// Alt and a letter reach one item: within each menu, and across the menu bar and every page's
// buttons, as a page on the left and one on the right are shown side by side.
TEST_F(WindowContentsTest, EveryMenuItemAndButtonHasAMnemonicOfItsOwn) {
    std::vector<std::pair<QString, QStringList>> groups;
    std::vector<QMenu*> menus{form->FileMenu, form->EditMenu};
    for (int slot = 1; slot <= 9; ++slot)
        menus.push_back(form->popupMenu(slot).menu);
    for (QMenu* menu : menus) {
        groups.push_back({menu->objectName(), {}});
        for (QAction* item : menu->actions())
            if (!item->isSeparator())
                groups.back().second << item->text();
    }
    groups.push_back({QStringLiteral("window"), {}});
    for (QAction* menu : form->menuBar()->actions())
        groups.back().second << menu->text();
    for (PageControl* pages : {form->PageControl2, form->PageControl1})
        for (int page = 0; page < pages->pageCount(); ++page)
            for (QPushButton* button : pages->page(page)->findChildren<QPushButton*>())
                groups.back().second << button->text();

    for (const auto& [group, captions] : groups) {
        QMap<QKeySequence, QString> taken;
        for (const QString& caption : captions) {
            const QKeySequence key = QKeySequence::mnemonic(caption);
            EXPECT_FALSE(key.isEmpty()) << group.toStdString() << ": " << caption.toStdString();
            EXPECT_FALSE(taken.contains(key))
                << group.toStdString() << ": " << caption.toStdString() << " and "
                << taken.value(key).toStdString();
            taken.insert(key, caption);
        }
    }
}

TEST_F(WindowContentsTest, ControlsStartWithTheirValuesAndRanges) {
    EXPECT_EQ(form->NumberOfImagesWideRadioGroup->itemIndex(), 2);
    EXPECT_EQ(form->NumberOfImagesWideRadioGroup->itemText(0), QStringLiteral("3"));
    EXPECT_EQ(form->BorderRadioGroup->itemText(2), QStringLiteral("Stamp "));
    EXPECT_EQ(form->ValueRadioGroup->itemIndex(), 2);
    EXPECT_EQ(form->EdgeRadioGroup->itemIndex(), 3);
    EXPECT_EQ(form->TypeRadioGroup->count(), 21);
    EXPECT_EQ(form->TypeRadioGroup->itemText(16), QStringLiteral("16-  Brown Tone"));
    EXPECT_EQ(form->CopiesUpDown->minimum(), 1);
    EXPECT_EQ(form->CopiesUpDown->maximum(), 4);
    EXPECT_EQ(form->WidthUpDown->minimum(), 50);
    EXPECT_EQ(form->WidthUpDown->maximum(), 500);
    EXPECT_EQ(form->WidthUpDown->step(), 10);
    EXPECT_FALSE(form->WidthUpDown->isEnabled());
    EXPECT_TRUE(form->RatioCheckBox->isChecked());
    EXPECT_FALSE(form->SizeTilettesCheckBox->isChecked());
    EXPECT_EQ(form->ValueFontDialog.Font,
              (FontChoice{QStringLiteral("Times New Roman"), 35, true, false, 0}));
    EXPECT_EQ(form->TextFontDialog.Font,
              (FontChoice{QStringLiteral("Arial"), 16, true, false, colours::red}));
    EXPECT_EQ(form->TextColorDialog.Color, colours::red);
    EXPECT_EQ(form->ValueEdit->font().pixelSize(), 47); // the edit shows the value font
    EXPECT_EQ(hintOf(form->ExitButton), QStringLiteral("Ends Program"));
    EXPECT_EQ(form->PreviewImage->size(), QSize(583, 389));
    // Every format read, together first and then each alone, and any file last.
    EXPECT_EQ(
        form->OpenPictureDialog1.filters,
        (QStringList{"All pictures (*.jpg *.jpeg *.jpe *.png *.bmp *.heic *.heif *.avif "
                     "*.webp *.tif *.tiff *.gif)",
                     "JPEG Image File (*.jpg *.jpeg *.jpe)", "PNG Image File (*.png)",
                     "Bitmaps (*.bmp)", "HEIC Image File (*.heic *.heif)",
                     "AVIF Image File (*.avif)", "WebP Image File (*.webp)",
                     "TIFF Image File (*.tif *.tiff)", "GIF Image File (*.gif)", "All files (*)"}));
    EXPECT_EQ(form->OpenPictureDialog1.selectedFilter, 0);
    // The data folder is there, in the per-user data location.
    EXPECT_TRUE(QDir(form->state.DataFolder).exists());
}

TEST_F(WindowContentsTest, TheFileNameShowsItsUnderscoresWithinTheLabel) {
    // The underscore is where the two pictures differ; it must not touch the label's edge.
    const auto rendered = [this](const QString& text) {
        form->Label3->setText(text);
        return form->Label3->grab().toImage();
    };
    const QImage underscored = rendered(QStringLiteral("jpeg_named.bmp"));
    const QImage spaced = rendered(QStringLiteral("jpeg named.bmp"));
    int lowestDifference = -1;
    for (int y = 0; y < underscored.height(); ++y)
        for (int x = 0; x < underscored.width(); ++x)
            if (underscored.pixel(x, y) != spaced.pixel(x, y))
                lowestDifference = y;
    ASSERT_GE(lowestDifference, 0) << "no underscore drawn";
    EXPECT_LT(lowestDifference, form->Label3->height() - 1);
}

TEST_F(WindowContentsTest, ReloadingTakesTheStoredNameWithoutAsking) {
    const QString path = pictureFile(QStringLiteral("stored.bmp"), 300, 150);
    form->state.ReloadMode = QStringLiteral("yes");
    form->run([&] { form->ImageClick(5, path); });
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(form->session().slotTable()[5].Ratio, 500);
    EXPECT_TRUE(form->session().slotTable()[5].SaveName.isEmpty());
    EXPECT_EQ(form->slotImages[5]->picture().pixel(50, 50), 0x3366CCu);
}

TEST_F(WindowContentsTest, RedrawingAllSlotsDrawsEachUsedSlotAndEndsInAskingMode) {
    QStringList paths;
    for (int slot = 1; slot <= 9; ++slot) {
        paths << pictureFile(QStringLiteral("slot%1.bmp").arg(slot), 200, 200);
        loadSlot(slot, paths.back());
    }
    // Another size: only the tilette shown is drawn in it until all are drawn again.
    form->NumberOfImagesWideRadioGroup->setItemIndex(4);
    // One file is damaged and one is gone since they were chosen.
    QFile::remove(paths[1]);
    brokenFile(QStringLiteral("slot2.bmp"));
    QFile::remove(paths[4]);

    form->run(&TForm1::RefreshTilettes);
    for (int slot = 1; slot <= 9; ++slot) {
        const bool drawn =
            form->session().slotTable()[static_cast<size_t>(slot)].TiletteImage.width() ==
            form->session().grid().tiletteWidth;
        EXPECT_EQ(drawn, slot != 2 && slot != 5) << slot;
    }
    // The damaged file is told once; the one that is gone is passed over without a word.
    EXPECT_EQ(errorsShown(), 1);
    EXPECT_TRUE(lastError().startsWith(QStringLiteral("Bitmap image is not valid")));
    EXPECT_EQ(form->state.CurrentSlot, 9);
    EXPECT_EQ(form->state.ReloadMode, QStringLiteral("no"));
}

TEST_F(WindowContentsTest, PreviewTiletteShowsEachUsedSlotInTurn) {
    loadSlot(2, pictureFile(QStringLiteral("two.bmp"), 200, 100));
    loadSlot(6, pictureFile(QStringLiteral("six.bmp"), 100, 200));
    const size_t before = dialogs.shown().size();
    form->run(&TForm1::PreviewTiletteButtonClick);
    ASSERT_EQ(dialogs.shown().size(), before + 2);
    EXPECT_EQ(dialogs.shown()[before].kind, DialogKind::Message);
    EXPECT_EQ(dialogs.shown()[before].text, QStringLiteral("Display Next Tilette"));
    EXPECT_EQ(form->state.CurrentSlot, 6);
    EXPECT_EQ(form->PageControl1->activePage(), form->StandardTabSheet);
}

TEST(WindowWithoutPrinterTest, AResolutionOfZeroKeepsThePreviousGeometry) {
    ScriptedDialogs dialogs;
    DeviceCapabilities nothing; // an unusable printer: every measurement 0
    FakePrinterSystem printers(nothing);
    TForm1 form(dialogs, printers);
    form.show();
    form.NumberOfImagesWideRadioGroup->setItemIndex(4);
    form.SizeTilettesCheckBox->setChecked(true);
    form.BorderRadioGroup->setItemIndex(3);
    form.WidthUpDown->click(UpDown::Button::Up);
    EXPECT_EQ(form.session().grid().tiletteWidth, 316);
    EXPECT_EQ(form.session().grid().tiletteHeight, 316);
    // The size controls show the size in use, and the status bar says why it stays.
    EXPECT_EQ(form.WidthUpDown->position(), 158);
    EXPECT_EQ(form.HeightUpDown->position(), 158);
    EXPECT_EQ(form.WidthEdit->text(), QStringLiteral("1.58"));
    EXPECT_EQ(form.HeightEdit->text(), QStringLiteral("1.58"));
    EXPECT_TRUE(form.makerPanel->text().contains(QStringLiteral("printer")));
    for (const ShownDialog& shown : dialogs.shown())
        EXPECT_NE(shown.kind, DialogKind::Error);
}
