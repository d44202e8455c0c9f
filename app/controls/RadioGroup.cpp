#include "app/controls/RadioGroup.h"

#include <QRadioButton>

namespace {
// Room the group's frame and title take at the top, and the inner border.
constexpr int titleHeight = 14;
constexpr int border = 6;
} // namespace

RadioGroup::RadioGroup(const QString& title, const QStringList& items, int columns, QWidget* parent)
    : QGroupBox(title, parent), columns_(std::max(1, columns)) {
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        button->setAutoExclusive(false);
        connect(button, &QRadioButton::clicked, this, [this, i] { setItemIndex(i); });
        buttons_.push_back(button);
    }
    layoutButtons();
}

QString RadioGroup::itemText(int index) const {
    if (index < 0 || index >= count())
        return {};
    return button(index)->text();
}

void RadioGroup::setItemIndex(int index) {
    if (index < -1 || index >= count())
        index = -1;
    for (int i = 0; i < count(); ++i)
        button(i)->setChecked(i == index);
    if (index == index_)
        return;
    index_ = index;
    emit changed();
}

void RadioGroup::resizeEvent(QResizeEvent* event) {
    QGroupBox::resizeEvent(event);
    layoutButtons();
}

// Items fill the columns top to bottom, the way a classic radio group spreads them.
void RadioGroup::layoutButtons() {
    if (buttons_.empty())
        return;
    const int itemCount = count();
    const int rows = (itemCount + columns_ - 1) / columns_;
    const int innerWidth = width() - 2 * border;
    const int innerHeight = height() - titleHeight - border;
    const int columnWidth = innerWidth / columns_;
    const int rowHeight = std::max(1, innerHeight / rows);
    for (int i = 0; i < itemCount; ++i) {
        const int column = i / rows;
        const int row = i % rows;
        button(i)->setGeometry(border + column * columnWidth, titleHeight + row * rowHeight,
                               columnWidth - 2, std::min(rowHeight, 17));
    }
}
