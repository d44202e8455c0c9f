// Building the picture pages on the right: Basic, Images 1 to 9, Preview, About, the hidden
// page and Color Image.
#include "app/TForm1.h"
#include "colour/ColourSchemes.h"

#include "app/WidgetPlacement.h"
#include "app/WindowTexts.h"
#include "app/controls/ImageBox.h"
#include "app/controls/RadioGroup.h"
#include "tilette/SamplePicture.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
const QString sampleAreaHint = QStringLiteral("Each tilette is displayed while it is the selected "
                                              "image, or if \"Preview Tilettes\" was selected.");

QString builtSlotHint(int slot) {
    return QStringLiteral(
               "Image for Tilette %1, click to select different image for Tilette %1, right "
               "click for popup menu.")
        .arg(slot);
}

ImageBox* thumbnail(QWidget* parent, const QString& name, int x, int y, const QString& hint) {
    return place(new ImageBox(100, 100, parent), name, x, y, 100, 100, hint);
}
} // namespace

void TForm1::buildBasicPage() {
    QWidget* page = StandardTabSheet;
    GroupBox1 =
        place(new QGroupBox(QStringLiteral("Tilettes Images 1 to 4 (click to change)"), page),
              QStringLiteral("GroupBox1"), 0, 0, 225, 225);
    AImage = thumbnail(GroupBox1, QStringLiteral("AImage"), 7, 16, builtSlotHint(1));
    BImage = thumbnail(GroupBox1, QStringLiteral("BImage"), 111, 16, builtSlotHint(2));
    cImage = thumbnail(GroupBox1, QStringLiteral("cImage"), 7, 120, builtSlotHint(3));
    DImage = thumbnail(GroupBox1, QStringLiteral("DImage"), 111, 120, builtSlotHint(4));

    NumberOfImagesWideRadioGroup = place(
        new RadioGroup(QStringLiteral("Number of Images  Across the Sheet"),
                       {QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5"),
                        QStringLiteral("6"), QStringLiteral("7"), QStringLiteral("8"),
                        QStringLiteral("9")},
                       4, page),
        QStringLiteral("NumberOfImagesWideRadioGroup"), 0, 232, 225, 45,
        QStringLiteral(
            "Selects the number of tilettes to print across the sheet, the number of tilettes to "
            "print down the sheet will be computed based on the width and height of \"Image 1\""));
    NumberOfImagesWideRadioGroup->setItemIndex(2);
    DownLabel = place(new QLabel(page), QStringLiteral("DownLabel"), 0, 280, 225, 13,
                      QStringLiteral("The number of tilettes that will fit down the sheet."));
    BorderRadioGroup = place(
        new RadioGroup(QStringLiteral("Type of Border for each Tilette"),
                       {QStringLiteral("None"), QStringLiteral("Box "), QStringLiteral("Stamp "),
                        QStringLiteral("Perforations"), QStringLiteral("35mm Film Vert."),
                        QStringLiteral("35mm Film Horiz.")},
                       2, page),
        QStringLiteral("BorderRadioGroup"), 0, 296, 225, 57,
        QStringLiteral(
            "Selects the border to draw around the tilette image.  Box is a simple line, stamp is "
            "what is used on the About window, and perforations is a series of dots."));
    BorderRadioGroup->setItemIndex(2);
    SelectColorsGroupBox = place(new QGroupBox(QStringLiteral("Select Colors"), page),
                                 QStringLiteral("SelectColorsGroupBox"), 0, 352, 225, 41);
    SelectBorderColorButton =
        place(new QPushButton(QStringLiteral("&Border Color"), SelectColorsGroupBox),
              QStringLiteral("SelectBorderColorButton"), 4, 16, 96, 17,
              QStringLiteral("Selects the color that will be used for the Box, Stamp or "
                             "Perforations if one is selected"));
    SelectBackgoundColorButton = place(
        new QPushButton(QStringLiteral("Back&gound Color"), SelectColorsGroupBox),
        QStringLiteral("SelectBackgoundColorButton"), 112, 16, 105, 17,
        QStringLiteral(
            "Selects a color for the area between the image and the edge of the tilette, this will "
            "normally be white"));
    Image2 = place(new ImageBox(350, 350, page), QStringLiteral("Image2"), 231, 0, 350, 350,
                   sampleAreaHint);
    TiletteSizeLabel =
        place(new QLabel(page), QStringLiteral("TiletteSizeLabel"), 227, 352, 349, 13,
              QStringLiteral("This is the size in inches of each tilette, all tilettes are the "
                             "same size, even if the "
                             "images are different sizes"));
    TiletteSizeLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label3 = place(new QLabel(QStringLiteral("Label3"), page), QStringLiteral("Label3"), 248, 376,
                   333, 13);
}

