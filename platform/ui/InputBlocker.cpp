#include "platform/ui/InputBlocker.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

namespace {
bool isInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        return true;
    default:
        return false;
    }
}
} // namespace

InputBlocker::InputBlocker(QWidget* window) : window_(window) {
    qApp->installEventFilter(this);
}

InputBlocker::~InputBlocker() {
    qApp->removeEventFilter(this);
}

bool InputBlocker::eventFilter(QObject* watched, QEvent* event) {
    // Input reaches the window's native window first, then the widget under it.
    auto* widget = qobject_cast<QWidget*>(watched);
    const bool inWindow = widget ? widget->window() == window_
                                 : watched == window_->windowHandle() && watched != nullptr;
    if (!inWindow)
        return false;
    // A shortcut runs unless the widget with the focus claims its key first.
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    return isInput(event->type());
}
