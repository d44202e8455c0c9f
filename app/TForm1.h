#pragma once

#include "app/WindowState.h"
#include "platform/Dialogs.h"
#include "setup/SetupRecord.h"
#include "sheet/ImageExport.h"
#include "sheet/SheetDefinition.h"
#include "sheet/SheetHistory.h"
#include "sheet/SheetSession.h"
#include "sheet/SlotTilette.h"

#include <QMainWindow>
#include <array>
#include <functional>

class QAction;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class ImageBox;
class PageControl;
class PrinterSystem;
class RadioGroup;
class SheetViewer;
class UpDown;

// A colour dialog keeps the colour last chosen as its preset.
struct ColorDialogPreset {
    Colour Color = colours::black;
};

// A font dialog keeps the font last chosen.
struct FontDialogPreset {
    FontChoice Font;
};

// The popup menu of one image slot and its items (slot 8 has no colour item).
struct SlotPopupMenu {
    QMenu* menu = nullptr;
    QAction* openItem = nullptr;
    QAction* showItem = nullptr;
    QAction* colorItem = nullptr;
    QAction* deleteItem = nullptr;
};

// The main window. It owns the controls, the dialogs' presets and the program state, and
// connects the controls to the drawing, geometry and file code. Its parts live in several
// files by role: building, start-up and window states, image slots, settings, geometry,
// drawing and page types.
class TForm1 : public QMainWindow {
    Q_OBJECT
  public:
    TForm1(Dialogs& dialogs, PrinterSystem& printers, QWidget* parent = nullptr);
    ~TForm1() override;

    // Runs a handler the way a user event does: an error ends it and shows the error box. What
    // it changed of the sheet becomes one step for Undo, named `step` ("Border Color"); typing
    // continues a burst that is one step until something else happens.
    void run(const std::function<void()>& handler, const QString& step = {},
             bool continuesBurst = false);
    void run(void (TForm1::*handler)(), const QString& step = {}, bool continuesBurst = false) {
        run(std::function<void()>([this, handler] { (this->*handler)(); }), step, continuesBurst);
    }

    WindowState state;
    // The sheet the window shows and changes.
    const SheetSession& session() const { return session_; }
    // Lets go of the pictures decoded so far, as at the start: for benches of a cold start.
    void forgetDecodedPictures() { session_.pictures().clear(); }

    // Start-up, window states and shutdown.
    void FormCreate();
    void FormActivate();
    void DisplayHint();
    void BuildSlotHints(int firstSlot, int lastSlot, const QString& word, int firstNumber);
    static QString LongSlotHint(const QString& numberText);
    void LockControls();
    void UnlockControls();
    void leaveAboutPage();
    void ContinueButtonClick();
    void ExitButtonClick();
    void ExitItemClick();
    void ExitAboutButtonClick();
    void PageControl2Change();
    bool FormCloseQuery();
    void FormClose();
    // The hint the application shows now: that of the widget, or of its nearest
    // enclosing widget that has one.
    void hintFromWidget(QWidget* widget);
    QString currentHint() const { return currentHint_; }
    bool closed() const { return closed_; }

    // Image slots.
    // givenFile, when there is one, is taken as the file dialog's answer, or when reloading as
    // the slot's file.
    Bitmap LoadSlotImage(int slot, const QString& givenFile = {});
    void c01ImageClick();
    void c02ImageClick();
    void c03ImageClick();
    void c04ImageClick();
    void c05ImageClick();
    void c06ImageClick();
    void c07ImageClick();
    void c08ImageClick();
    void c09ImageClick();
    void AImageClick() { c01ImageClick(); }
    void BImageClick() { c02ImageClick(); }
    void cImageClick() { c03ImageClick(); }
    void DImageClick() { c04ImageClick(); }
    void ImageClick(int slot, const QString& givenFile = {});
    void ImagePopupMenuPopup(int slot);
    void ShowTiletteItemClick();
    void DeleteImage(int slot);
    SlotPopupMenu& popupMenu(int slot) { return popupMenus_.at(static_cast<size_t>(slot)); }

