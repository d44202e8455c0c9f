#pragma once

#include <QObject>

class QWidget;

// While it lives, the mouse, the keyboard (shortcuts included) and drops reach nothing in the
// window: work under way inside one of its handlers can let the window paint without a click
// starting other work in the middle of it. Nothing is queued for later; a click meanwhile is
// lost, as on a disabled control.
class InputBlocker : public QObject {
  public:
    explicit InputBlocker(QWidget* window);
    ~InputBlocker() override;
    InputBlocker(const InputBlocker&) = delete;
    InputBlocker& operator=(const InputBlocker&) = delete;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* window_;
};
