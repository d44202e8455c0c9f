#include "WindowFixture.h"

#include "app/RecentSetups.h"
#include "app/controls/ImageBox.h"
#include "app/controls/PageControl.h"
#include "app/controls/RadioGroup.h"
#include "app/controls/UpDown.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {
constexpr Colour first = 0x3366CC;
constexpr Colour second = 0x22AA22;
constexpr Colour third = 0x2222AA;
} // namespace

class SetupCommandsTest : public WindowFixture {
  protected:
    void SetUp() override {
        WindowFixture::SetUp();
        continueWith(pictureFile(QStringLiteral("one.bmp"), 400, 300, first));
        loadSlot(2, pictureFile(QStringLiteral("two.bmp"), 300, 300, second));
        loadSlot(3, pictureFile(QStringLiteral("three.png"), 300, 300, third));
        form->ValueEdit->setText(QStringLiteral("$5"));
        form->BorderRadioGroup->setItemIndex(1);
        form->CopiesUpDown->setPosition(3);
        setup = folder.filePath(QStringLiteral("sheet.agt"));
    }
    void save() {
        dialogs.answerFile(setup);
        form->run(&TForm1::SaveAsItemClick);
    }
    void open() {
        dialogs.answerFile(setup);
        form->run(&TForm1::OpenItemClick);
    }
    // Replaces line number (from 1) of the saved file.
    void changeLine(int number, const QByteArray& text) {
        QFile file(setup);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QList<QByteArray> lines = file.readAll().split('\n');
        file.close();
        lines[number - 1] = text + '\r';
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(lines.join('\n'));
    }
    // Counts the change signals of the settings controls from now on.
    int* countChanges() {
        auto* count = new int(0);
        changes.reset(count);
        for (RadioGroup* group :
             {form->NumberOfImagesWideRadioGroup, form->BorderRadioGroup,
              form->TypeOfPageRadioGroup, form->ValueRadioGroup, form->EdgeRadioGroup})
            QObject::connect(group, &RadioGroup::changed, [count] { ++*count; });
        for (QCheckBox* box :
             {form->BlankCheckBox, form->SizeTilettesCheckBox, form->RatioCheckBox})
            QObject::connect(box, &QCheckBox::toggled, [count] { ++*count; });
        for (QLineEdit* edit : {form->ValueEdit, form->TextEdit})
            QObject::connect(edit, &QLineEdit::textChanged, [count] { ++*count; });
        return count;
    }
    QString setup;
    std::unique_ptr<int> changes;
};

TEST_F(SetupCommandsTest, SavingAndOpeningWithoutChangeRunsNoChangeHandler) {
    save();
    ASSERT_TRUE(QFile::exists(setup));
    const SlotTable before = form->session().slotTable();
    const int* count = countChanges();
    markCurrentTilette();
    open();
    EXPECT_EQ(*count, 0);
    EXPECT_TRUE(redrawnSinceMark()); // the slot loads and the final size handler draw
    for (int slot = 1; slot <= 9; ++slot) {
        EXPECT_EQ(form->session().slotTable()[static_cast<size_t>(slot)].FileName,
                  before[static_cast<size_t>(slot)].FileName);
        EXPECT_EQ(form->session().slotTable()[static_cast<size_t>(slot)].Ratio,
                  before[static_cast<size_t>(slot)].Ratio);
    }
    EXPECT_EQ(form->ValueEdit->text(), QStringLiteral("$5"));
    EXPECT_EQ(form->CopiesUpDown->position(), 3);
    EXPECT_EQ(form->session().grid().tiletteHeight, 252);
    EXPECT_EQ(form->state.ReloadMode, QStringLiteral("no"));
    EXPECT_EQ(errorsShown(), 0);
}

TEST_F(SetupCommandsTest, OpeningShowsTheFilesEmptySlotsAndTextFonts) {
    form->run([this] { form->DeleteImage(3); });
    // Only the fonts that are drawn change: the boxes still show the ones they had.
    const FontChoice saved{QStringLiteral("Liberation Sans"), 20, false, false, 0x00FFFF};
    form->ValueFontDialog.Font = form->TextFontDialog.Font = saved;
    save();
    loadSlot(3, pictureFile(QStringLiteral("later.bmp"), 300, 300, third));
    open();
    EXPECT_TRUE(form->session().slotTable()[3].FileName.isEmpty());
    EXPECT_EQ(form->slotImages[3]->picture().pixel(50, 90), colours::paleYellow);
    EXPECT_EQ(form->cImage->picture().pixel(50, 90), colours::paleYellow);
    for (QLineEdit* edit : {form->ValueEdit, form->TextEdit}) {
        EXPECT_EQ(edit->font().family(), saved.face);
        EXPECT_EQ(fromQColor(edit->palette().color(QPalette::Text)), saved.colour);
    }
}