    // Settings.
    void FontButtonClick();
    void TextSelectButtonClick();
    void SelectValueColorButtonClick();
    void SelectTextColorButtonClick();
    void SelectBorderColorButtonClick();
    void SelectBackgoundColorButtonClick();
    void ValueEditChange();
    void TextEditChange();
    void ValueRadioGroupClick();
    void EdgeRadioGroupClick();
    void BorderRadioGroupClick();
    void BlankCheckBoxClick();
    void PickColorRadioGroupClick();

    // Geometry.
    void RefreshPrinterMetrics();
    void NumberOfImagesWideRadioGroupClick();
    void SizeTilettesCheckBoxClick();
    void WidthUpDownClick();
    void HeightUpDownClick();
    void WidthEditExit();
    void HeightEditExit();
    void RatioCheckBoxClick();
    void RefreshTilettes();
    void PreviewTiletteButtonClick();
    // Tells the user something that is not worth a message box in the status bar; an empty
    // text brings back the maker's notice.
    void showStatus(const QString& text);

    // Decodes what the requests need, on other threads while the window goes on painting; the
    // status bar shows the pictures done, and nothing can change the sheet meanwhile.
    void decodePictures(const std::vector<PictureCache::Request>& requests);

    // Drawing.
    void DrawTilette(int slot);
    // The sheet's settings as the controls and dialogs hold them now.
    SheetDefinition sheetDefinition() const;
    // The session takes those settings: every operation that lays out, draws or records the
    // sheet starts with it.
    const SheetDefinition& takeDefinition();

    // Page types and the whole sheet.
    void TypeOfPageRadioGroupClick();
    bool PrintPreview();
    void PreviewButtonClick();
    // The composed sheet in a window of its own, composed first when the Preview page has none.
    void ViewSheetItemClick();
    SheetViewer* sheetViewer = nullptr; // made when first asked for

    // Setup files.
    void SaveAsItemClick();
    void OpenItemClick();
    void openSetupFile(const QString& path);
    void dropFiles(const QStringList& files, int slot);
    void showRecentSetups();
    void openFileNamedAtStart(const QString& path);

    // Image export: each handler serves three items and tells them apart by the sender.
    void SaveSheetImageBestItemClick(QAction* sender);
    void SaveSingleTiletteImageBestItemClick(QAction* sender);

    // Colouring a slot's picture, and picking colours from the tilette shown.
    void ColorImageItemClick();
    void TypeRadioGroupClick();
    void UseColoredImageButtonClick();
    void CancelColoringButtonClick();
    void Image2MouseDown(Qt::MouseButton button, int x, int y);

    // Printing.
    void PrintButtonClick();
    void PrintSheet();
    void PrinterSetupButtonClick();

    // Undo and Redo.
    void UndoItemClick();
    void RedoItemClick();
    void restoreSheet(const SheetState& sheet);
    void recordStep(const QString& step, bool continuesBurst);
    void showHistory();

    // Main menu.
    QMenu* FileMenu = nullptr;
    QMenu* EditMenu = nullptr;
    QAction* UndoItem = nullptr;
    QAction* RedoItem = nullptr;
    QAction* OpenItem = nullptr;
    QAction* SaveAsItem = nullptr;
    QMenu* RecentMenu = nullptr;
    QAction* PreviewSheetItem = nullptr;
    QAction* ViewSheetItem = nullptr;
    QAction* PrintPageItem = nullptr;
    QAction* SaveSheetImageBestItem = nullptr;
    QAction* SaveSingleTiletteImageBestItem = nullptr;
    QAction* SaveSheetImageGoodItem = nullptr;
    QAction* SaveSingleTiletteImageGoodItem = nullptr;
    QAction* SaveSheetImageforEmailItem = nullptr;
    QAction* SaveSingleTiletteImageforEmailItem = nullptr;
    QAction* ExitItem = nullptr;

