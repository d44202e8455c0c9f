// Building the window frame: page controls, help line, status bar, menus.
#include "app/TForm1.h"

#include "app/WidgetPlacement.h"
#include "app/WindowTexts.h"
#include "app/controls/PageControl.h"
#include "platform/PictureFile.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>

namespace {
// The face the whole window uses. The layout was made for a narrow 8 point bitmap face; a narrow
// sans serif one pixel taller keeps every caption inside its box and reads well.
QFont windowFont() {
    QFont font(QStringLiteral("Liberation Sans Narrow"));
    font.setPixelSize(12);
    return font;
}
} // namespace

void TForm1::buildWindow() {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(texts::windowTitle);
    // The program's only window sets the face for its dialogs too; style sheets take the
    // application's font rather than the window's.
    QApplication::setFont(windowFont());
    setFont(windowFont());
    // Group titles sit on the frame line, as the layout's coordinates expect.
    setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    clientArea = new QWidget(this);
    clientArea->setObjectName(QStringLiteral("clientArea"));
    clientArea->setFixedSize(754, 491);
    setCentralWidget(clientArea);

    buildMenu();
    buildFrame();
    buildControlPage();
    buildTextPage();
    buildAdvancedPage();
    buildBasicPage();
    buildImagesPage();
    buildPreviewAndAboutPages();
    buildHiddenAndColorPages();
    buildPopupMenus();
    buildDialogPresets();

    PageControl2->setActivePage(AdvancedTabSheet);
    PageControl1->setActivePage(AboutTabSheet);
    fitLabelsToTheirText();
    Memo2->raise();
    setFixedSize(sizeHint());
}

// Labels grow to their text the way auto-sized labels do. An underscore sits on the lowest row
// of the font's descent, so a row more on each side of the centred text keeps it from being
// lost at the label's edge: file names are full of them.
void TForm1::fitLabelsToTheirText() {
    for (QLabel* label : clientArea->findChildren<QLabel*>()) {
        const QFontMetrics metrics = label->fontMetrics();
        const int lowest = std::max(
            metrics.descent(), metrics.tightBoundingRect(QStringLiteral("_gjpqy")).bottom() + 1);
        const int lineHeight = metrics.ascent() + lowest + 2;
        if (label->height() < lineHeight)
            label->resize(label->width(), lineHeight);
    }
}

void TForm1::buildFrame() {
    PageControl2 =
        place(new PageControl(clientArea), QStringLiteral("PageControl2"), 0, 0, 161, 425);
    PrintControlTabSheet =
        PageControl2->addPage(tr("Control"), QStringLiteral("PrintControlTabSheet"));
    TabSheet4 = PageControl2->addPage(QString(), QStringLiteral("TabSheet4"));
    TextTabSheet = PageControl2->addPage(tr("Text"), QStringLiteral("TextTabSheet"));
    AdvancedTabSheet = PageControl2->addPage(tr("Advanced"), QStringLiteral("AdvancedTabSheet"));
    TabSheet1 = PageControl2->addPage(QString(), QStringLiteral("TabSheet1"));
    PageControl2->setTabVisible(TabSheet4, false);
    PageControl2->setTabVisible(TabSheet1, false);

    PageControl1 =
        place(new PageControl(clientArea), QStringLiteral("PageControl1"), 162, 0, 591, 425);
    StandardTabSheet = PageControl1->addPage(tr("Basic"), QStringLiteral("StandardTabSheet"));
    Images01to15TabSheet =
        PageControl1->addPage(tr("Images 1 to 9"), QStringLiteral("Images01to15TabSheet"));
    PreviewTabSheet = PageControl1->addPage(tr("Preview"), QStringLiteral("PreviewTabSheet"));
    AboutTabSheet = PageControl1->addPage(tr("About"), QStringLiteral("AboutTabSheet"));
    HiddenImagesTabSheet =
        PageControl1->addPage(tr("Hidden Images"), QStringLiteral("HiddenImagesTabSheet"));
    ColorImageTabSheet =
        PageControl1->addPage(tr("Color Image"), QStringLiteral("ColorImageTabSheet"));
    PageControl1->setTabVisible(HiddenImagesTabSheet, false);

    Label1 = place(new QLabel(clientArea), QStringLiteral("Label1"), 8, 432, 729, 13);
    Label1->setStyleSheet(QStringLiteral("color: blue;"));

    Memo2 = place(new QPlainTextEdit(clientArea), QStringLiteral("Memo2"), 4, 423, 745, 45);
    Memo2->setFrameStyle(QFrame::NoFrame);
    Memo2->setReadOnly(true);
    Memo2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo2->setFocusPolicy(Qt::NoFocus);
    QPalette memoPalette = Memo2->palette();
    memoPalette.setColor(QPalette::Base, memoPalette.color(QPalette::Button));
    memoPalette.setColor(QPalette::Text, Qt::red);
    Memo2->setPalette(memoPalette);
    Memo2->setPlainText(texts::helpLine1 + QLatin1Char('\n') + texts::helpLine2);

    StatusBar1 = place(new QFrame(clientArea), QStringLiteral("StatusBar1"), 0, 467, 754, 24);
    StatusBar1->setFrameStyle(QFrame::NoFrame);
    makerPanel = place(new QLabel(texts::makerNotice, StatusBar1), QStringLiteral("StatusPanel0"),
                       0, 2, 400, 20);
    // The last panel of a status bar reaches to its right end.
    versionPanel = place(new QLabel(texts::version, StatusBar1), QStringLiteral("StatusPanel1"),
                         402, 2, 352, 20);
    for (QLabel* panel : {makerPanel, versionPanel}) {
        panel->setAlignment(Qt::AlignCenter);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    }
    // Over the version while pictures are decoded.
    DecodingProgressBar =
        place(new QProgressBar(StatusBar1), QStringLiteral("DecodingProgressBar"), 402, 2, 352, 20);
    DecodingProgressBar->setFormat(tr("Reading pictures: %v of %m"));
    DecodingProgressBar->setAlignment(Qt::AlignCenter);
    DecodingProgressBar->hide();
}

