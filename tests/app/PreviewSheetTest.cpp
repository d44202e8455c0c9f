#include "WindowFixture.h"

#include "app/controls/ImageBox.h"
#include "app/controls/PageControl.h"
#include "app/controls/RadioGroup.h"

#include <QApplication>
#include <QPushButton>

namespace {
constexpr Colour first = 0x3366CC;
constexpr Colour second = 0x22AA22;
} // namespace

class PreviewSheetTest : public WindowFixture {
  protected:
    void SetUp() override {
        WindowFixture::SetUp();
        continueWith(pictureFile(QStringLiteral("one.bmp"), 400, 400, first));
        form->BorderRadioGroup->setItemIndex(0); // no border: the cells are the pictures' colours
    }
    Colour previewPixel(int x, int y) const { return form->PreviewImage->picture().pixel(x, y); }
};

TEST_F(PreviewSheetTest, PreviewSheetShowsTheComposedSheetReduced) {
    loadSlot(2, pictureFile(QStringLiteral("two.bmp"), 400, 400, second));
    form->TypeOfPageRadioGroup->setItemIndex(1); // checkerboard
    form->PreviewButton->click();

    // 8 × 10.5 inches: 1600 × 2100 units of 320-unit tilettes, five across and six down.
    const Bitmap& sheet = form->state.SheetBitmap;
    ASSERT_EQ(sheet.width(), 1600);
    ASSERT_EQ(sheet.height(), 2100);
    EXPECT_EQ(sheet.pixel(160, 160), first);
    EXPECT_EQ(sheet.pixel(480, 160), second);
    EXPECT_EQ(sheet.pixel(160, 480), second);
    EXPECT_EQ(sheet.pixel(800, 2050), colours::white); // below the sixth row
    // Reduced by k = max(1600 div 583, 2100 div 389) + 1 = 6 into 266 × 350, aqua beside it.
    EXPECT_EQ(previewPixel(160 / 6, 160 / 6), first);
    EXPECT_EQ(previewPixel(480 / 6, 160 / 6), second);
    EXPECT_EQ(previewPixel(270, 100), colours::aqua);
    EXPECT_EQ(previewPixel(100, 360), colours::aqua);

    EXPECT_TRUE(form->PageControl1->tabVisible(form->PreviewTabSheet));
    EXPECT_EQ(form->PageControl1->activePage(), form->PreviewTabSheet);
    EXPECT_TRUE(form->PrintButton->isEnabled()); // unlocked again
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(form->state.CurrentSlot, 2); // the last slot drawn

    // Any change of the tilette makes the preview out of date: Basic comes forward instead.
    form->BorderRadioGroup->setItemIndex(1);
    EXPECT_FALSE(form->PageControl1->tabVisible(form->PreviewTabSheet));
    EXPECT_EQ(form->PageControl1->activePage(), form->StandardTabSheet);
    EXPECT_TRUE(form->state.SheetBitmap.isEmpty());
}

TEST_F(PreviewSheetTest, MissingSlotsAreToldAndLeaveTheSheetWhite) {
    loadSlot(3, pictureFile(QStringLiteral("three.bmp"), 400, 400, second));
    form->TypeOfPageRadioGroup->setItemIndex(1); // needs slots 1 and 2; 1 and 3 are in use
    const int shownBefore = static_cast<int>(dialogs.shown().size());
    form->PreviewButton->click();
    ASSERT_EQ(static_cast<int>(dialogs.shown().size()), shownBefore + 1);
    EXPECT_EQ(dialogs.shown().back().kind, DialogKind::Message);
    EXPECT_EQ(dialogs.shown().back().text,
              QStringLiteral("Must have 2 images selected to use this option."));
    EXPECT_EQ(form->state.SheetBitmap.pixel(160, 160), colours::white);
    EXPECT_EQ(previewPixel(20, 20), colours::aqua);
    EXPECT_FALSE(form->PageControl1->tabVisible(form->PreviewTabSheet));
    EXPECT_EQ(form->PageControl1->activePage(), form->StandardTabSheet);
    EXPECT_TRUE(form->PrintButton->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // "One image" without slot 1 says what is missing, from either button.
    form->run([this] { form->DeleteImage(1); });
    form->TypeOfPageRadioGroup->setItemIndex(0);
    for (void (TForm1::*button)() : {&TForm1::PreviewButtonClick, &TForm1::PrintButtonClick}) {
        form->run(button);
        EXPECT_EQ(dialogs.shown().back().text,
                  QStringLiteral("Choose a picture for Tilette 1 first."));
    }
    EXPECT_EQ(static_cast<int>(dialogs.shown().size()), shownBefore + 3);
    EXPECT_TRUE(printers.printedPages.empty());
}

TEST(PreviewSheetWithoutPrinterTest, NoPageSizeIsToldInsteadOfAnEmptySheet) {
    ScriptedDialogs dialogs;
    FakePrinterSystem printers(DeviceCapabilities{});
    TForm1 form(dialogs, printers);
    form.show();
    form.run(&TForm1::PreviewButtonClick);
    ASSERT_FALSE(dialogs.shown().empty());
    EXPECT_TRUE(dialogs.shown().back().text.startsWith(QStringLiteral("The printer gives no")));
    EXPECT_FALSE(form.PageControl1->tabVisible(form.PreviewTabSheet));
}
