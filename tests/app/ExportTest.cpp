#include "WindowFixture.h"

#include "app/controls/PageControl.h"
#include "app/controls/RadioGroup.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPushButton>

namespace {
constexpr Colour pictureColour = 0x3366CC;

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool near(Colour actual, Colour expected) {
    const auto close = [](int a, int b) { return std::abs(a - b) <= 8; };
    return close(actual & 0xFF, expected & 0xFF) &&
           close((actual >> 8) & 0xFF, (expected >> 8) & 0xFF) &&
           close((actual >> 16) & 0xFF, (expected >> 16) & 0xFF);
}
} // namespace

class ExportTest : public WindowFixture {
  protected:
    void SetUp() override {
        WindowFixture::SetUp();
        continueWith(pictureFile(QStringLiteral("photo.bmp"), 400, 400, pictureColour));
        form->BorderRadioGroup->setItemIndex(0); // no border: the cells are the picture's colour
    }

    // Saves through the menu item as the user would, answering the save dialog with name.
    QString save(QAction* item, const QString& name) {
        const QString path = QDir::isAbsolutePath(name) ? name : folder.filePath(name);
        dialogs.answerFile(path);
        item->trigger();
        return path;
    }

    // After every way out the cursor and the controls are back, with "Basic" at the front.
    void expectWindowRestored() {
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        EXPECT_TRUE(form->PrintButton->isEnabled());
        EXPECT_EQ(form->PageControl1->activePage(), form->StandardTabSheet);
    }