void TForm1::buildMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    FileMenu = bar->addMenu(tr("&File"));
    FileMenu->setObjectName(QStringLiteral("FileMenu"));
    auto item = [this](const QString& caption, const QString& name, const QString& hint = {}) {
        QAction* action = FileMenu->addAction(caption);
        action->setObjectName(name);
        if (!hint.isEmpty())
            setHint(action, hint);
        return action;
    };
    OpenItem =
        item(QStringLiteral("&Open Tilette"), QStringLiteral("OpenItem"),
             QStringLiteral("Opens a previously saved tilette setup, so that more sheets can be "
                            "printed of the sheet, or can be used as the start of an new sheet."));
    RecentMenu = FileMenu->addMenu(QStringLiteral("Open &Recent"));
    RecentMenu->setObjectName(QStringLiteral("RecentMenu"));
    showRecentSetups();
    FileMenu->addSeparator();
    SaveAsItem =
        item(QStringLiteral("&Save Tilette..."), QStringLiteral("SaveAsItem"),
             QStringLiteral("Save the current values for the sheet of tilettes so that it can "
                            "be re-loaded later and print more sheets."));
    FileMenu->addSeparator();
    PreviewSheetItem = item(QStringLiteral("Pre&view Sheet"), QStringLiteral("PreviewSheetItem"));
    ViewSheetItem =
        item(QStringLiteral("Vie&w Sheet"), QStringLiteral("ViewSheetItem"),
             QStringLiteral("Shows the whole sheet in a window of its own, where it can be zoomed "
                            "from the whole page to its single dots."));
    PrintPageItem = item(QStringLiteral("&Print Page"), QStringLiteral("PrintPageItem"));
    FileMenu->addSeparator();
    SaveSheetImageBestItem =
        item(QStringLiteral("Save Sheet Image &Best "), QStringLiteral("SaveSheetImageBestItem"));
    SaveSingleTiletteImageBestItem = item(QStringLiteral("Save Single &Tilette Image Best "),
                                          QStringLiteral("SaveSingleTiletteImageBestItem"));
    SaveSheetImageGoodItem =
        item(QStringLiteral("Save Sheet Image &Good"), QStringLiteral("SaveSheetImageGoodItem"));
    SaveSingleTiletteImageGoodItem = item(QStringLiteral("Save Si&ngle Tilette Image Good"),
                                          QStringLiteral("SaveSingleTiletteImageGoodItem"));
    SaveSheetImageforEmailItem = item(QStringLiteral("Save Sheet Image for E&mail"),
                                      QStringLiteral("SaveSheetImageforEmailItem"));
    SaveSingleTiletteImageforEmailItem =
        item(QStringLiteral("Save Sing&le Tilette Image for Email"),
             QStringLiteral("SaveSingleTiletteImageforEmailItem"));
    FileMenu->addSeparator();
    ExitItem = item(QStringLiteral("E&xit"), QStringLiteral("ExitItem"));
    // The desktop's own keys for these.
    OpenItem->setShortcuts(QKeySequence::Open);
    SaveAsItem->setShortcuts(QKeySequence::Save);
    PrintPageItem->setShortcuts(QKeySequence::Print);
    PreviewSheetItem->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), QKeySequence(Qt::Key_F5)});
    // Not every desktop's theme gives Quit a key; Ctrl+Q is what people expect.
    ExitItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    // From the About page a saved setup can be opened; the rest waits for a sheet.
    setSheetItemsEnabled(false);

    EditMenu = bar->addMenu(tr("&Edit"));
    EditMenu->setObjectName(QStringLiteral("EditMenu"));
    UndoItem = EditMenu->addAction(QStringLiteral("&Undo"));
    UndoItem->setObjectName(QStringLiteral("UndoItem"));
    UndoItem->setShortcuts(QKeySequence::Undo);
    RedoItem = EditMenu->addAction(QStringLiteral("&Redo"));
    RedoItem->setObjectName(QStringLiteral("RedoItem"));
    RedoItem->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    showHistory();
}

