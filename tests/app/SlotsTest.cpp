#include "WindowFixture.h"

#include "app/controls/ImageBox.h"
#include "app/controls/PageControl.h"
#include "app/controls/RadioGroup.h"
#include "app/controls/UpDown.h"
#include "sheet/SlotPicture.h"

#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QUrl>

namespace {
constexpr Colour pictureColour = 0x3366CC;

// A drag from a file manager ending over target; whether the target took the drag as it entered.
bool dropFiles(QWidget* target, const QStringList& files) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& file : files)
        urls << QUrl::fromLocalFile(file);
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return enter.isAccepted();
}

struct PaintCounter : QObject {
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
    int paints = 0;
};

// The first and last row (or column) of the letterboxed picture inside the 900 x 900 square.
struct Span {
    int first = -1;
    int last = -1;
};
Span pictureRows(const Bitmap& square, int column) {
    Span span;
    for (int y = 0; y < square.height(); ++y)
        if (square.pixel(column, y) != colours::white) {
            if (span.first < 0)
                span.first = y;
            span.last = y;
        }
    return span;
}
Span pictureColumns(const Bitmap& square, int row) {
    Span span;
    for (int x = 0; x < square.width(); ++x)
        if (square.pixel(x, row) != colours::white) {
            if (span.first < 0)
                span.first = x;
            span.last = x;
        }
    return span;
}

// The file keeps its first half only.
QString cutShort(const QString& path) {
    QFile::resize(path, QFileInfo(path).size() / 2);
    return path;
}
} // namespace

using SlotsTest = WindowFixture;

TEST_F(SlotsTest, PicturesAreLetterboxedIntoTheSlotSquare) {
    struct Case {
        int width, height, ratio;
        Rect expected; // where the picture lands in the 900 x 900 square
        const char* kind;
    };
    const Case cases[] = {
        {1200, 800, 666, {0, 150, 900, 750}, "bmp"},  // wide: full width, centred down
        {800, 1200, 1500, {150, 0, 750, 900}, "png"}, // tall: 1350 > 900, so 600 wide, centred
        {500, 500, 1000, {0, 0, 900, 900}, "bmp"},    // square fills all
        {1000, 1001, 1001, {0, 0, 900, 900}, "png"},  // 1001 * 900 div 1000 = 900 is not above 900
    };
    for (const Case& c : cases) {
        const QString path =
            pictureFile(QStringLiteral("p%1x%2.%3").arg(c.width).arg(c.height).arg(c.kind), c.width,
                        c.height, pictureColour);
        loadSlot(3, path);
        const ImageSlot& slot = form->session().slotTable()[3];
        EXPECT_EQ(slot.Width, c.width);
        EXPECT_EQ(slot.Height, c.height);
        EXPECT_EQ(slot.Ratio, c.ratio);
        const Bitmap& square = form->state.SlotPictures[3];
        ASSERT_EQ(square.width(), 900);
        const Span rows = pictureRows(square, 450);
        const Span columns = pictureColumns(square, 450);
        EXPECT_EQ(rows.first, c.expected.top) << c.width << "x" << c.height;
        EXPECT_EQ(rows.last, c.expected.bottom - 1) << c.width << "x" << c.height;
        EXPECT_EQ(columns.first, c.expected.left) << c.width << "x" << c.height;
        EXPECT_EQ(columns.last, c.expected.right - 1) << c.width << "x" << c.height;
    }
    EXPECT_EQ(errorsShown(), 0);
}

