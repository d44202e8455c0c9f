#pragma once

#include <QWidget>
#include <vector>

class QStackedWidget;
class QTabBar;

// Pages behind tabs, where each page's tab can be hidden on its own and no page at all may be
// active. Only a page whose tab is shown, or a page made active by code, is ever on top.
class PageControl : public QWidget {
    Q_OBJECT
  public:
    explicit PageControl(QWidget* parent);

    // Adds a page with its caption; the page widget is created here and returned.
    QWidget* addPage(const QString& caption, const QString& objectName);

    int pageCount() const { return static_cast<int>(pages_.size()); }
    QWidget* page(int index) const { return pages_.at(static_cast<size_t>(index)).widget; }

    bool tabVisible(QWidget* page) const;
    // Hiding the active page's tab moves to the next page with a shown tab, or to none.
    // Showing a tab while no page is active makes that page active.
    void setTabVisible(QWidget* page, bool visible);

    QWidget* activePage() const { return active_; }
    // Makes page active (nullptr: none). Does not run the change notification.
    void setActivePage(QWidget* page);

    QList<QWidget*> visibleTabPages() const;

  signals:
    // The user chose another page by its tab.
    void changed();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    struct Page {
        QWidget* widget;
        QString caption;
        bool tabVisible = true;
    };

    int indexOf(QWidget* page) const;
    void rebuildTabs();
    void showActive();

    std::vector<Page> pages_;
    QTabBar* tabs_;
    QWidget* frame_;
    QWidget* active_ = nullptr;
    bool rebuilding_ = false;
};
