#include "WindowFixture.h"

#include "app/SheetViewer.h"
#include "app/SheetZoom.h"
#include "app/controls/ImageBox.h"
#include "app/controls/PageControl.h"
#include "app/controls/RadioGroup.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <QWheelEvent>

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

TEST_F(PreviewSheetTest, TheSheetViewerZoomsTheSheetAndNeverShowsAnOutdatedOne) {
    // Asked for before any Preview Sheet, the viewer has the sheet composed first.
    form->ViewSheetItem->trigger();
    ASSERT_NE(form->sheetViewer, nullptr);
    SheetViewer& viewer = *form->sheetViewer;
    ASSERT_TRUE(viewer.isVisible() && viewer.showsSheet());
    EXPECT_TRUE(form->PageControl1->tabVisible(form->PreviewTabSheet));
    QWidget* canvas = viewer.canvas();
    QWidget* view = viewer.scrollArea()->viewport();
    const double ratio = canvas->devicePixelRatioF();
    const auto shownAt = [&](QSize deviceSize) { return deviceSize / ratio; };

    // Fit: the whole 1600 x 2100 sheet, as large as the view lets it be.
    EXPECT_TRUE(viewer.fitting());
    EXPECT_LE(canvas->width(), view->width());
    EXPECT_LE(canvas->height(), view->height());
    EXPECT_TRUE(canvas->width() >= view->width() - 1 || canvas->height() >= view->height() - 1);
    EXPECT_EQ(viewer.zoomLabel->text(),
              QStringLiteral("%1 %").arg(sheetzoom::percent(viewer.zoom())));

    viewer.actualSizeButton->click();
    EXPECT_EQ(canvas->size(), shownAt({1600, 2100}));
    EXPECT_EQ(viewer.zoomLabel->text(), QStringLiteral("100 %"));
    QTest::keyClick(viewer.scrollArea(), Qt::Key_Plus);
    EXPECT_EQ(canvas->size(), shownAt({2400, 3150}));
    EXPECT_EQ(viewer.zoomLabel->text(), QStringLiteral("150 %"));
    for (const auto& [keys, zoom] : {std::pair(Qt::NoModifier, 1.5), // scrolls, does not zoom
                                     std::pair(Qt::ControlModifier, 1.0)}) {
        const QPointF at(40, 40);
        QWheelEvent wheel(at, view->mapToGlobal(at), {}, {0, -120}, Qt::NoButton, keys,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(view, &wheel);
        EXPECT_EQ(canvas->size(), shownAt(QSize(1600, 2100) * zoom)) << keys;
    }

    // A changed tilette takes the sheet away; the next Preview Sheet shows the new one.
    form->BorderRadioGroup->setItemIndex(1);
    EXPECT_FALSE(viewer.showsSheet());
    EXPECT_FALSE(viewer.scrollArea()->isVisible());
    form->PreviewButton->click();
    EXPECT_TRUE(viewer.showsSheet());
    EXPECT_EQ(canvas->size(), shownAt({1600, 2100})); // at the zoom chosen
    viewer.close();
    QTest::mouseDClick(form->PreviewImage, Qt::LeftButton);
    EXPECT_TRUE(viewer.isVisible());
}

TEST(SheetZoomTest, FitStepsAndSizes) {
    struct Fit {
        QSize sheet, view;
        double ratio, zoom;
    };
    const Fit fits[] = {
        {{1600, 2100}, {800, 700}, 1.0, 1.0 / 3}, // the height decides
        {{1600, 2100}, {800, 700}, 2.0, 2.0 / 3}, // twice the device pixels in the same view
        {{2000, 1000}, {500, 500}, 1.5, 0.375},   // the width decides
        {{100, 100}, {800, 700}, 1.0, 4.0},       // enlarged no further than the last step
        {{}, {800, 700}, 1.0, 1.0},               // nothing to fit
    };
    for (const Fit& fit : fits)
        EXPECT_DOUBLE_EQ(sheetzoom::fitZoom(fit.sheet, fit.view, fit.ratio), fit.zoom)
            << fit.sheet.width() << " in " << fit.view.width() << " at " << fit.ratio;

    struct Step {
        double from, in, out;
    };
    const Step steps[] = {
        {1.0, 1.5, 0.75},  {1.0 / 3 - 1e-12, 0.5, 0.25}, {0.3, 1.0 / 3, 0.25}, {4.0, 4.0, 3.0},
        {0.05, 0.1, 0.05}, {0.01, 0.05, 0.05},
    };
    for (const Step& step : steps) {
        EXPECT_DOUBLE_EQ(sheetzoom::zoomedIn(step.from), step.in) << step.from;
        EXPECT_DOUBLE_EQ(sheetzoom::zoomedOut(step.from), step.out) << step.from;
    }

    struct Sized {
        double zoom, ratio;
        QSize device, logical;
        int percent;
    };
    const Sized sizes[] = {
        {1.0, 1.0, {1600, 2100}, {1600, 2100}, 100}, {1.0, 2.0, {1600, 2100}, {800, 1050}, 100},
        {1.0, 3.0, {1600, 2100}, {534, 700}, 100}, // no device pixel cut off
        {0.5, 1.25, {800, 1050}, {640, 840}, 50},    {1.0 / 3, 1.0, {533, 700}, {533, 700}, 33},
        {3.0, 1.5, {4800, 6300}, {3200, 4200}, 300},
    };
    for (const Sized& size : sizes) {
        EXPECT_EQ(sheetzoom::deviceSize({1600, 2100}, size.zoom), size.device) << size.zoom;
        EXPECT_EQ(sheetzoom::logicalSize({1600, 2100}, size.zoom, size.ratio), size.logical)
            << size.zoom << " at " << size.ratio;
        EXPECT_EQ(sheetzoom::percent(size.zoom), size.percent);
    }
}