TEST_F(SlotsTest, LoadingSlotOneSetsTheGeometryThumbnailsAndButtons) {
    const QString path =
        pictureFile(QStringLiteral("Holiday IMG_0042.BMP"), 400, 300, pictureColour);
    const int decoded = form->session().pictures().counts().decodes;
    continueWith(path);
    // Decoded once for the thumbnails, once for one drawing.
    EXPECT_EQ(form->session().pictures().counts().decodes - decoded, 2);
    // The name label is painted with the window, not forced at every drawing.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    PaintCounter label;
    form->Label3->installEventFilter(&label);
    form->DrawTilette(1);
    EXPECT_EQ(label.paints, 0);
    const ImageSlot& slot = form->session().slotTable()[1];
    EXPECT_EQ(slot.FileName, path); // the name keeps its case
    EXPECT_EQ(slot.SaveName, path);
    EXPECT_EQ(slot.Ratio, 750);
    EXPECT_EQ(dialogs.shown().back().request.folder, QStringLiteral("."));
    EXPECT_EQ(form->OpenPictureDialog1.folder, folder.path()); // the next dialog opens beside it
    // 8 inches at 5 across: w = 320, h = (320 - 50) * 750 div 1000 + 50.
    EXPECT_EQ(form->session().grid().tiletteWidth, 320);
    EXPECT_EQ(form->session().grid().tiletteHeight, 252);
    EXPECT_EQ(form->state.CurrentTilette.width(), 320);
    EXPECT_EQ(form->state.CurrentTilette.height(), 252);
    EXPECT_EQ(form->state.CurrentSlot, 1);
    EXPECT_EQ(form->Label3->text(), path);
    EXPECT_EQ(form->AImage->picture().pixel(50, 50), pictureColour);
    EXPECT_EQ(form->slotImages[1]->picture().pixel(50, 50), pictureColour);
    EXPECT_EQ(form->AImage->picture().pixel(50, 5), colours::white); // letterboxed on white
    EXPECT_TRUE(form->PrintButton->isEnabled());
    EXPECT_TRUE(form->PreviewButton->isEnabled());

    form->run([this] { form->DeleteImage(1); });
    EXPECT_TRUE(form->session().slotTable()[1].FileName.isEmpty());
    EXPECT_EQ(form->session().slotTable()[1].Ratio, 1000);
    EXPECT_FALSE(form->PrintButton->isEnabled());
    EXPECT_FALSE(form->PreviewButton->isEnabled());
    EXPECT_EQ(form->AImage->picture().pixel(2, 2), colours::paleYellow);
    EXPECT_EQ(form->slotImages[1]->picture().pixel(2, 2), colours::paleYellow);
    // No other slot is in use, so the deleted picture leaves the sample area empty.
    EXPECT_TRUE(form->state.CurrentTilette.isEmpty());
    EXPECT_TRUE(form->Label3->text().isEmpty());
    EXPECT_NE(form->Image2->picture().pixel(175, 100), pictureColour);

    // Loading slot 1 from the Images page updates the Basic page and the buttons again.
    loadSlot(1, path);
    EXPECT_EQ(form->AImage->picture().pixel(50, 50), pictureColour);
    EXPECT_TRUE(form->PrintButton->isEnabled());
}

TEST_F(SlotsTest, TheSizeAndRatioComeFromAReducedJpegsFullSize) {
    // Decoded at half size for the 900-pixel square, yet measured by its own size.
    loadSlot(1, pictureFile(QStringLiteral("large.jpg"), 2000, 1800, pictureColour));
    const ImageSlot& slot = form->session().slotTable()[1];
    EXPECT_EQ(slot.Width, 2000);
    EXPECT_EQ(slot.Height, 1800);
    EXPECT_EQ(slot.Ratio, 900);
    EXPECT_EQ(form->session().grid().tiletteHeight, 293); // 270 * 900 / 1000 + 50
    // The sample area takes the shape of slot 1's picture: 1800 * 300 / 2000 + 50.
    EXPECT_EQ(form->state.PreviewRect, (Rect{0, 0, 350, 320}));
    // Other slots' pictures leave it as it is; a freely sized tilette gives it its own shape.
    loadSlot(2, pictureFile(QStringLiteral("tall.bmp"), 300, 600, pictureColour));
    EXPECT_EQ(form->state.CurrentSlot, 2);
    EXPECT_EQ(form->state.PreviewRect, (Rect{0, 0, 350, 320}));
    form->RatioCheckBox->setChecked(false);
    form->HeightUpDown->setPosition(250);
    form->WidthUpDown->setPosition(100);
    form->SizeTilettesCheckBox->setChecked(true);
    EXPECT_EQ(form->state.PreviewRect, (Rect{0, 0, 170, 350})); // 200 * 300 / 500 + 50
}