    // Frame.
    QWidget* clientArea = nullptr;
    PageControl* PageControl2 = nullptr;
    PageControl* PageControl1 = nullptr;
    QPlainTextEdit* Memo2 = nullptr;
    QLabel* Label1 = nullptr;
    QFrame* StatusBar1 = nullptr;
    QLabel* makerPanel = nullptr;
    QLabel* versionPanel = nullptr;
    QProgressBar* DecodingProgressBar = nullptr;

    // Left pages.
    QWidget* PrintControlTabSheet = nullptr;
    QWidget* TabSheet4 = nullptr;
    QWidget* TextTabSheet = nullptr;
    QWidget* AdvancedTabSheet = nullptr;
    QWidget* TabSheet1 = nullptr;

    // Control page.
    RadioGroup* TypeOfPageRadioGroup = nullptr;
    QFrame* Panel1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* CopiesEdit = nullptr;
    UpDown* CopiesUpDown = nullptr;
    QPushButton* PreviewTiletteButton = nullptr;
    QPushButton* PrinterSetupButton = nullptr;
    QPushButton* PreviewButton = nullptr;
    QPushButton* PrintButton = nullptr;
    QPushButton* ExitButton = nullptr;

    // Text page.
    QGroupBox* ValueGroupBox = nullptr;
    QLineEdit* ValueEdit = nullptr;
    QPushButton* FontButton = nullptr;
    QPushButton* SelectValueColorButton = nullptr;
    RadioGroup* ValueRadioGroup = nullptr;
    QGroupBox* TextGroupBox = nullptr;
    QLineEdit* TextEdit = nullptr;
    QPushButton* TextSelectButton = nullptr;
    QPushButton* SelectTextColorButton = nullptr;
    RadioGroup* EdgeRadioGroup = nullptr;

    // Advanced page.
    QCheckBox* BlankCheckBox = nullptr;
    QGroupBox* TiletteSizeGroupBox = nullptr;
    QCheckBox* SizeTilettesCheckBox = nullptr;
    QLabel* WidthLabel = nullptr;
    QLabel* HeightLabel = nullptr;
    QLineEdit* WidthEdit = nullptr;
    QLineEdit* HeightEdit = nullptr;
    UpDown* WidthUpDown = nullptr;
    UpDown* HeightUpDown = nullptr;
    QCheckBox* RatioCheckBox = nullptr;
    RadioGroup* PickColorRadioGroup = nullptr;

    // Right pages.
    QWidget* StandardTabSheet = nullptr;
    QWidget* Images01to15TabSheet = nullptr;
    QWidget* PreviewTabSheet = nullptr;
    QWidget* AboutTabSheet = nullptr;
    QWidget* HiddenImagesTabSheet = nullptr;
    QWidget* ColorImageTabSheet = nullptr;

    // Basic page.
    QGroupBox* GroupBox1 = nullptr;
    ImageBox* AImage = nullptr;
    ImageBox* BImage = nullptr;
    ImageBox* cImage = nullptr;
    ImageBox* DImage = nullptr;
    RadioGroup* NumberOfImagesWideRadioGroup = nullptr;
    QLabel* DownLabel = nullptr;
    RadioGroup* BorderRadioGroup = nullptr;
    QGroupBox* SelectColorsGroupBox = nullptr;
    QPushButton* SelectBorderColorButton = nullptr;
    QPushButton* SelectBackgoundColorButton = nullptr;
    ImageBox* Image2 = nullptr;
    QLabel* TiletteSizeLabel = nullptr;
    QLabel* Label3 = nullptr;

    // Images page: c00Image .. c10Image by slot number.
    QGroupBox* ImagesGroupBox = nullptr;
    std::array<ImageBox*, 11> slotImages{};

