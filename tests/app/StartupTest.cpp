#include "WindowFixture.h"

#include "app/Hint.h"
#include "app/SlotPlaceholder.h"
#include "app/controls/ImageBox.h"
#include "app/controls/PageControl.h"
#include "app/controls/RadioGroup.h"
#include "app/controls/UpDown.h"
#include "platform/Canvas.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

namespace {
QStringList tabNames(const PageControl* pages) {
    QStringList names;
    for (QWidget* page : pages->visibleTabPages())
        names << page->objectName();
    return names;
}

int countPixels(const Bitmap& picture, Colour colour) {
    int count = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            count += picture.pixel(x, y) == colour;
    return count;
}
} // namespace

using StartupTest = WindowFixture;

TEST_F(StartupTest, StartsOnTheAboutPageWithOnlyContinueOpenAndExitToPress) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Ambergate Tilettes Print"));
    EXPECT_EQ(form->clientArea->size(), QSize(754, 491));
    // Fixed, so it cannot be maximised into grey space; doubled, it fits a 1920 x 1080 screen
    // with room for a title bar.
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_LE(2 * form->height() + 40, 1080);
    EXPECT_LE(2 * form->width(), 1920);
    EXPECT_EQ(tabNames(form->PageControl1), QStringList{QStringLiteral("AboutTabSheet")});
    EXPECT_EQ(form->PageControl1->activePage(), form->AboutTabSheet);
    EXPECT_TRUE(tabNames(form->PageControl2).isEmpty());
    EXPECT_EQ(form->PageControl2->activePage(), nullptr);
    EXPECT_TRUE(form->FileMenu->isEnabled());
    for (QAction* item : form->FileMenu->actions())
        EXPECT_EQ(item->isEnabled(),
                  item->isSeparator() || item == form->OpenItem || item == form->ExitItem)
            << item->objectName().toStdString();
    EXPECT_FALSE(form->PrintButton->isEnabled());
    EXPECT_FALSE(form->PreviewButton->isEnabled());
    for (QPushButton* button : form->AboutTabSheet->findChildren<QPushButton*>()) {
        EXPECT_TRUE(button->isVisibleTo(form.get())) << button->objectName().toStdString();
        EXPECT_TRUE(button->isEnabled());
    }
    EXPECT_EQ(form->AboutTabSheet->findChildren<QPushButton*>().size(), 2);
    EXPECT_EQ(form->Memo2->toPlainText(),
              QStringLiteral("Move the mouse over most areas of the window, will give you help.\n"
                             "The help will be displayed instead of this text."));
    EXPECT_EQ(form->versionPanel->text(), QStringLiteral("Version 1.0c 03-26-04"));
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(StartupTest, FirstActivationDrawsTheSampleAndSetsTheWorkingDefaults) {
    EXPECT_EQ(form->state.CurrentSlot, 1);
    EXPECT_EQ(form->session().grid().tiletteWidth, 316);
    EXPECT_EQ(form->state.TiletteRect, (Rect{0, 0, 316, 316}));
    EXPECT_EQ(form->BorderColorDialog.Color, colours::black);
    EXPECT_EQ(form->BackgroundColorDialog.Color, colours::white);
    EXPECT_TRUE(form->ValueEdit->text().isEmpty());
    EXPECT_TRUE(form->TextEdit->text().isEmpty());
    // The sample was drawn before the defaults changed: red stamp on cream, "$10" in black.
    const Bitmap& sample = form->session().slotTable()[0].TiletteImage;
    ASSERT_EQ(sample.width(), 316);
    EXPECT_EQ(sample.pixel(2, 2), colours::cream);
    EXPECT_EQ(sample.pixel(12, 12), colours::red);
    EXPECT_GT(countPixels(sample, colours::black), 50);
    EXPECT_GT(countPixels(form->AboutSampleImage->picture(), colours::red), 200);
    // Every user slot shows its numbered placeholder, with its short hint on the Images page.
    for (int slot = 1; slot <= 9; ++slot) {
        EXPECT_EQ(form->slotImages[static_cast<size_t>(slot)]->picture().pixel(1, 1),
                  colours::paleYellow);
        EXPECT_EQ(
            hintOf(form->slotImages[static_cast<size_t>(slot)]),
            QStringLiteral("Image for Tilette %1, click to select different image for Tilette %1")
                .arg(slot));
    }
    // The Basic page's thumbnails keep the long hints they were given first.
    for (int slot = 1; slot <= 4; ++slot)
        EXPECT_EQ(hintOf(form->basicThumbnail(slot)), TForm1::LongSlotHint(QString::number(slot)));
    // Both text boxes show their text in the tilette's own font and colour.
    EXPECT_EQ(form->TextEdit->font().pixelSize(), 21);
    EXPECT_TRUE(form->TextEdit->font().bold());
    EXPECT_EQ(fromQColor(form->TextEdit->palette().color(QPalette::Text)), colours::red);
    EXPECT_EQ(form->ValueEdit->font().pixelSize(), 47);
}

