// Building the settings pages on the left: Control, Text and Advanced.
#include "app/TForm1.h"
#include "sheet/PageType.h"

#include "app/WidgetPlacement.h"
#include "app/controls/RadioGroup.h"
#include "app/controls/UpDown.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
QPushButton* button(QWidget* parent, const QString& name, const QString& caption, int x, int y,
                    int width, int height, const QString& hint = {}) {
    return place(new QPushButton(caption, parent), name, x, y, width, height, hint);
}

QLabel* label(QWidget* parent, const QString& name, const QString& caption, int x, int y,
              const QString& hint = {}) {
    auto* result = new QLabel(caption, parent);
    return place(result, name, x, y, result->sizeHint().width(), 13, hint);
}

QLineEdit* readOnlyEdit(QWidget* parent, const QString& name, const QString& text, int x, int y,
                        int width, int height, const QString& hint = {}) {
    auto* edit = place(new QLineEdit(text, parent), name, x, y, width, height, hint);
    edit->setReadOnly(true);
    return edit;
}

// The text boxes show their text on the scroll-bar colour, as the classic window did.
void useScrollBarBackground(QLineEdit* edit) {
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button).darker(105));
    edit->setPalette(palette);
}
} // namespace

void TForm1::buildControlPage() {
    QWidget* page = PrintControlTabSheet;
    TypeOfPageRadioGroup =
        place(new RadioGroup(QStringLiteral("Type Of Page of Tilettes"), pageTypeItems(), 1, page),
              QStringLiteral("TypeOfPageRadioGroup"), 0, 0, 153, 145,
              QStringLiteral(
                  "Selects how the images will be placed in the tilettes and how the tilettes "
                  "will be placed on the sheet.  If the choice has a number at least that many "
                  "images must be selected."));
    TypeOfPageRadioGroup->setItemIndex(0);

    Panel1 = place(new QFrame(page), QStringLiteral("Panel1"), 0, 152, 153, 201);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->hide();
    const QString copiesHint = QStringLiteral("The number of copies of each page printed");
    Label2 = label(Panel1, QStringLiteral("Label2"), QStringLiteral("Number of Copies"), 8, 16,
                   copiesHint);
    CopiesEdit = readOnlyEdit(Panel1, QStringLiteral("CopiesEdit"), QStringLiteral("1"), 96, 8, 25,
                              21, copiesHint);
    CopiesUpDown = place(new UpDown(1, 4, 1, 1, Panel1), QStringLiteral("CopiesUpDown"), 121, 8, 15,
                         21, copiesHint);
    CopiesUpDown->setBuddy(CopiesEdit);
    PreviewTiletteButton = button(
        Panel1, QStringLiteral("PreviewTiletteButton"), QStringLiteral("Preview &Tilette"), 8, 64,
        137, 25,
        QStringLiteral(
            "Will display the tilette for each image selected, this allows one to reveiw the "
            "options selected to see that they work with all images."));
    PrinterSetupButton =
        button(Panel1, QStringLiteral("PrinterSetupButton"), QStringLiteral("Printer &Setup"), 8,
               104, 137, 25, QStringLiteral("Select printer, and paper size"));
    PreviewButton =
        button(Panel1, QStringLiteral("PreviewButton"), QStringLiteral("Pre&view Sheet"), 8, 136,
               137, 25, QStringLiteral("Shows how the sheet will look when printed"));
    PrintButton =
        button(Panel1, QStringLiteral("PrintButton"), QStringLiteral("&Print Page"), 8, 168, 137,
               25, QStringLiteral("Will print the sheet of tilettes to the selected printer"));
    ExitButton = button(page, QStringLiteral("ExitButton"), QStringLiteral("E&xit"), 8, 360, 137,
                        25, QStringLiteral("Ends Program"));
}