void TForm1::buildPopupMenus() {
    struct Names {
        const char* open;
        const char* show;
        const char* color;
        const char* remove;
    };
    static const std::array<Names, 10> names{{
        {},
        {"SelectImage01Item", "ShowTilette1Item", "ColorImage1Item", "DeleteImage01Item"},
        {"SelectImage02", "ShowImage02Item", "ColorImage2Item", "DeleteImage02"},
        {"SelectImage03Item", "ShowImage03Item", "ColorImage3Item", "DeleteImage03Item"},
        {"SelectImage04Item", "ShowImage04Item", "ColorImage4Item", "DeleteImage04Item"},
        {"SelectImage05Item", "ShowImage05Item", "ColorImage5Item", "DeleteImage05Item"},
        {"OpenImage06Item", "ShowImage6Item", "ColorImage6Item", "DeleteImage06Item"},
        {"SelectImage07Item", "ShowImage7Item", "ColorImage7Item", "DeleteImage07Item"},
        {"SelectImage08Item", "ShowImage8Item", nullptr, "DeleteImage08Item"},
        {"SelectImage09Item", "ShowImage9Item", "ColorImage9Item", "DeleteImage09Item"},
    }};
    for (int slot = FirstUserSlot; slot <= LastUserSlot; ++slot) {
        SlotPopupMenu& popup = popupMenus_[static_cast<size_t>(slot)];
        const Names& name = names[static_cast<size_t>(slot)];
        popup.menu = new QMenu(this);
        popup.menu->setObjectName(
            QStringLiteral("Image%1PopupMenu").arg(slot, 2, 10, QLatin1Char('0')));
        popup.openItem = popup.menu->addAction(QStringLiteral("&Open Image..."));
        popup.openItem->setObjectName(QLatin1String(name.open));
        popup.menu->addSeparator();
        popup.showItem = popup.menu->addAction(QStringLiteral("&Show Tilette"));
        popup.showItem->setObjectName(QLatin1String(name.show));
        if (name.color) {
            popup.colorItem = popup.menu->addAction(QStringLiteral("&Color Image"));
            popup.colorItem->setObjectName(QLatin1String(name.color));
        }
        popup.menu->addSeparator();
        popup.deleteItem = popup.menu->addAction(QStringLiteral("&Delete Image"));
        popup.deleteItem->setObjectName(QLatin1String(name.remove));
    }
}

void TForm1::buildDialogPresets() {
    ValueFontDialog.Font = {QStringLiteral("Times New Roman"), 35, true, false, colours::black};
    TextFontDialog.Font = {QStringLiteral("Arial"), 16, true, false, colours::red};
    // Every picture the program reads is offered at first, whatever its format.
    OpenPictureDialog1.filters = pictureFileFilters();
    OpenPictureDialog1.selectedFilter = 0;
    OpenPictureDialog1.defaultSuffix = QStringLiteral("bmp");
    OpenPictureDialog1.folder = QStringLiteral(".");
    PrintToPdfDialog.title = QStringLiteral("Print to PDF");
    PrintToPdfDialog.filters = {QStringLiteral("PDF Files (*.pdf)")};
    PrintToPdfDialog.defaultSuffix = QStringLiteral("pdf");
    PrintToPdfDialog.confirmOverwrite = true;
    SaveDialog.filters = {QStringLiteral("Ambergate Tilettes (*.agt)")};
    SaveDialog.defaultSuffix = QStringLiteral("agt");
    SaveDialog.confirmOverwrite = true;
    OpenDialog.filters = {QStringLiteral("Ambergate Tilette (*.agt)")};
    OpenDialog.defaultSuffix = QStringLiteral("agt");
}