void TForm1::buildImagesPage() {
    ImagesGroupBox =
        place(new QGroupBox(QStringLiteral("Tilette Images 1 to 9 (click to change image)"),
                            Images01to15TabSheet),
              QStringLiteral("ImagesGroupBox"), 0, 0, 583, 393);
    for (int slot = FirstUserSlot; slot <= LastUserSlot; ++slot) {
        const int column = (slot - 1) % 3;
        const int row = (slot - 1) / 3;
        slotImages[static_cast<size_t>(slot)] =
            thumbnail(ImagesGroupBox, QStringLiteral("c%1Image").arg(slot, 2, 10, QLatin1Char('0')),
                      4 + 104 * column, 16 + 112 * row, builtSlotHint(slot));
    }
    slotImages[10] = thumbnail(ImagesGroupBox, QStringLiteral("c10Image"), 348, 240, {});
    slotImages[0] = thumbnail(ImagesGroupBox, QStringLiteral("c00Image"), 468, 240, {});
    slotImages[10]->hide();
    slotImages[0]->hide();
}

void TForm1::buildPreviewAndAboutPages() {
    PreviewImage = place(
        new ImageBox(583, 389, PreviewTabSheet), QStringLiteral("PreviewImage"), 0, 0, 583, 389,
        QStringLiteral("Double-click to see the whole sheet in a window of its own, where it can "
                       "be zoomed."));

    QWidget* page = AboutTabSheet;
    Memo1 = place(new QPlainTextEdit(texts::guide, page), QStringLiteral("Memo1"), 0, 0, 225, 321);
    Memo1->setReadOnly(true);
    AboutSampleImage =
        place(new ImageBox(350, 350, page), QStringLiteral("AboutSampleImage"), 231, 0, 350, 350);
    ContinueButton = place(
        new QPushButton(QStringLiteral("&Continue"), page), QStringLiteral("ContinueButton"), 32,
        328, 121, 25,
        QStringLiteral(
            "Click to continue program, when clicked the program will present a file selections "
            "window for the image to use for \"Tilette 1\".  Any .bmp, .jpg, .jpeg file maybe used "
            "for a tilette image.  The sheet usually looks best if all the images are about the "
            "same "
            "shape."));
    ExitAboutButton =
        place(new QPushButton(QStringLiteral("Ex&it"), page), QStringLiteral("ExitAboutButton"), 32,
              360, 121, 25, QStringLiteral("End Program"));
}

void TForm1::buildHiddenAndColorPages() {
    Image3 = place(new ImageBox(350, 350, HiddenImagesTabSheet), QStringLiteral("Image3"), 0, 0,
                   350, 350);
    Image3->setPicture(SamplePicture());
    Image1 = place(new ImageBox(350, 266, HiddenImagesTabSheet), QStringLiteral("Image1"), 0, 0,
                   350, 266);
    Image1->hide();

    QWidget* page = ColorImageTabSheet;
    TypeRadioGroup =
        place(new RadioGroup(QStringLiteral("TypeRadioGroup"), colourSchemeItems(), 1, page),
              QStringLiteral("TypeRadioGroup"), 0, 0, 153, 369,
              QStringLiteral("Select a color schemes to apply to the image."));
    TypeRadioGroup->setItemIndex(0);
    ColorBitMapImage = place(new ImageBox(350, 350, page), QStringLiteral("ColorBitMapImage"), 231,
                             0, 350, 350, sampleAreaHint);
    UseColoredImageButton = place(new QPushButton(QStringLiteral("&Use Colored Image"), page),
                                  QStringLiteral("UseColoredImageButton"), 288, 360, 97, 25,
                                  QStringLiteral("Click to use image as colored."));
    CancelColoringButton =
        place(new QPushButton(QStringLiteral("C&ancel Coloring Image"), page),
              QStringLiteral("CancelColoringButton"), 424, 360, 145, 25,
              QStringLiteral("Click to return to \"Basic\" window and use orginal image."));
}