TEST_F(StartupTest, SlotPlaceholdersAndHintsAreBuiltForSlotsZeroToTen) {
    for (int slot = 0; slot <= 10; ++slot)
        EXPECT_EQ(
            form->state.SlotHints[static_cast<size_t>(slot)],
            QStringLiteral("Image for Tilette %1, click to select different image for Tilette %1")
                .arg(slot));
    for (int slot = 11; slot < 16; ++slot)
        EXPECT_TRUE(form->state.SlotPictures[static_cast<size_t>(slot)].isEmpty());

    // The number sits at (150 - width div 2, 300) in the placeholder's font; no green outside.
    Bitmap probe(1, 1);
    Canvas canvas(probe);
    canvas.setFont({QStringLiteral("Times New Roman"), 200, colours::green});
    const QString text = QStringLiteral("7");
    const Rect cell{150 - canvas.textWidth(text) / 2, 300,
                    150 - canvas.textWidth(text) / 2 + canvas.textWidth(text),
                    300 + canvas.textHeight(text)};
    const Bitmap& placeholder = form->state.SlotPictures[7];
    ASSERT_EQ(placeholder.width(), 900);
    int inside = 0;
    int outside = 0;
    for (int y = 0; y < 900; y += 2)
        for (int x = 0; x < 900; x += 2) {
            const bool green = placeholder.pixel(x, y) == colours::green;
            const bool inCell =
                x >= cell.left - 2 && x < cell.right + 2 && y >= cell.top && y < cell.bottom;
            (inCell ? inside : outside) += green;
        }
    EXPECT_GT(inside, 500);
    EXPECT_EQ(outside, 0);
    EXPECT_EQ(placeholder.pixel(899, 899), colours::paleYellow);
    EXPECT_EQ(
        TForm1::LongSlotHint(QStringLiteral("4")),
        QStringLiteral(
            "Image for Tilette 4, click to select different image for Tilette 4, right click for "
            "popup menu. Popup menu also has choices to show tilette, delete tilette, and color "
            "tilette."));
}

TEST_F(StartupTest, ContinueShowsTheWorkingPagesForEachPageTypeAndAsksForSlotOne) {
    dialogs.cancel();
    form->run(&TForm1::ContinueButtonClick);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].kind, DialogKind::OpenFile);
    EXPECT_EQ(dialogs.shown()[0].title, QStringLiteral("Select image file for Tilette 1"));
    EXPECT_EQ(tabNames(form->PageControl2),
              (QStringList{QStringLiteral("PrintControlTabSheet"), QStringLiteral("TextTabSheet"),
                           QStringLiteral("AdvancedTabSheet")}));
    EXPECT_EQ(form->PageControl2->activePage(), form->PrintControlTabSheet);
    EXPECT_EQ(tabNames(form->PageControl1),
              (QStringList{QStringLiteral("StandardTabSheet"), QStringLiteral("AboutTabSheet")}));
    EXPECT_EQ(form->PageControl1->activePage(), form->StandardTabSheet);
    EXPECT_TRUE(form->Panel1->isVisibleTo(form.get()));
    EXPECT_TRUE(form->FileMenu->isEnabled());
    EXPECT_TRUE(form->AImage->isVisibleTo(form.get()));
    EXPECT_FALSE(form->BImage->isVisibleTo(form.get()));
    EXPECT_FALSE(form->cImage->isVisibleTo(form.get()));
    // A cancelled first picture still enables printing; the sheet build reports the empty slot.
    EXPECT_TRUE(form->PrintButton->isEnabled());

    // Pressing it again applies the page type again and asks again.
    form->TypeOfPageRadioGroup->setItemIndex(3);
    dialogs.cancel();
    form->run(&TForm1::ContinueButtonClick);
    EXPECT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(form->PageControl1->activePage(), form->Images01to15TabSheet);
    EXPECT_TRUE(form->PageControl1->tabVisible(form->Images01to15TabSheet));
    EXPECT_FALSE(form->DImage->isHidden());
    EXPECT_EQ(errorsShown(), 0);
}

