#include "app/controls/UpDown.h"

#include <QEvent>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>

UpDown::UpDown(int minimum, int maximum, int step, int position, QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)), minimum_(minimum),
      maximum_(maximum), step_(step), position_(minimum) {
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton* arrow : {up_, down_}) {
        arrow->setAutoRaise(false);
        arrow->setFocusPolicy(Qt::NoFocus);
    }
    connect(up_, &QToolButton::clicked, this, [this] { click(Button::Up); });
    connect(down_, &QToolButton::clicked, this, [this] { click(Button::Down); });
    setPosition(position);
}

void UpDown::setPosition(int position) {
    // Positions are 16-bit in the classic control; clamping to the range covers that.
    position_ = std::clamp(position, minimum_, maximum_);
    showInBuddy();
}

void UpDown::setBuddy(QLineEdit* edit) {
    buddy_ = edit;
    showInBuddy();
}

void UpDown::click(Button button) {
    if (!isEnabled())
        return;
    setPosition(position_ + (button == Button::Up ? step_ : -step_));
    emit clicked(button);
}

void UpDown::showInBuddy() {
    if (buddy_)
        buddy_->setText(QString::number(position_));
}

void UpDown::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}

void UpDown::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        up_->setEnabled(isEnabled());
        down_->setEnabled(isEnabled());
    }
}
