#include "app/TForm1.h"
#include "app/controls/ImageBox.h"
#include "app/controls/PageControl.h"
#include "app/controls/RadioGroup.h"
#include "platform/PictureFile.h"
#include "platform/ui/PrinterSetupDialog.h"
#include "platform/ui/QtDialogs.h"
#include "platform/ui/QtPrinterSystem.h"
#include "setup/SetupFile.h"
#include "setup/SetupWriter.h"
#include "sheet/SheetPreview.h"
#include "tilette/SamplePicture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QCursor>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>

namespace {
// Answers the next modal dialog of type Dialog as soon as it is up.
template <typename Dialog> void whenShown(std::function<void(Dialog*)> answer) {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, answer] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            answer(dialog);
        }
    });
    timer->start(50);
}

void clickButton(QMessageBox* box, QMessageBox::StandardButton which) {
    box->button(which)->click();
}

QImage screenshot(const QString& name) {
    QTest::qWait(200);
    const QImage shot = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    const QString folder = qEnvironmentVariable("TILETTES_SCREENSHOTS");
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
        shot.save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
    }
    return shot;
}

Colour screenPixel(const QImage& shot, QWidget* widget, QPoint at) {
    const QPoint global = widget->mapToGlobal(at);
    return fromRgb(shot.pixel(global));
}

// In the next file dialog the user goes to the folder, notes what is listed there (when asked)
// and types the file's name.
void typeNameInNextFileDialog(const QString& folderPath, const QString& name,
                              QStringList* listed = nullptr) {
    whenShown<QFileDialog>([folderPath, name, listed](QFileDialog* dialog) {
        dialog->setDirectory(folderPath);
        auto* view = dialog->findChild<QListView*>(QStringLiteral("listView"));
        (void)QTest::qWaitFor([&] { return view->model()->rowCount(view->rootIndex()) > 0; }, 3000);
        for (int row = 0; listed && row < view->model()->rowCount(view->rootIndex()); ++row)
            *listed << view->model()->index(row, 0, view->rootIndex()).data().toString();
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        edit->clear();
        QTest::keyClicks(edit, name);
        QTest::keyClick(edit, Qt::Key_Return);
    });
}

// Every caption of the window's controls must fit the control it is written on.
QStringList clippedCaptions(QWidget* window) {
    QStringList clipped;
    auto check = [&](QWidget* widget, const QString& text, int room) {
        // A button's "&" only underlines the letter after it.
        const int drawn = qobject_cast<QPushButton*>(widget)
                              ? widget->fontMetrics().size(Qt::TextShowMnemonic, text).width()
                              : widget->fontMetrics().horizontalAdvance(text);
        if (widget->isVisible() && !text.isEmpty() && drawn > room)
            clipped << widget->objectName() + QStringLiteral(": ") + text;
    };
    for (auto* button : window->findChildren<QPushButton*>())
        check(button, button->text(), button->width() - 6);
    for (auto* box : window->findChildren<QCheckBox*>())
        check(box, box->text(), box->width() - 20);
    for (auto* radio : window->findChildren<QRadioButton*>())
        check(radio, radio->text(), radio->width() - 18);
    for (auto* group : window->findChildren<QGroupBox*>())
        check(group, group->title(), group->width() - 8);
    for (auto* label : window->findChildren<QLabel*>()) {
        if (!label->wordWrap())
            check(label, label->text(), label->width());
        if (label->isVisible() && !label->text().isEmpty() &&
            label->height() < label->fontMetrics().height())
            clipped << label->objectName() + QStringLiteral(" is too low for its text");
    }
    return clipped;
}

class RealWindowTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
        form = std::make_unique<TForm1>(dialogs, printers);
        form->move(QGuiApplication::primaryScreen()->geometry().center() - form->rect().center());
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        QApplication::setActiveWindow(form.get());
        // A dialog nobody answers would hang the run: after ten seconds it fails the test and
        // is closed.
        auto* watchdog = new QTimer(form.get());
        QObject::connect(watchdog, &QTimer::timeout, watchdog, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            stuckTicks = modal && modal == stuckDialog ? stuckTicks + 1 : 0;
            stuckDialog = modal;
            if (stuckTicks < 40)
                return;
            auto* box = qobject_cast<QMessageBox*>(modal);
            ADD_FAILURE() << "a dialog was left open: " << modal->windowTitle().toStdString()
                          << (box ? " | " + box->text().toStdString() : std::string());
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            stuckTicks = 0;
        });
        watchdog->start(250);
    }

    QPointer<QWidget> stuckDialog;
    int stuckTicks = 0;

    QTemporaryDir folder;
    QtPrinterSystem printers;
    QtDialogs dialogs{nullptr};
    std::unique_ptr<TForm1> form;
};
} // namespace

TEST_F(RealWindowTest, StartsOnTheAboutPageWithTheSampleTilette) {
    const QImage shot = screenshot(QStringLiteral("01-about"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Ambergate Tilettes Print"));
    EXPECT_EQ(form->clientArea->size(), QSize(754, 491));
    // The stamp's top-left corner at tilette (12, 12) shows red on the screen.
    const Rect where = form->state.PreviewRect;
    const QPoint corner(where.left + 12 * where.width() / 316 + 1,
                        where.top + 12 * where.height() / 316 + 1);
    int red = 0;
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            red +=
                screenPixel(shot, form->AboutSampleImage, corner + QPoint(dx, dy)) == colours::red;
    EXPECT_GT(red, 0);
    EXPECT_TRUE(form->ContinueButton->isVisible());
    EXPECT_TRUE(form->ExitAboutButton->isVisible());
    EXPECT_EQ(clippedCaptions(form.get()).join(QLatin1Char('\n')).toStdString(), "");
}

TEST_F(RealWindowTest, ContinueWithARealFileDialogShowsTheChosenPicture) {
    const QString path = folder.filePath(QStringLiteral("IMG_0042.JPG"));
    writeJpegFile(path, Bitmap(640, 480, 0x2080E0));
    // The upper-case name is listed under the JPEG entry.
    QStringList listed;
    typeNameInNextFileDialog(folder.path(), QStringLiteral("IMG_0042.JPG"), &listed);
    QTest::mouseClick(form->ContinueButton, Qt::LeftButton);
    EXPECT_TRUE(listed.contains(QStringLiteral("IMG_0042.JPG")))
        << listed.join(QLatin1Char(' ')).toStdString();
    ASSERT_EQ(form->session().slotTable()[1].FileName, path);
    EXPECT_EQ(form->PageControl1->activePage(), form->StandardTabSheet);
    const QImage shot = screenshot(QStringLiteral("02-basic-with-picture"));
    const Colour middle = screenPixel(shot, form->Image2, QPoint(175, 140));
    EXPECT_NEAR(redOf(middle), 0xE0, 8);
    EXPECT_NEAR(greenOf(middle), 0x80, 8);
    EXPECT_NEAR(blueOf(middle), 0x20, 8);

    // Every page, for a look at each.
    const std::pair<QWidget*, QWidget*> pages[] = {
        {form->PrintControlTabSheet, form->StandardTabSheet},
        {form->TextTabSheet, form->Images01to15TabSheet},
        {form->AdvancedTabSheet, form->ColorImageTabSheet},
        {form->AdvancedTabSheet, form->PreviewTabSheet},
    };
    int number = 3;
    for (const auto& [left, right] : pages) {
        form->PageControl2->setActivePage(left);
        form->PageControl1->setActivePage(right);
        screenshot(QStringLiteral("%1-%2-%3")
                       .arg(number++, 2, 10, QLatin1Char('0'))
                       .arg(left->objectName(), right->objectName()));
        EXPECT_EQ(clippedCaptions(form.get()).join(QLatin1Char('\n')).toStdString(), "");
    }

    // A picture 10 pixels wide and 3000 high in slot 1 still gives one tilette that fits the
    // printable height, drawn at once.
    const QString tall = folder.filePath(QStringLiteral("tall_thin.bmp"));
    writeBitmapFile(tall, Bitmap(10, 3000, 0x2080E0));
    form->PageControl1->setActivePage(form->StandardTabSheet);
    typeNameInNextFileDialog(folder.path(), QStringLiteral("tall_thin.bmp"));
    QTest::mouseClick(form->AImage, Qt::LeftButton, {}, QPoint(50, 50));
    ASSERT_EQ(form->session().slotTable()[1].FileName, tall);
    screenshot(QStringLiteral("09-tall-thin-picture"));
    EXPECT_EQ(form->session().grid().tilettesDown, 1);
    EXPECT_EQ(form->session().grid().tiletteHeight,
              printableHeightUnits(form->session().printerMetrics())); // no perforations: no margin
    EXPECT_EQ(form->state.CurrentTilette.height(), form->session().grid().tiletteHeight);
    EXPECT_TRUE(form->DownLabel->text().startsWith(QStringLiteral("Tilettes Down = 1 ")));
}

TEST_F(RealWindowTest, PointingAtAControlShowsItsHintInTheHelpLine) {
    QCursor::setPos(form->ContinueButton->mapToGlobal(form->ContinueButton->rect().center()));
    EXPECT_TRUE(QTest::qWaitFor(
        [this] {
            return form->Memo2->toPlainText().startsWith(QStringLiteral("Click to continue"));
        },
        3000))
        << form->Memo2->toPlainText().toStdString();
    QCursor::setPos(form->ExitAboutButton->mapToGlobal(form->ExitAboutButton->rect().center()));
    EXPECT_TRUE(QTest::qWaitFor(
        [this] { return form->Memo2->toPlainText() == QStringLiteral("End Program"); }, 3000))
        << form->Memo2->toPlainText().toStdString();
}

TEST_F(RealWindowTest, TheCloseBoxAsksBothQuestionsAndNoKeepsTheWindow) {
    QStringList asked;
    whenShown<QMessageBox>([&asked](QMessageBox* box) {
        asked << box->windowTitle() + QLatin1Char('|') + box->text();
        whenShown<QMessageBox>([&asked](QMessageBox* second) {
            asked << second->windowTitle() + QLatin1Char('|') + second->text();
            clickButton(second, QMessageBox::No);
        });
        clickButton(box, QMessageBox::No);
    });
    form->close();
    EXPECT_EQ(
        asked,
        (QStringList{
            QStringLiteral(
                "Save?|Do you want to save the definition for the current sheet of tilettes?"),
            QStringLiteral("End Program?|Are you sure you, you want to end program?")}));
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->closed());
}

TEST_F(RealWindowTest, PreviewSheetShowsTheComposedSheetOnThePreviewPage) {
    const QString first = folder.filePath(QStringLiteral("first.bmp"));
    const QString second = folder.filePath(QStringLiteral("second.jpg"));
    writeBitmapFile(first, Bitmap(400, 400, 0x2080E0));
    writeJpegFile(second, Bitmap(400, 400, 0x20B040));
    typeNameInNextFileDialog(folder.path(), QStringLiteral("first.bmp"));
    QTest::mouseClick(form->ContinueButton, Qt::LeftButton);
    ASSERT_EQ(form->session().slotTable()[1].FileName, first);
    // A checkerboard of the two pictures, on tilettes without a border.
    QRadioButton* checkerboard = form->TypeOfPageRadioGroup->button(1);
    QTest::mouseClick(checkerboard, Qt::LeftButton, {}, QPoint(6, checkerboard->height() / 2));
    // A radio button takes clicks on its circle and caption only.
    QRadioButton* none = form->BorderRadioGroup->button(0);
    QTest::mouseClick(none, Qt::LeftButton, {}, QPoint(6, none->height() / 2));
    ASSERT_EQ(form->BorderRadioGroup->itemIndex(), 0);
    typeNameInNextFileDialog(folder.path(), QStringLiteral("second.jpg"));
    QTest::mouseClick(form->BImage, Qt::LeftButton, {}, QPoint(50, 50));
    ASSERT_EQ(form->session().slotTable()[2].FileName, second);

    QTest::mouseClick(form->PreviewButton, Qt::LeftButton);
    ASSERT_EQ(form->PageControl1->activePage(), form->PreviewTabSheet);
    const QImage shot = screenshot(QStringLiteral("10-preview-sheet"));
    // The first two tilettes of the top row, reduced by the preview's factor, and aqua beside.
    const Rect sheet =
        sheetPreviewRect(form->state.SheetBitmap.width(), form->state.SheetBitmap.height(),
                         form->PreviewImage->width(), form->PreviewImage->height());
    const int factor = form->state.SheetBitmap.width() / sheet.width();
    const int pitch = form->session().grid().tiletteWidth;
    const auto near = [](Colour seen, Colour expected) {
        return std::abs(redOf(seen) - redOf(expected)) < 12 &&
               std::abs(greenOf(seen) - greenOf(expected)) < 12 &&
               std::abs(blueOf(seen) - blueOf(expected)) < 12;
    };
    const QPoint firstCentre(pitch / 2 / factor, pitch / 2 / factor);
    const QPoint secondCentre((pitch + pitch / 2) / factor, pitch / 2 / factor);
    EXPECT_TRUE(near(screenPixel(shot, form->PreviewImage, firstCentre), 0x2080E0));
    EXPECT_TRUE(near(screenPixel(shot, form->PreviewImage, secondCentre), 0x20B040));
    EXPECT_EQ(screenPixel(shot, form->PreviewImage, QPoint(sheet.right + 20, 100)), colours::aqua);
    EXPECT_EQ(clippedCaptions(form.get()).join(QLatin1Char('\n')).toStdString(), "");
}

TEST_F(RealWindowTest, PrinterSetupOffersThePrintersThenMeasuresThePage) {
    QStringList offered;
    whenShown<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
    QTest::mouseClick(form->ContinueButton, Qt::LeftButton);
    whenShown<PrinterSetupDialog>([&offered](PrinterSetupDialog* dialog) {
        screenshot(QStringLiteral("12-printer-setup"));
        for (int item = 0; item < dialog->printerBox()->count(); ++item)
            offered << dialog->printerBox()->itemText(item);
        dialog->reject();
    });
    QTest::mouseClick(form->PrinterSetupButton, Qt::LeftButton);
    EXPECT_EQ(offered, printers.printerNames());
    EXPECT_TRUE(offered.contains(QtPrinterSystem::pdfPrinterName));
    EXPECT_EQ(form->PageControl1->activePage(), form->StandardTabSheet);
}

TEST_F(RealWindowTest, ASheetIsSavedAndOpenedThroughTheRealFileDialogs) {
    const QString picture = folder.filePath(QStringLiteral("holiday.bmp"));
    writeBitmapFile(picture, Bitmap(400, 300, 0x2080E0));
    typeNameInNextFileDialog(folder.path(), QStringLiteral("holiday.bmp"));
    QTest::mouseClick(form->ContinueButton, Qt::LeftButton);
    ASSERT_EQ(form->session().slotTable()[1].FileName, picture);
    QTest::keyClicks(form->ValueEdit, QStringLiteral("$7"));

    // Typed without its extension, the name gets ".agt". (No file in the folder starts with the
    // same letters, so the dialog's completion has nothing to offer.)
    typeNameInNextFileDialog(folder.path(), QStringLiteral("saved setup"));
    form->SaveAsItem->trigger();
    const QString setup = folder.filePath(QStringLiteral("saved setup.agt"));
    ASSERT_TRUE(QFile::exists(setup));

    form->ValueEdit->setText(QStringLiteral("changed"));
    typeNameInNextFileDialog(folder.path(), QStringLiteral("saved setup.agt"));
    form->OpenItem->trigger();
    EXPECT_EQ(form->ValueEdit->text(), QStringLiteral("$7"));
    EXPECT_EQ(form->session().slotTable()[1].FileName, picture);
    screenshot(QStringLiteral("13-setup-opened"));
}

TEST_F(RealWindowTest, TheColourPageAndAnExportedSheetAsAUserSeesThem) {
    const QString picture = folder.filePath(QStringLiteral("garden.jpg"));
    writeJpegFile(picture, SamplePicture());
    typeNameInNextFileDialog(folder.path(), QStringLiteral("garden.jpg"));
    QTest::mouseClick(form->ContinueButton, Qt::LeftButton);
    ASSERT_EQ(form->session().slotTable()[1].FileName, picture);

    form->ImagePopupMenuPopup(1);
    form->popupMenu(1).colorItem->trigger();
    ASSERT_EQ(form->PageControl1->activePage(), form->ColorImageTabSheet);
    const QImage sepia = screenshot(QStringLiteral("14-colour-sepia"));
    // Sepia: more red than green, more green than blue, in the middle of the picture.
    const Colour middle = screenPixel(sepia, form->ColorBitMapImage, QPoint(175, 175));
    EXPECT_GT(redOf(middle), greenOf(middle));
    EXPECT_GT(greenOf(middle), blueOf(middle));
    whenShown<QColorDialog>([](QColorDialog* dialog) {
        dialog->setCurrentColor(QColor(200, 0, 0));
        screenshot(QStringLiteral("15-colour-select-a-color"));
        dialog->accept();
    });
    QRadioButton* select = form->TypeRadioGroup->button(20);
    QTest::mouseClick(select, Qt::LeftButton, {}, QPoint(6, select->height() / 2));
    EXPECT_EQ(form->state.PaletteFactors.red, 200);
    // Red chosen, a red tint: red leads, green and blue follow alike.
    const Colour tinted = screenPixel(screenshot(QStringLiteral("16-colour-red-tint")),
                                      form->ColorBitMapImage, QPoint(175, 175));
    EXPECT_GT(redOf(tinted), greenOf(tinted) + 20);
    EXPECT_NEAR(greenOf(tinted), blueOf(tinted), 8);
    QTest::mouseClick(form->CancelColoringButton, Qt::LeftButton);
    EXPECT_EQ(form->PageControl1->activePage(), form->StandardTabSheet);

    // The sheet saved as a JPEG through the real dialog, typed without its extension.
    typeNameInNextFileDialog(folder.path(), QStringLiteral("exported"));
    form->SaveSheetImageGoodItem->trigger();
    const QString exported = folder.filePath(QStringLiteral("exported.jpg"));
    ASSERT_TRUE(QFile::exists(exported));
    const Bitmap sheet = readPicture(exported);
    EXPECT_EQ(sheet.width(), printableWidthUnits(form->session().printerMetrics()));
    const QString shots = qEnvironmentVariable("TILETTES_SCREENSHOTS");
    if (!shots.isEmpty())
        sheet.image().scaledToWidth(600).save(shots + QStringLiteral("/17-exported-sheet.png"));
}

// A setup file named on the command line, as a file manager passes it on a double-click: the
// program starts, opens it, and the Basic page shows its picture in its green frame.
TEST(ProgramStartedWithASetup, OpensTheNamedSetupAndShowsItsTilette) {
    QTemporaryDir folder;
    const QString picture = folder.filePath(QStringLiteral("harbour.bmp"));
    writeBitmapFile(picture, Bitmap(400, 300, 0x2080E0));
    SheetDefinition definition;
    definition.border = BorderType::Box;
    definition.borderColour = makeColour(0, 255, 0);
    SlotTable table;
    table[1].FileName = table[1].SaveName = picture;
    const QString setup = folder.filePath(QStringLiteral("harbour sheet.agt"));
    saveSetupFile(setup,
                  setupFileText(setupRecordOf(definition, table, 0, PageOrientation::Portrait)));

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), folder.filePath(QStringLiteral("data")));
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(folder.path());
    program.start(QStringLiteral(TILETTES_PROGRAM), {QStringLiteral("harbour sheet.agt")});
    ASSERT_TRUE(program.waitForStarted());
    const auto stop = qScopeGuard([&program] {
        program.kill();
        program.waitForFinished();
    });
    // Pure green appears nowhere on the window until the setup's frame is drawn.
    const auto greenPixels = [] {
        const QImage shot = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
        int count = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                count += (shot.pixel(x, y) & 0xFFFFFF) == 0x00FF00;
        return count;
    };
    EXPECT_TRUE(QTest::qWaitFor([&] { return greenPixels() > 200; }, 20000))
        << program.readAllStandardError().toStdString();
    screenshot(QStringLiteral("18-started-with-a-setup"));
}