TEST_F(SlotsTest, DeletingTheShownSlotShowsTheLowestSlotStillInUse) {
    const QString five = pictureFile(QStringLiteral("five.bmp"), 300, 300, 0x00AA00);
    loadSlot(5, five);
    loadSlot(3, pictureFile(QStringLiteral("three.bmp"), 300, 300, pictureColour));
    loadSlot(7, pictureFile(QStringLiteral("seven.bmp"), 300, 300, 0xAA0000));
    // Deleting a slot that is not shown changes nothing on show.
    form->run([this] { form->DeleteImage(3); });
    EXPECT_EQ(form->state.CurrentSlot, 7);
    EXPECT_EQ(form->Image2->picture().pixel(175, 175), 0xAA0000u);
    form->run([this] { form->DeleteImage(7); });
    EXPECT_EQ(form->state.CurrentSlot, 5);
    EXPECT_EQ(form->Label3->text(), five);
    EXPECT_EQ(form->Image2->picture().pixel(175, 175), 0x00AA00u);
    // A colour change now draws slot 5, not the deleted slot.
    dialogs.answerColour(0xFFCC99);
    form->run(&TForm1::SelectBackgoundColorButtonClick);
    EXPECT_EQ(form->state.CurrentTilette.pixel(2, 2), 0xFFCC99u);
    EXPECT_EQ(errorsShown(), 0);
}

TEST_F(SlotsTest, APictureThatBreaksAfterLoadingIsToldOnceAndTrapsNothing) {
    const QString two = pictureFile(QStringLiteral("two.bmp"), 300, 300, 0x00AA00);
    const QString three = pictureFile(QStringLiteral("three.bmp"), 300, 300, pictureColour);
    loadSlot(2, two);
    loadSlot(3, three);
    QFile::remove(two);
    brokenFile(QStringLiteral("two.bmp"));

    // Showing the damaged slot tells the user once; the slot shown stays the one that was.
    form->ImagePopupMenuPopup(2);
    for (int attempt = 0; attempt < 2; ++attempt) {
        form->popupMenu(2).showItem->trigger();
        EXPECT_EQ(errorsShown(), 1);
        EXPECT_EQ(form->state.CurrentSlot, 3);
        EXPECT_EQ(form->Label3->text(), three);
    }
    EXPECT_TRUE(lastError().startsWith(QStringLiteral("Bitmap image is not valid")));
    EXPECT_EQ(form->slotImages[2]->picture().pixel(2, 2), colours::paleYellow);
    EXPECT_EQ(form->BImage->picture().pixel(2, 2), colours::paleYellow);
    EXPECT_EQ(form->session().slotTable()[2].FileName, two); // kept: the file may come back

    // The slot shown loses its file: the next change says so, once, and draws nothing.
    QFile::remove(three);
    markCurrentTilette();
    form->BorderRadioGroup->setItemIndex(1);
    form->ValueEdit->setText(QStringLiteral("5"));
    EXPECT_EQ(errorsShown(), 2);
    EXPECT_TRUE(lastError().contains(three)) << lastError().toStdString();
    EXPECT_FALSE(redrawnSinceMark());
    EXPECT_EQ(form->cImage->picture().pixel(2, 2), colours::paleYellow);

    // Loading slot 1 goes through to its end.
    const QString one = pictureFile(QStringLiteral("one.bmp"), 400, 300, 0xAA0000);
    loadSlot(1, one);
    EXPECT_EQ(errorsShown(), 2);
    EXPECT_EQ(form->state.CurrentSlot, 1);
    EXPECT_EQ(form->Label3->text(), one);
    EXPECT_EQ(form->AImage->picture().pixel(50, 50), 0xAA0000u);
    EXPECT_EQ(form->session().grid().tiletteHeight, 252);
}