// Named at start, a picture goes into slot 1 and a setup opens; the menu opens a setup too.
TEST_F(SetupCommandsTest, FromTheAboutPageASetupOrAPictureLeavesItAsContinueDoes) {
    save();
    const QString photo = pictureFile(QStringLiteral("photo.jpg"), 200, 100);
    for (const QString& named : {photo, setup, QString()}) {
        TForm1 started(dialogs, printers);
        started.show();
        if (named.isEmpty()) {
            ASSERT_TRUE(started.FileMenu->isEnabled() && started.OpenItem->isEnabled());
            dialogs.answerFile(setup);
            started.OpenItem->trigger();
        } else {
            started.run([&] { started.openFileNamedAtStart(named); });
        }
        EXPECT_EQ(started.session().slotTable()[1].FileName,
                  named == photo ? photo : folder.filePath(QStringLiteral("one.bmp")));
        EXPECT_TRUE(started.PageControl2->tabVisible(started.PrintControlTabSheet));
        EXPECT_TRUE(started.SaveAsItem->isEnabled() && started.PrintButton->isEnabled());
    }
    EXPECT_EQ(errorsShown(), 0);
}

TEST_F(SetupCommandsTest, ALandscapeSetupTurnsThePrinterAndTheGeometry) {
    printers.pageOrientation = PageOrientation::Landscape;
    save();
    printers.pageOrientation = PageOrientation::Portrait;
    open();
    EXPECT_EQ(printers.orientation(), PageOrientation::Landscape);
    EXPECT_EQ(form->session().printerMetrics().PageWidth, 6300);
    // 10.5 inches across at 5 across: 2100 / 5 = 420 units.
    EXPECT_EQ(form->session().grid().tiletteWidth, 420);
}

TEST_F(SetupCommandsTest, WhatCannotBeUsedIsToldAndTheRestApplies) {
    save();
    // The picture of slot 2 has gone; the setup names a printer this system lacks.
    QFile::remove(folder.filePath(QStringLiteral("two.bmp")));
    changeLine(28, "7 Printer");
    changeLine(1, "9 NumberWide"); // an across choice past the last one
    form->ValueEdit->setText(QStringLiteral("changed"));
    open();
    EXPECT_TRUE(form->session().slotTable()[2].FileName.isEmpty());
    EXPECT_EQ(form->slotImages[2]->picture().pixel(2, 2), colours::paleYellow);
    EXPECT_EQ(form->session().slotTable()[3].Ratio, 1000);
    EXPECT_FALSE(form->session().slotTable()[3].FileName.isEmpty());
    EXPECT_EQ(form->ValueEdit->text(), QStringLiteral("$5"));
    EXPECT_EQ(form->NumberOfImagesWideRadioGroup->itemIndex(), 6);
    EXPECT_EQ(printers.selectedIndex(), 0);
    const QString told = dialogs.shown().back().text;
    EXPECT_TRUE(told.contains(QStringLiteral("Tilette 2 is empty"))) << told.toStdString();
    EXPECT_TRUE(told.contains(QStringLiteral("Printer 7"))) << told.toStdString();
    EXPECT_TRUE(told.contains(QStringLiteral("Number across 12 is not"))) << told.toStdString();
}

TEST_F(SetupCommandsTest, ABrokenFileChangesNothingAndSaysWhere) {
    save();
    changeLine(8, "abc ValueFontSize");
    form->ValueEdit->setText(QStringLiteral("kept"));
    const FontChoice fontBefore = form->ValueFontDialog.Font;
    open();
    EXPECT_EQ(lastError(),
              QStringLiteral("'abc' is not a valid integer value (line 8, ValueFontSize)"));
    EXPECT_EQ(form->ValueEdit->text(), QStringLiteral("kept"));
    EXPECT_EQ(form->ValueFontDialog.Font, fontBefore);
}

TEST_F(SetupCommandsTest, APictureNamedByAnotherSystemsPathIsFoundBesideTheSetup) {
    save();
    changeLine(19, "\"C:\\Users\\Ann\\Pictures\\two.bmp\" Tilette2");
    form->run([this] { form->DeleteImage(2); });
    open();
    EXPECT_EQ(form->session().slotTable()[2].FileName, folder.filePath(QStringLiteral("two.bmp")));
    EXPECT_EQ(form->slotImages[2]->picture().pixel(50, 50), second);

    // A relative name is the setup folder's, even where the program's working folder holds a
    // picture of that name.
    QTemporaryDir elsewhere;
    writeBitmapFile(elsewhere.filePath(QStringLiteral("two.bmp")), Bitmap(40, 40, colours::red));
    const QString started = QDir::currentPath();
    QDir::setCurrent(elsewhere.path());
    const auto back = qScopeGuard([&started] { QDir::setCurrent(started); });
    changeLine(19, "\"two.bmp\" Tilette2");
    form->run([this] { form->DeleteImage(2); });
    open();
    EXPECT_EQ(form->session().slotTable()[2].FileName, folder.filePath(QStringLiteral("two.bmp")));
    EXPECT_EQ(form->slotImages[2]->picture().pixel(50, 50), second);

    // A name beginning with a colon is a file too, not one of the program's resources.
    const QString colonName = folder.path() + QStringLiteral("/:2.bmp");
    QFile::copy(folder.filePath(QStringLiteral("two.bmp")), colonName);
    for (const QByteArray line : {"\":2.bmp\" Tilette2", "\"c:\\pics\\:2.bmp\" Tilette2"}) {
        changeLine(19, line);
        form->run([this] { form->DeleteImage(2); });
        open();
        EXPECT_EQ(form->session().slotTable()[2].FileName, colonName);
    }
}

