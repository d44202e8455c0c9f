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
#include <exception>

TForm1::TForm1(Dialogs& dialogs, PrinterSystem& printers, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), printers_(printers) {
    buildWindow();
    connectHandlers();
    FormCreate();
}

TForm1::~TForm1() {
    if (qApp)
        qApp->removeEventFilter(this);
}

void TForm1::run(const std::function<void()>& handler) {
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
    auto onClick = [this](QPushButton* button, void (TForm1::*handler)()) {
        connect(button, &QPushButton::clicked, this, [this, handler] { run(handler); });
    };
    auto onChange = [this](RadioGroup* group, void (TForm1::*handler)()) {
        connect(group, &RadioGroup::changed, this, [this, handler] { run(handler); });
    };
    auto onToggle = [this](QCheckBox* box, void (TForm1::*handler)()) {
        connect(box, &QCheckBox::toggled, this, [this, handler] { run(handler); });
    };
    auto onEdit = [this](QLineEdit* edit, void (TForm1::*handler)()) {
        connect(edit, &QLineEdit::textChanged, this, [this, handler] { run(handler); });
    };
    auto onItem = [this](QAction* action, std::function<void()> handler) {
        connect(action, &QAction::triggered, this, [this, handler] { run(handler); });
    };

    onClick(ContinueButton, &TForm1::ContinueButtonClick);
    onClick(ExitAboutButton, &TForm1::ExitAboutButtonClick);
    onClick(ExitButton, &TForm1::ExitButtonClick);
    onClick(PreviewTiletteButton, &TForm1::PreviewTiletteButtonClick);
    onClick(PreviewButton, &TForm1::PreviewButtonClick);
    onClick(PrintButton, &TForm1::PrintButtonClick);
    onClick(PrinterSetupButton, &TForm1::PrinterSetupButtonClick);
    onClick(FontButton, &TForm1::FontButtonClick);
    onClick(TextSelectButton, &TForm1::TextSelectButtonClick);
    onClick(SelectValueColorButton, &TForm1::SelectValueColorButtonClick);
    onClick(SelectTextColorButton, &TForm1::SelectTextColorButtonClick);
    onClick(SelectBorderColorButton, &TForm1::SelectBorderColorButtonClick);
    onClick(SelectBackgoundColorButton, &TForm1::SelectBackgoundColorButtonClick);
    onItem(ExitItem, [this] { ExitItemClick(); });
    onItem(SaveAsItem, [this] { SaveAsItemClick(); });
    onItem(OpenItem, [this] { OpenItemClick(); });
    for (QAction* item :
         {SaveSheetImageBestItem, SaveSheetImageGoodItem, SaveSheetImageforEmailItem})
        onItem(item, [this, item] { SaveSheetImageBestItemClick(item); });
    for (QAction* item : {SaveSingleTiletteImageBestItem, SaveSingleTiletteImageGoodItem,
                          SaveSingleTiletteImageforEmailItem})
        onItem(item, [this, item] { SaveSingleTiletteImageBestItemClick(item); });

    onChange(TypeOfPageRadioGroup, &TForm1::TypeOfPageRadioGroupClick);
    onChange(NumberOfImagesWideRadioGroup, &TForm1::NumberOfImagesWideRadioGroupClick);
    onChange(BorderRadioGroup, &TForm1::BorderRadioGroupClick);
    onChange(ValueRadioGroup, &TForm1::ValueRadioGroupClick);
    onChange(EdgeRadioGroup, &TForm1::EdgeRadioGroupClick);
    onChange(PickColorRadioGroup, &TForm1::PickColorRadioGroupClick);
    onChange(TypeRadioGroup, &TForm1::TypeRadioGroupClick);
    onClick(UseColoredImageButton, &TForm1::UseColoredImageButtonClick);
    onClick(CancelColoringButton, &TForm1::CancelColoringButtonClick);
    for (ImageBox* sample : {Image2, ColorBitMapImage})
        connect(sample, &ImageBox::mousePressed, this,
                [this](Qt::MouseButton button, int x, int y) {
                    run([this, button, x, y] { Image2MouseDown(button, x, y); });
                });
    onToggle(BlankCheckBox, &TForm1::BlankCheckBoxClick);
    onToggle(SizeTilettesCheckBox, &TForm1::SizeTilettesCheckBoxClick);
    onToggle(RatioCheckBox, &TForm1::RatioCheckBoxClick);
    onEdit(ValueEdit, &TForm1::ValueEditChange);
    onEdit(TextEdit, &TForm1::TextEditChange);
    connect(WidthUpDown, &UpDown::clicked, this, [this] { run(&TForm1::WidthUpDownClick); });
    connect(HeightUpDown, &UpDown::clicked, this, [this] { run(&TForm1::HeightUpDownClick); });
    connect(WidthEdit, &QLineEdit::editingFinished, this, [this] { run(&TForm1::WidthEditExit); });
    connect(HeightEdit, &QLineEdit::editingFinished, this,
            [this] { run(&TForm1::HeightEditExit); });
    connect(PageControl2, &PageControl::changed, this,
            [this] { run(&TForm1::PageControl2Change); });

    for (int slot = FirstUserSlot; slot <= LastUserSlot; ++slot) {
        const SlotPopupMenu& popup = popupMenu(slot);
        std::vector<ImageBox*> boxes{slotImages[static_cast<size_t>(slot)]};
        if (ImageBox* basic = basicThumbnail(slot))
            boxes.push_back(basic);
        for (ImageBox* box : boxes) {
            connect(box, &ImageBox::clicked, this,
                    [this, slot] { run([this, slot] { ImageClick(slot); }); });
            connect(box, &ImageBox::popupRequested, this, [this, slot](const QPoint& at) {
                run([this, slot] { ImagePopupMenuPopup(slot); });
                popupMenu(slot).menu->popup(at);
            });
        }
        onItem(popup.openItem, [this, slot] { ImageClick(slot); });
        onItem(popup.showItem, [this] { ShowTiletteItemClick(); });
        onItem(popup.deleteItem, [this, slot] { DeleteImage(slot); });
        if (popup.colorItem)
            onItem(popup.colorItem, [this] { ColorImageItemClick(); });
    }

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