TEST_F(SlotsTest, ABrokenOrMissingFileChangesNothingAndSaysWhy) {
    const QString good = pictureFile(QStringLiteral("good.bmp"), 400, 300, pictureColour);
    loadSlot(2, good);
    form->run([this] { form->DeleteImage(1); });
    const ImageSlot before = form->session().slotTable()[2];
    const Colour thumbnailBefore = form->slotImages[2]->picture().pixel(50, 50);

    struct Case {
        QString path;
        QString message;
    };
    const Case cases[] = {
        {brokenFile(QStringLiteral("broken.bmp")), QStringLiteral("Bitmap image is not valid")},
        {brokenFile(QStringLiteral("broken.jpg")), QStringLiteral("JPEG error #")},
        {cutShort(pictureFile(QStringLiteral("cut.png"), 300, 300)),
         QStringLiteral("PNG image is not valid")},
        {folder.filePath(QStringLiteral("missing.bmp")), QStringLiteral("Cannot open file")},
    };
    for (const Case& c : cases) {
        const int errorsBefore = errorsShown();
        loadSlot(2, c.path);
        ASSERT_EQ(errorsShown(), errorsBefore + 1);
        EXPECT_TRUE(lastError().startsWith(c.message)) << lastError().toStdString();
        const ImageSlot& after = form->session().slotTable()[2];
        EXPECT_EQ(after.FileName, before.FileName);
        EXPECT_EQ(after.Width, before.Width);
        EXPECT_EQ(after.Ratio, before.Ratio);
        EXPECT_EQ(form->slotImages[2]->picture().pixel(50, 50), thumbnailBefore);
    }
    // A failing slot 1 leaves the buttons as they were.
    loadSlot(1, cases[0].path);
    EXPECT_FALSE(form->PrintButton->isEnabled());
    EXPECT_TRUE(form->session().slotTable()[1].FileName.isEmpty());
}

TEST_F(SlotsTest, CancellingTheFileDialogKeepsTheSlot) {
    const QString path = pictureFile(QStringLiteral("kept.bmp"), 300, 300, pictureColour);
    loadSlot(4, path);
    dialogs.cancel();
    form->run(&TForm1::c04ImageClick);
    const ImageSlot& slot = form->session().slotTable()[4];
    EXPECT_EQ(slot.FileName, path);
    EXPECT_EQ(slot.SaveName, path);
    EXPECT_EQ(form->DImage->picture().pixel(50, 50), pictureColour);

    loadSlot(4, pictureFile(QStringLiteral("other.bmp"), 200, 100, 0x00FF00));
    EXPECT_EQ(form->session().slotTable()[4].Ratio, 500);
}