TEST_F(StartupTest, PageTypesShowTheirThumbnailsAndPages) {
    dialogs.cancel();
    form->run(&TForm1::ContinueButtonClick);
    struct Expected {
        int pageType;
        bool slot2, slots3and4, imagesTab;
    };
    for (const Expected& expected :
         {Expected{1, true, false, false}, Expected{2, true, true, false},
          Expected{6, true, true, true}, Expected{0, false, false, false}}) {
        form->TypeOfPageRadioGroup->setItemIndex(expected.pageType);
        EXPECT_EQ(!form->BImage->isHidden(), expected.slot2) << expected.pageType;
        EXPECT_EQ(!form->cImage->isHidden(), expected.slots3and4) << expected.pageType;
        EXPECT_EQ(!form->DImage->isHidden(), expected.slots3and4) << expected.pageType;
        EXPECT_EQ(form->PageControl1->tabVisible(form->Images01to15TabSheet), expected.imagesTab);
        EXPECT_EQ(form->PageControl1->activePage(),
                  expected.imagesTab ? form->Images01to15TabSheet : form->StandardTabSheet);
    }
}

TEST_F(StartupTest, LockingDisablesExactlyTheLockableControls) {
    dialogs.cancel();
    form->run(&TForm1::ContinueButtonClick);
    const QList<QWidget*> lockable{form->PrinterSetupButton,
                                   form->Label2,
                                   form->CopiesEdit,
                                   form->CopiesUpDown,
                                   form->PreviewTiletteButton,
                                   form->PreviewButton,
                                   form->PrintButton,
                                   form->ExitButton,
                                   form->GroupBox1,
                                   form->BorderRadioGroup,
                                   form->TypeOfPageRadioGroup};
    form->LockControls();
    for (QWidget* control : lockable)
        EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
    EXPECT_FALSE(form->FileMenu->isEnabled());
    EXPECT_EQ(form->PageControl1->activePage(), form->AboutTabSheet);
    for (QWidget* control : QList<QWidget*>{form->ValueEdit, form->FontButton, form->ContinueButton,
                                            form->NumberOfImagesWideRadioGroup,
                                            form->SelectBorderColorButton, form->slotImages[5]})
        EXPECT_TRUE(control->isEnabled()) << control->objectName().toStdString();
    // The tabs stay as they were.
    EXPECT_TRUE(form->PageControl1->tabVisible(form->StandardTabSheet));

    form->UnlockControls();
    for (QWidget* control : lockable)
        EXPECT_TRUE(control->isEnabled()) << control->objectName().toStdString();
    EXPECT_TRUE(form->FileMenu->isEnabled());
    EXPECT_EQ(form->PageControl1->activePage(), form->StandardTabSheet);
}

TEST_F(StartupTest, ChangingTheLeftPageBringsBasicForwardAndEndsColourPicking) {
    dialogs.cancel();
    form->run(&TForm1::ContinueButtonClick);
    form->PickColorRadioGroup->setItemIndex(2);
    EXPECT_TRUE(form->state.ColorPickActive);
    form->PageControl1->setActivePage(form->AboutTabSheet);
    // The user clicks the "Text" tab.
    auto* tabs = form->PageControl2->findChild<QTabBar*>();
    ASSERT_TRUE(tabs);
    const int textTab = form->PageControl2->visibleTabPages().indexOf(form->TextTabSheet);
    ASSERT_GE(textTab, 0);
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(textTab).center());
    EXPECT_EQ(form->PageControl2->activePage(), form->TextTabSheet);
    EXPECT_EQ(form->PageControl1->activePage(), form->StandardTabSheet);
    EXPECT_EQ(form->PickColorRadioGroup->itemIndex(), 0);
    EXPECT_FALSE(form->state.ColorPickActive);
}

TEST_F(StartupTest, TheHelpLineShowsTheLongHintOfTheControlUnderThePointer) {
    setHint(form->ContinueButton, QStringLiteral("Continue|Go on to the working pages"));
    form->hintFromWidget(form->ContinueButton);
    EXPECT_EQ(form->Memo2->toPlainText(), QStringLiteral("Go on to the working pages"));
    // A control without a hint shows its nearest enclosing control's hint.
    form->hintFromWidget(form->BorderRadioGroup->button(1));
    EXPECT_TRUE(
        form->Memo2->toPlainText().startsWith(QStringLiteral("Selects the border to draw")));
    form->hintFromWidget(form->Memo1);
    EXPECT_EQ(form->Memo2->toPlainText(), QString());
}

TEST(StartupWithoutDataFolderTest, AFolderThatCannotBeMadeIsReportedAndStartGoesOn) {
    QTemporaryDir scratch;
    const QString notAFolder = scratch.filePath(QStringLiteral("home-is-a-file"));
    QFile file(notAFolder);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", notAFolder.toLocal8Bit());
    ScriptedDialogs dialogs;
    FakePrinterSystem printers;
    {
        TForm1 form(dialogs, printers);
        form.show();
        EXPECT_EQ(form.session().slotTable()[0].TiletteImage.width(), 316); // start-up went on
    }
    qputenv("HOME", home);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].kind, DialogKind::Error);
    EXPECT_TRUE(dialogs.shown()[0].text.startsWith(QStringLiteral("Unable to create directory")));
}