void TForm1::buildTextPage() {
    QWidget* page = TextTabSheet;
    ValueGroupBox = place(new QGroupBox(QStringLiteral("Value of Tilette"), page),
                          QStringLiteral("ValueGroupBox"), 0, 8, 153, 193);
    ValueEdit =
        place(new QLineEdit(ValueGroupBox), QStringLiteral("ValueEdit"), 8, 16, 137, 56,
              QStringLiteral("This text will print in the selected corner, it is normally the "
                             "value of a tilette, but may be any text, example \"Aug 17, 2002\""));
    useScrollBarBackground(ValueEdit);
    QFont valueEditFont = font();
    valueEditFont.setPixelSize(40);
    ValueEdit->setFont(valueEditFont);
    FontButton =
        button(ValueGroupBox, QStringLiteral("FontButton"), QStringLiteral("Select F&ont"), 8, 80,
               137, 17, QStringLiteral("Select the font and size to use for the tilette value"));
    SelectValueColorButton = button(
        ValueGroupBox, QStringLiteral("SelectValueColorButton"), QStringLiteral("Se&lect Color"), 8,
        104, 137, 17, QStringLiteral("Select the color to use for the tilette value."));
    ValueRadioGroup = place(new RadioGroup(QStringLiteral("Corner to Place Value"),
                                           {QStringLiteral("UL"), QStringLiteral("LL"),
                                            QStringLiteral("UR"), QStringLiteral("LR")},
                                           2, ValueGroupBox),
                            QStringLiteral("ValueRadioGroup"), 8, 128, 129, 57,
                            QStringLiteral("Selects the corner to place the value text"));
    ValueRadioGroup->setItemIndex(2);

    TextGroupBox = place(new QGroupBox(QStringLiteral("Text for Tilette"), page),
                         QStringLiteral("TextGroupBox"), 0, 208, 153, 177);
    TextEdit = place(
        new QLineEdit(TextGroupBox), QStringLiteral("TextEdit"), 8, 24, 137, 21,
        QStringLiteral("The tilette text will be placed on the selected edge, centered if the "
                       "value text is not on the same edge, and aligned to the value text if it "
                       "is on the same edge"));
    useScrollBarBackground(TextEdit);
    TextSelectButton =
        button(TextGroupBox, QStringLiteral("TextSelectButton"), QStringLiteral("Select Fo&nt"), 8,
               64, 137, 17, QStringLiteral("Selects font and size for the tilette text"));
    SelectTextColorButton = button(TextGroupBox, QStringLiteral("SelectTextColorButton"),
                                   QStringLiteral("Select Colo&r"), 8, 88, 137, 17,
                                   QStringLiteral("Selects the color for the tilette text"));
    EdgeRadioGroup =
        place(new RadioGroup(QStringLiteral("Edge to Place Text"),
                             {QStringLiteral("Top"), QStringLiteral("Bottom"),
                              QStringLiteral("Left"), QStringLiteral("Right")},
                             2, TextGroupBox),
              QStringLiteral("EdgeRadioGroup"), 4, 112, 141, 57,
              QStringLiteral("Will place the text at the top, bottom, or vertical on the left or "
                             "right side.  Aligns to the value text if on same edge."));
    EdgeRadioGroup->setItemIndex(3);
}

void TForm1::buildAdvancedPage() {
    QWidget* page = AdvancedTabSheet;
    BlankCheckBox = place(new QCheckBox(QStringLiteral("Blank Sheet"), page),
                          QStringLiteral("BlankCheckBox"), 8, 24, 97, 17);
    TiletteSizeGroupBox = place(new QGroupBox(QStringLiteral("Tilette Size"), page),
                                QStringLiteral("TiletteSizeGroupBox"), 2, 56, 151, 137);
    SizeTilettesCheckBox = place(
        new QCheckBox(QStringLiteral("Size Tilettes"), TiletteSizeGroupBox),
        QStringLiteral("SizeTilettesCheckBox"), 8, 16, 129, 17,
        QStringLiteral(
            "If checked, allows the size of the tilette to be changed.  If it was checked and then "
            "it is unchecked, the tilette sizes will be reset back to their default size for the "
            "\"Number of Images Wide\" that is selected."));
    WidthLabel =
        label(TiletteSizeGroupBox, QStringLiteral("WidthLabel"), QStringLiteral("Width"), 8, 40);
    HeightLabel =
        label(TiletteSizeGroupBox, QStringLiteral("HeightLabel"), QStringLiteral("Height"), 8, 64);
    // A size can be typed where its arrows work, so each field follows its arrows' state.
    WidthEdit = place(new QLineEdit(QStringLiteral("0"), TiletteSizeGroupBox),
                      QStringLiteral("WidthEdit"), 48, 32, 65, 21);
    HeightEdit = place(new QLineEdit(QStringLiteral("0"), TiletteSizeGroupBox),
                       QStringLiteral("HeightEdit"), 48, 56, 65, 21);
    WidthEdit->setEnabled(false);
    HeightEdit->setEnabled(false);
    WidthUpDown = place(new UpDown(50, 500, 10, 175, TiletteSizeGroupBox),
                        QStringLiteral("WidthUpDown"), 113, 32, 16, 21);
    HeightUpDown = place(new UpDown(50, 500, 10, 175, TiletteSizeGroupBox),
                         QStringLiteral("HeightUpDown"), 113, 56, 16, 21);
    WidthUpDown->setEnabled(false);
    HeightUpDown->setEnabled(false);
    RatioCheckBox = place(
        new QCheckBox(QStringLiteral("Keep W to H Ratio "), TiletteSizeGroupBox),
        QStringLiteral("RatioCheckBox"), 8, 80, 129, 17,
        QStringLiteral("If checked changing either the Width or Height will change both, if not "
                       "checked the Width and Height can be changed indepentently."));
    RatioCheckBox->setChecked(true);
    PickColorRadioGroup = place(
        new RadioGroup(QStringLiteral("Pick Color from Image for"),
                       {QStringLiteral("No Color Pick"), QStringLiteral("Border Color"),
                        QStringLiteral("Value Font Color"), QStringLiteral("Text Font Color"),
                        QStringLiteral("Background Color")},
                       1, page),
        QStringLiteral("PickColorRadioGroup"), 2, 200, 150, 105,
        QStringLiteral(
            "Select the button for the color you wish to change, then move the mouse over the "
            "sample tilette on the right, when you click the left mouse button, the color will "
            "change to the color at the tip of the mouse pointer."));
    PickColorRadioGroup->setItemIndex(0);
}