TEST_F(SlotsTest, PopupMenusOpenShowAndDelete) {
    for (int slot = 1; slot <= 9; ++slot) {
        const SlotPopupMenu& popup = form->popupMenu(slot);
        QStringList captions;
        for (QAction* action : popup.menu->actions())
            captions << (action->isSeparator() ? QStringLiteral("-")
                                               : shownCaption(action->text()));
        const QStringList expected =
            slot == 8 ? QStringList{"Open Image...", "-", "Show Tilette", "-", "Delete Image"}
                      : QStringList{"Open Image...", "-", "Show Tilette",
                                    "Color Image",   "-", "Delete Image"};
        EXPECT_EQ(captions, expected) << slot;
    }
    EXPECT_EQ(form->popupMenu(6).openItem->objectName(), QStringLiteral("OpenImage06Item"));
    EXPECT_EQ(form->popupMenu(2).deleteItem->objectName(), QStringLiteral("DeleteImage02"));

    const QString path = pictureFile(QStringLiteral("shown.bmp"), 300, 300, pictureColour);
    // A right click on the thumbnail opens the slot's menu.
    ImageBox* thumbnail = form->slotImages[7];
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(50, 50),
                                 thumbnail->mapToGlobal(QPoint(50, 50)));
    QApplication::sendEvent(thumbnail, &rightClick);
    EXPECT_EQ(form->state.PopupSlot, 7);
    EXPECT_TRUE(form->popupMenu(7).menu->isVisible());
    form->popupMenu(7).menu->hide();
    dialogs.answerFile(path);
    form->popupMenu(7).openItem->trigger();
    EXPECT_EQ(form->session().slotTable()[7].FileName, path);
    EXPECT_EQ(form->state.PopupSlot, 7);

    form->state.CurrentSlot = 1;
    form->PageControl1->setActivePage(form->AboutTabSheet);
    form->popupMenu(7).showItem->trigger();
    EXPECT_EQ(form->PageControl1->activePage(), form->StandardTabSheet);
    EXPECT_EQ(form->state.CurrentSlot, 7);

    form->popupMenu(7).deleteItem->trigger();
    EXPECT_TRUE(form->session().slotTable()[7].FileName.isEmpty());
    EXPECT_EQ(form->slotImages[7]->picture().pixel(2, 2), colours::paleYellow);
}

// Pictures dropped on a thumbnail or the sample area go into that slot; several, or dropped
// elsewhere, fill the empty slots in order; a setup opens; a file that is no picture is told as
// through the dialog.
TEST_F(SlotsTest, DroppedFilesGoWhereTheyWereDropped) {
    continueWith(pictureFile(QStringLiteral("one.bmp"), 400, 300));
    const auto picture = [this](int n) {
        return pictureFile(QStringLiteral("p%1.bmp").arg(n), 300, 200, 0x101010 * n);
    };
    const auto slotFile = [this](int slot) { return form->session().slotTable()[slot].FileName; };
    EXPECT_TRUE(dropFiles(form->slotImages[5], {picture(5)}));
    EXPECT_EQ(slotFile(5), picture(5));
    dropFiles(form->BImage, {picture(2)});
    EXPECT_EQ(slotFile(2), picture(2));
    form->DrawTilette(2);
    dropFiles(form->Image2, {picture(7)});
    EXPECT_EQ(slotFile(2), picture(7)) << "the slot shown";
    dropFiles(form->Images01to15TabSheet, {picture(3), picture(4), picture(6)});
    EXPECT_EQ(slotFile(3), picture(3));
    EXPECT_EQ(slotFile(4), picture(4));
    EXPECT_EQ(slotFile(6), picture(6));
    EXPECT_EQ(shownCaption(form->UndoItem->text()), QStringLiteral("Undo Choose Picture"));
    form->UndoItem->trigger();
    EXPECT_TRUE(slotFile(3).isEmpty() && slotFile(6).isEmpty()) << "the three were one step";

    const QString broken = brokenFile(QStringLiteral("notes.bmp"));
    const int errors = errorsShown();
    dropFiles(form->slotImages[8], {broken});
    EXPECT_EQ(errorsShown(), errors + 1);
    EXPECT_TRUE(lastError().startsWith(QStringLiteral("Bitmap image is not valid")));
    EXPECT_TRUE(slotFile(8).isEmpty());

    const QString setup = folder.filePath(QStringLiteral("sheet.agt"));
    dialogs.answerFile(setup);
    form->run(&TForm1::SaveAsItemClick);
    dropFiles(form.get(), {picture(9), setup});
    EXPECT_EQ(form->state.SetupFile, setup);
    EXPECT_TRUE(slotFile(9).isEmpty()) << "a setup among pictures opens, alone";
}
