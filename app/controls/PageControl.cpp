#include "app/controls/PageControl.h"

#include <QFrame>
#include <QTabBar>

namespace {
constexpr int tabHeight = 20;
}

PageControl::PageControl(QWidget* parent)
    : QWidget(parent), tabs_(new QTabBar(this)), frame_(new QFrame(this)) {
    tabs_->setDrawBase(false);
    tabs_->setExpanding(false);
    tabs_->setUsesScrollButtons(false);
    tabs_->setFocusPolicy(Qt::NoFocus);
    static_cast<QFrame*>(frame_)->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    connect(tabs_, &QTabBar::currentChanged, this, [this](int tabIndex) {
        if (rebuilding_ || tabIndex < 0)
            return;
        QWidget* chosen = visibleTabPages().value(tabIndex);
        if (chosen && chosen != active_) {
            setActivePage(chosen);
            emit changed();
        }
    });
}

QWidget* PageControl::addPage(const QString& caption, const QString& objectName) {
    auto* widget = new QWidget(frame_);
    widget->setObjectName(objectName);
    widget->hide();
    pages_.push_back({widget, caption, true});
    rebuildTabs();
    if (!active_)
        setActivePage(widget);
    return widget;
}

int PageControl::indexOf(QWidget* page) const {
    for (size_t i = 0; i < pages_.size(); ++i)
        if (pages_[i].widget == page)
            return static_cast<int>(i);
    return -1;
}

bool PageControl::tabVisible(QWidget* page) const {
    const int index = indexOf(page);
    return index >= 0 && pages_[static_cast<size_t>(index)].tabVisible;
}

QList<QWidget*> PageControl::visibleTabPages() const {
    QList<QWidget*> result;
    for (const Page& page : pages_)
        if (page.tabVisible)
            result.push_back(page.widget);
    return result;
}

void PageControl::setTabVisible(QWidget* page, bool visible) {
    const int index = indexOf(page);
    if (index < 0 || pages_[static_cast<size_t>(index)].tabVisible == visible)
        return;
    pages_[static_cast<size_t>(index)].tabVisible = visible;
    if (!visible && active_ == page) {
        QWidget* next = nullptr;
        for (size_t step = 1; step < pages_.size() && !next; ++step) {
            const Page& candidate = pages_[(static_cast<size_t>(index) + step) % pages_.size()];
            if (candidate.tabVisible)
                next = candidate.widget;
        }
        active_ = next;
    } else if (visible && !active_) {
        active_ = page;
    }
    rebuildTabs();
    showActive();
}

void PageControl::setActivePage(QWidget* page) {
    if (page && indexOf(page) < 0)
        return;
    active_ = page;
    rebuildTabs();
    showActive();
}

void PageControl::rebuildTabs() {
    rebuilding_ = true;
    while (tabs_->count() > 0)
        tabs_->removeTab(0);
    int current = -1;
    for (const Page& page : pages_) {
        if (!page.tabVisible)
            continue;
        const int tab = tabs_->addTab(page.caption);
        if (page.widget == active_)
            current = tab;
    }
    // A page on top without a shown tab leaves no tab selected-looking beyond the first.
    if (current >= 0)
        tabs_->setCurrentIndex(current);
    tabs_->setVisible(tabs_->count() > 0);
    rebuilding_ = false;
}

void PageControl::showActive() {
    for (const Page& page : pages_)
        page.widget->setVisible(page.widget == active_);
    frame_->setVisible(active_ != nullptr);
}

void PageControl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    tabs_->setGeometry(0, 0, width(), tabHeight);
    frame_->setGeometry(0, tabHeight, width(), height() - tabHeight);
    for (const Page& page : pages_)
        page.widget->setGeometry(4, 4, width() - 8, height() - tabHeight - 8);
}