    // Preview, About, hidden and colouring pages.
    ImageBox* PreviewImage = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    ImageBox* AboutSampleImage = nullptr;
    QPushButton* ContinueButton = nullptr;
    QPushButton* ExitAboutButton = nullptr;
    ImageBox* Image3 = nullptr;
    ImageBox* Image1 = nullptr;
    RadioGroup* TypeRadioGroup = nullptr;
    ImageBox* ColorBitMapImage = nullptr;
    QPushButton* UseColoredImageButton = nullptr;
    QPushButton* CancelColoringButton = nullptr;

    // Dialogs and their presets.
    ColorDialogPreset BorderColorDialog{colours::red};
    ColorDialogPreset BackgroundColorDialog{colours::cream};
    ColorDialogPreset ValueColorDialog{colours::black};
    ColorDialogPreset TextColorDialog{colours::red};
    ColorDialogPreset ColorDialog{colours::black};
    FontDialogPreset ValueFontDialog;
    FontDialogPreset TextFontDialog;
    FileDialogRequest OpenPictureDialog1;
    FileDialogRequest PrintToPdfDialog;
    FileDialogRequest SaveDialog;
    FileDialogRequest ImageSavePictureDialog;
    FileDialogRequest OpenDialog;

    // The thumbnail of a user slot on the Basic page (slots 1 to 4), else nullptr.
    ImageBox* basicThumbnail(int slot) const;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void buildWindow();
    void buildFrame();
    void buildMenu();
    void buildControlPage();
    void buildTextPage();
    void buildAdvancedPage();
    void buildBasicPage();
    void buildImagesPage();
    void buildPreviewAndAboutPages();
    void buildHiddenAndColorPages();
    void buildPopupMenus();
    void buildDialogPresets();
    void fitLabelsToTheirText();
    void connectHandlers();
    void acceptDroppedFiles();
    void keepSizeInUse();
    void takeTypedSize(QLineEdit* edit, UpDown* arrows, const QString& what);
    void computeTiletteSize();
    void resizeTilettes();
    void takeSizeChoice();
    void showPageType();
    void recolour();
    void previewSheet();
    std::optional<QString> askForPdfFile();
    QString chosenPictureOf(int slot) const;
    void exportPicture(ExportKind kind, const std::function<const Bitmap*()>& make);
    void leaveColouring();
    void applySetup(const SetupRecord& given, const QString& setupFolder, QStringList& notes);
    void applySetupPictures(const SetupRecord& record, const QString& setupFolder,
                            QStringList& notes);
    void applySetupPrinter(const SetupRecord& record, QStringList& notes);
    std::optional<SlotTilette> renderSlot(int slot);
    void showDrawnTilette(int slot, const SlotTilette& drawn);
    void hideSheetPreview();
    void clearSampleArea();
    void showSlotPlaceholder(int slot);
    // The lowest user slot with a picture, or without one; 0 when there is none.
    int lowestSlot(bool withPicture) const;
    void setLockableControlsEnabled(bool enabled);
    void setMenusEnabled(bool enabled);
    void setSheetItemsEnabled(bool enabled);
    static void stretchIntoThumbnail(ImageBox* thumbnail, const Bitmap& picture);
    void showSlotThumbnail(int slot, const Bitmap& picture);
    void applyFontToEdit(QLineEdit* edit, const FontChoice& font);
    void chooseTextFont(FontDialogPreset& fontDialog, ColorDialogPreset& colorDialog,
                        QLineEdit* edit);
    void chooseTextColour(FontDialogPreset& fontDialog, ColorDialogPreset& colorDialog,
                          QLineEdit* edit);

    Dialogs& dialogs_;
    PrinterSystem& printers_;
    SheetSession session_;
    std::array<SlotPopupMenu, 10> popupMenus_{};
    QString currentHint_;
    bool activated_ = false;
    bool closed_ = false;
    bool closing_ = false;
    int lockDepth_ = 0; // how many operations hold the window locked
    int runDepth_ = 0;  // how many handlers are running, one inside another
    bool restoringSheet_ = false;
    bool decoding_ = false;
    bool closeWhenDecoded_ = false;
};
