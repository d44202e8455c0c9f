// The window's life: construction, the handler guard, events and the help line.
#include "app/TForm1.h"

#include "app/Hint.h"
#include "app/controls/ImageBox.h"
#include "app/controls/PageControl.h"
#include "app/controls/RadioGroup.h"
#include "app/controls/UpDown.h"
#include "platform/UserError.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCursor>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <exception>

TForm1::TForm1(Dialogs& dialogs, PrinterSystem& printers, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), printers_(printers) {
    buildWindow();
    connectHandlers();
    acceptDroppedFiles();
    FormCreate();
}

TForm1::~TForm1() {
    if (qApp)
        qApp->removeEventFilter(this);
}

void TForm1::run(const std::function<void()>& handler, const QString& step, bool continuesBurst) {
    ++runDepth_;
    // What the handler changed before an error is still a change of the sheet.
    const auto record = qScopeGuard([&] {
        if (--runDepth_ == 0)
            recordStep(step, continuesBurst);
    });
    try {
        handler();
    } catch (const UserError& error) {
        dialogs_.error(error.message());
    } catch (const std::bad_alloc&) {
        dialogs_.error(QStringLiteral("Out of memory"));
    } catch (const std::exception& error) {
        // A fault of our own (an index out of range, say) must not reach Qt's event loop, which
        // would end the program and lose the sheet; the handler's guards have already undone its
        // locks, so the window goes on.
        dialogs_.error(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        dialogs_.error(QStringLiteral("Unexpected error"));
    }
}

void TForm1::connectHandlers() {
    // Each control that changes the sheet names the step it makes for Undo.
    auto onClick = [this](QPushButton* button, void (TForm1::*handler)(), QString step = {}) {
        connect(button, &QPushButton::clicked, this, [=, this] { run(handler, step); });
    };
    auto onChange = [this](RadioGroup* group, void (TForm1::*handler)(), QString step = {}) {
        connect(group, &RadioGroup::changed, this, [=, this] { run(handler, step); });
    };
    auto onToggle = [this](QCheckBox* box, void (TForm1::*handler)(), QString step) {
        connect(box, &QCheckBox::toggled, this, [=, this] { run(handler, step); });
    };
    auto onEdit = [this](QLineEdit* edit, void (TForm1::*handler)(), QString step) {
        connect(edit, &QLineEdit::textChanged, this, [=, this] { run(handler, step, true); });
        connect(edit, &QLineEdit::editingFinished, this, [this] { session_.endBurst(); });
    };
    // A shortcut reaches its item even while its menu is shut for an operation under way.
    auto onItem = [this](QAction* action, std::function<void()> handler, QString step = {}) {
        connect(action, &QAction::triggered, this, [=, this] {
            if (auto* menu = qobject_cast<QMenu*>(action->parent()); menu && !menu->isEnabled())
                return;
            run(handler, step);
        });
    };

    onClick(ContinueButton, &TForm1::ContinueButtonClick, QStringLiteral("Choose Picture"));
    onClick(ExitAboutButton, &TForm1::ExitAboutButtonClick);
    onClick(ExitButton, &TForm1::ExitButtonClick);
    onClick(PreviewTiletteButton, &TForm1::PreviewTiletteButtonClick);
    onClick(PreviewButton, &TForm1::PreviewButtonClick);
    onClick(PrintButton, &TForm1::PrintButtonClick);
    onClick(PrinterSetupButton, &TForm1::PrinterSetupButtonClick);
    onClick(FontButton, &TForm1::FontButtonClick, QStringLiteral("Value Font"));
    onClick(TextSelectButton, &TForm1::TextSelectButtonClick, QStringLiteral("Caption Font"));
    onClick(SelectValueColorButton, &TForm1::SelectValueColorButtonClick,
            QStringLiteral("Value Color"));
    onClick(SelectTextColorButton, &TForm1::SelectTextColorButtonClick,
            QStringLiteral("Caption Color"));
    onClick(SelectBorderColorButton, &TForm1::SelectBorderColorButtonClick,
            QStringLiteral("Border Color"));
    onClick(SelectBackgoundColorButton, &TForm1::SelectBackgoundColorButtonClick,
            QStringLiteral("Background Color"));
    onItem(ExitItem, [this] { ExitItemClick(); });
    onItem(PreviewSheetItem, [this] { PreviewButtonClick(); });
    onItem(ViewSheetItem, [this] { ViewSheetItemClick(); });
    connect(PreviewImage, &ImageBox::doubleClicked, this,
            [this] { run(&TForm1::ViewSheetItemClick); });
    onItem(PrintPageItem, [this] { PrintButtonClick(); });
    onItem(SaveAsItem, [this] { SaveAsItemClick(); });
    onItem(
        OpenItem, [this] { OpenItemClick(); }, QStringLiteral("Open Setup"));
    onItem(UndoItem, [this] { UndoItemClick(); });
    onItem(RedoItem, [this] { RedoItemClick(); });
    for (QAction* item :
         {SaveSheetImageBestItem, SaveSheetImageGoodItem, SaveSheetImageforEmailItem})
        onItem(item, [this, item] { SaveSheetImageBestItemClick(item); });
    for (QAction* item : {SaveSingleTiletteImageBestItem, SaveSingleTiletteImageGoodItem,
                          SaveSingleTiletteImageforEmailItem})
        onItem(item, [this, item] { SaveSingleTiletteImageBestItemClick(item); });

    onChange(TypeOfPageRadioGroup, &TForm1::TypeOfPageRadioGroupClick, QStringLiteral("Page Type"));
    onChange(NumberOfImagesWideRadioGroup, &TForm1::NumberOfImagesWideRadioGroupClick,
             QStringLiteral("Number Across"));
    onChange(BorderRadioGroup, &TForm1::BorderRadioGroupClick, QStringLiteral("Border"));
    onChange(ValueRadioGroup, &TForm1::ValueRadioGroupClick, QStringLiteral("Value Place"));
    onChange(EdgeRadioGroup, &TForm1::EdgeRadioGroupClick, QStringLiteral("Caption Edge"));
    onChange(PickColorRadioGroup, &TForm1::PickColorRadioGroupClick);
    onChange(TypeRadioGroup, &TForm1::TypeRadioGroupClick);
    onClick(UseColoredImageButton, &TForm1::UseColoredImageButtonClick,
            QStringLiteral("Use Colored Image"));
    onClick(CancelColoringButton, &TForm1::CancelColoringButtonClick);
    for (ImageBox* sample : {Image2, ColorBitMapImage})
        connect(sample, &ImageBox::mousePressed, this,
                [this](Qt::MouseButton button, int x, int y) {
                    run([this, button, x, y] { Image2MouseDown(button, x, y); },
                        QStringLiteral("Pick Color"));
                });
    onToggle(BlankCheckBox, &TForm1::BlankCheckBoxClick, QStringLiteral("Blank Sheet"));
    onToggle(SizeTilettesCheckBox, &TForm1::SizeTilettesCheckBoxClick,
             QStringLiteral("Size Tilettes"));
    onToggle(RatioCheckBox, &TForm1::RatioCheckBoxClick, QStringLiteral("Keep Ratio"));
    onEdit(ValueEdit, &TForm1::ValueEditChange, QStringLiteral("Value Text"));
    onEdit(TextEdit, &TForm1::TextEditChange, QStringLiteral("Caption Text"));
    connect(WidthUpDown, &UpDown::clicked, this,
            [this] { run(&TForm1::WidthUpDownClick, QStringLiteral("Tilette Width")); });
    connect(HeightUpDown, &UpDown::clicked, this,
            [this] { run(&TForm1::HeightUpDownClick, QStringLiteral("Tilette Height")); });
    connect(CopiesUpDown, &UpDown::clicked, this, [this] { run([] {}, QStringLiteral("Copies")); });
    connect(WidthEdit, &QLineEdit::editingFinished, this,
            [this] { run(&TForm1::WidthEditExit, QStringLiteral("Tilette Width")); });
    connect(HeightEdit, &QLineEdit::editingFinished, this,
            [this] { run(&TForm1::HeightEditExit, QStringLiteral("Tilette Height")); });
    connect(PageControl2, &PageControl::changed, this,
            [this] { run(&TForm1::PageControl2Change); });

    for (int slot = FirstUserSlot; slot <= LastUserSlot; ++slot) {
        const SlotPopupMenu& popup = popupMenu(slot);
        std::vector<ImageBox*> boxes{slotImages[static_cast<size_t>(slot)]};
        if (ImageBox* basic = basicThumbnail(slot))
            boxes.push_back(basic);
        for (ImageBox* box : boxes) {
            connect(box, &ImageBox::clicked, this, [this, slot] {
                run([this, slot] { ImageClick(slot); }, QStringLiteral("Choose Picture"));
            });
            connect(box, &ImageBox::popupRequested, this, [this, slot](const QPoint& at) {
                run([this, slot] { ImagePopupMenuPopup(slot); });
                popupMenu(slot).menu->popup(at);
            });
        }
        onItem(
            popup.openItem, [this, slot] { ImageClick(slot); }, QStringLiteral("Choose Picture"));
        onItem(popup.showItem, [this] { ShowTiletteItemClick(); });
        onItem(
            popup.deleteItem, [this, slot] { DeleteImage(slot); },
            QStringLiteral("Delete Picture"));
        if (popup.colorItem)
            onItem(popup.colorItem, [this] { ColorImageItemClick(); });
    }

    connect(RecentMenu, &QMenu::aboutToShow, this, &TForm1::showRecentSetups);
    connect(FileMenu, &QMenu::hovered, this, [this](QAction* action) {
        const QString hint = hintOf(action);
        if (hint != currentHint_) {
            currentHint_ = hint;
            DisplayHint();
        }
    });
    qApp->installEventFilter(this);
}

ImageBox* TForm1::basicThumbnail(int slot) const {
    switch (slot) {
    case 1:
        return AImage;
    case 2:
        return BImage;
    case 3:
        return cImage;
    case 4:
        return DImage;
    default:
        return nullptr;
    }
}

void TForm1::hintFromWidget(QWidget* widget) {
    QString hint;
    for (QObject* object = widget; object && hint.isEmpty(); object = object->parent()) {
        hint = hintOf(object);
        if (object == this)
            break;
    }
    if (hint == currentHint_)
        return;
    currentHint_ = hint;
    DisplayHint();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ToolTip:
        return true; // hints go to the help line, never to a pop-up
    case QEvent::Enter:
    case QEvent::Leave: {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this) {
            QWidget* under =
                event->type() == QEvent::Enter ? widget : QApplication::widgetAt(QCursor::pos());
            if (!under || under->window() == this)
                hintFromWidget(under);
        }
        break;
    }
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (activated_)
        return;
    activated_ = true;
    run(&TForm1::FormActivate);
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (closed_) {
        event->accept();
        return;
    }
    // Closing waits for the pictures being decoded; the questions come once they are.
    if (decoding_) {
        closeWhenDecoded_ = true;
        event->ignore();
        return;
    }
    // A second close request while the questions are open is refused.
    if (closing_) {
        event->ignore();
        return;
    }
    closing_ = true;
    bool mayClose = false;
    run([this, &mayClose] { mayClose = FormCloseQuery(); });
    closing_ = false;
    if (!mayClose) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}