    QStringList folderContents() const {
        return QDir(folder.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
};

// The name's extension chooses the format where it names one; the file records its resolution
// (pixels a metre: 7874 for 200 an inch, 2953 for 75, 3937 for 100).
TEST_F(ExportTest, EachItemWritesItsFormatAtItsSize) {
    struct Case {
        QAction* TForm1::*item;
        const char* name;
        const char* title;
        bool bitmap; // the item's own format
        const char* magic;
        int width, height; // 1600 × 2100 sheet of 320 × 320 tilettes at 8 × 10.5 inches
        int pixelsPerMetre;
    };
    const Case cases[] = {
        {&TForm1::SaveSheetImageBestItem, "sheet.bmp",
         "File name to save sheet of tilettes, as a bitmap.", true, "BM", 1600, 2100, 7874},
        // A bitmap's name for a JPEG item: a bitmap file replaces the one written before.
        {&TForm1::SaveSheetImageGoodItem, "sheet.bmp",
         "File name to save sheet of tilettes, as a jpg.", false, "BM", 1600, 2100, 7874},
        {&TForm1::SaveSheetImageforEmailItem, "sheet-mail.JPEG",
         "File name to save sheet of tilettes, as a small jpg, to email", false, "\xFF\xD8", 600,
         787, 2953},
        {&TForm1::SaveSingleTiletteImageBestItem, "tilette.Png",
         "File name to save single tilette, as a bitmap.", true, "\x89PNG", 320, 320, 7874},
        // A name that asks for no format of ours gets the item's.
        {&TForm1::SaveSingleTiletteImageGoodItem, "tilette.pic",
         "File name to save single tilette, as a jpg.", false, "\xFF\xD8", 320, 320, 7874},
        {&TForm1::SaveSingleTiletteImageforEmailItem, "tilette-mail.png",
         "File name to save single tilette, as a small jpg, to email", false, "\x89PNG", 160, 160,
         3937},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        // Stale pictures: an export that did not compose or draw again would write these.
        form->state.SheetBitmap = Bitmap(3, 3);
        markCurrentTilette();
        const size_t shownBefore = dialogs.shown().size();
        const QString path = save((*form).*c.item, QString::fromLatin1(c.name));

        ASSERT_EQ(dialogs.shown().size(), shownBefore + 1) << lastError().toStdString();
        const FileDialogRequest& asked = dialogs.shown().back().request;
        EXPECT_EQ(asked.title, QString::fromLatin1(c.title));
        EXPECT_EQ(asked.filters, (QStringList{c.bitmap ? "Bitmaps (*.bmp)" : "Jpg (*.jpg)",
                                              "PNG Image File (*.png)"}));
        EXPECT_EQ(asked.defaultSuffix, c.bitmap ? "bmp" : "jpg");
        EXPECT_TRUE(asked.confirmOverwrite);

        const QByteArray magic(c.magic);
        EXPECT_EQ(contentOf(path).left(magic.size()), magic);
        // A JPEG records pixels an inch, which Qt turns into a metre's worth rounding down.
        EXPECT_NEAR(QImage(path).dotsPerMeterX(), c.pixelsPerMetre, 1);
        const Bitmap written = readPicture(path);
        EXPECT_EQ(written.width(), c.width);
        EXPECT_EQ(written.height(), c.height);
        EXPECT_TRUE(near(written.pixel(c.width / 2, c.height / 2), pictureColour));
        expectWindowRestored();
    }
    // The sheet is shrunk whole rather than cut: the bottom rows of the small copy are the white
    // below the sixth row of tilettes.
    const Bitmap mail = readPicture(folder.filePath("sheet-mail.JPEG"));
    EXPECT_TRUE(near(mail.pixel(60, 60), pictureColour));
    EXPECT_TRUE(near(mail.pixel(60, 780), colours::white));
    EXPECT_EQ(folderContents().size(), 6); // the picture and five exports, nothing else
}

TEST_F(ExportTest, ABestTiletteKeepsTheTilettesOwnPixelFormat) {
    const QString sheet = save(form->SaveSheetImageBestItem, "sheet.bmp");
    EXPECT_EQ(contentOf(sheet).at(28), 24);
    const QString tilette = save(form->SaveSingleTiletteImageBestItem, "tilette.bmp");
    EXPECT_EQ(contentOf(tilette).at(28), form->state.CurrentTilette.isIndexed() ? 8 : 24);
    EXPECT_EQ(readPicture(tilette).image(), form->state.CurrentTilette.toTrueColour().image());
}

TEST_F(ExportTest, CancellingSavesNothingAndSaysSo) {
    const std::pair<QAction*, QString> items[] = {
        {form->SaveSheetImageBestItem, "Image not saved. No name entered for image."},
        {form->SaveSheetImageGoodItem, "Image not saved. No name entered for image."},
        {form->SaveSheetImageforEmailItem, "Image not saved. No name entered for image."},
        {form->SaveSingleTiletteImageBestItem, "Image not saved."},
        {form->SaveSingleTiletteImageGoodItem, "Image not saved."},
        {form->SaveSingleTiletteImageforEmailItem, "Image not saved."},
    };
    for (const auto& [item, message] : items) {
        form->state.SheetBitmap = Bitmap();
        markCurrentTilette();
        dialogs.cancel();
        item->trigger();
        EXPECT_EQ(dialogs.shown().back().kind, DialogKind::Message);
        EXPECT_EQ(dialogs.shown().back().text, message);
        EXPECT_TRUE(form->state.SheetBitmap.isEmpty()); // nothing composed
        EXPECT_FALSE(redrawnSinceMark());               // nothing drawn
        expectWindowRestored();
    }
    EXPECT_EQ(folderContents(), QStringList{"photo.bmp"});
}

TEST_F(ExportTest, ASheetThatCannotBeComposedIsNotSaved) {
    form->TypeOfPageRadioGroup->setItemIndex(1); // checkerboard, with one picture
    const size_t shownBefore = dialogs.shown().size();
    const QString path = save(form->SaveSheetImageGoodItem, "sheet.jpg");
    ASSERT_EQ(dialogs.shown().size(), shownBefore + 3);
    EXPECT_EQ(dialogs.shown()[shownBefore + 1].text,
              "Must have 2 images selected to use this option.");
    EXPECT_EQ(dialogs.shown()[shownBefore + 2].text, "Image not saved.");
    EXPECT_FALSE(QFile::exists(path));
    expectWindowRestored();
}

TEST_F(ExportTest, AFileThatCannotBeWrittenIsToldAndLeavesNothing) {
    const QString notAFolder = pictureFile(QStringLiteral("afile.bmp"), 2, 2);
    const QStringList before = folderContents();
    for (QAction* item : {form->SaveSheetImageforEmailItem, form->SaveSingleTiletteImageBestItem}) {
        const QString path = save(item, notAFolder + "/x.bmp");
        EXPECT_TRUE(lastError().startsWith("Cannot create file \"" + path + "\". "))
            << lastError().toStdString();
        expectWindowRestored();
    }
    EXPECT_EQ(errorsShown(), 2);
    EXPECT_EQ(folderContents(), before);
}