TEST_F(SetupCommandsTest, CancelledDialogsSaySo) {
    dialogs.cancel();
    form->run(&TForm1::SaveAsItemClick);
    EXPECT_EQ(dialogs.shown().back().text, QStringLiteral("File not Saved"));
    dialogs.cancel();
    form->run(&TForm1::OpenItemClick);
    EXPECT_EQ(dialogs.shown().back().text, QStringLiteral("No File Selected"));
    // A save that cannot be written says so with the reason.
    dialogs.answerFile(folder.path()); // a folder, not a file
    form->run(&TForm1::SaveAsItemClick);
    EXPECT_TRUE(dialogs.shown().back().text.startsWith(
        QStringLiteral("File not Saved\nCannot create file")));
}

// The desktop's keys reach the File menu; the setups saved and opened are offered again after a
// new start, newest first, one since gone greyed, and the desktop's own list has them too.
TEST_F(SetupCommandsTest, DesktopKeysAndRecentSetupsAcrossStarts) {
    QApplication::setActiveWindow(form.get());
    dialogs.answerFile(setup);
    QTest::keySequence(form.get(), QKeySequence::Save);
    ASSERT_TRUE(QFile::exists(setup));
    const QString other = folder.filePath(QStringLiteral("this & that.agt"));
    QFile::copy(setup, other);
    dialogs.answerFile(other);
    QTest::keySequence(form.get(), QKeySequence::Open);
    EXPECT_EQ(form->state.SetupFile, other);
    for (const QKeySequence& preview :
         {QKeySequence(Qt::Key_F5), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)}) {
        form->PageControl1->setActivePage(form->StandardTabSheet);
        QTest::keySequence(form.get(), preview);
        EXPECT_EQ(form->PageControl1->activePage(), form->PreviewTabSheet);
    }
    QTest::keySequence(form.get(), QKeySequence::Print);
    EXPECT_FALSE(printers.printedPages.empty());
    dialogs.answerNo();
    dialogs.answerNo();
    QTest::keySequence(form.get(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_EQ(dialogs.shown().back().text,
              QStringLiteral("Are you sure you, you want to end program?"));

    QFile::remove(setup);
    TForm1 restarted(dialogs, printers);
    const QList<QAction*> offered = restarted.RecentMenu->actions();
    ASSERT_EQ(offered.size(), 2);
    EXPECT_EQ(shownCaption(offered[0]->text()), QDir::toNativeSeparators(other));
    EXPECT_TRUE(offered[0]->isEnabled());
    EXPECT_EQ(offered[1]->text(), QDir::toNativeSeparators(setup));
    EXPECT_FALSE(offered[1]->isEnabled());
    offered[0]->trigger();
    EXPECT_EQ(restarted.state.SetupFile, other);

    QStringList many;
    for (int n = 0; n < 9; ++n)
        many = withNewest(many, QString::number(n));
    EXPECT_EQ(withNewest(many, QStringLiteral("5")),
              (QStringList{"5", "8", "7", "6", "4", "3", "2", "1"}));
}

// A camera-sized picture is decoded while the window goes on: it paints, a click meanwhile does
// nothing, and a close asked for meanwhile comes once the setup is open.
TEST_F(SetupCommandsTest, WhilePicturesAreDecodedTheWindowGoesOnButTakesNoInput) {
    loadSlot(2, pictureFile(QStringLiteral("camera.bmp"), 6000, 4000, second));
    save();
    form->forgetDecodedPictures();
    bool ranMeanwhile = false;
    QTimer::singleShot(0, [&] {
        ranMeanwhile = true;
        QTest::mouseClick(form->PreviewButton, Qt::LeftButton);
        form->close();
    });
    open();
    EXPECT_TRUE(ranMeanwhile);
    EXPECT_FALSE(form->PageControl1->tabVisible(form->PreviewTabSheet));
    EXPECT_FALSE(form->closed());
    EXPECT_TRUE(form->PageControl1->isEnabled());
    EXPECT_TRUE(form->FileMenu->isEnabled());
    EXPECT_EQ(form->session().slotTable()[2].Width, 6000);
    dialogs.answerNo();
    dialogs.answerYes();
    QCoreApplication::processEvents();
    EXPECT_TRUE(form->closed());
}
