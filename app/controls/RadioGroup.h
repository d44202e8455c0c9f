#pragma once

#include <QGroupBox>
#include <QStringList>
#include <vector>

class QRadioButton;

// A titled group of radio buttons laid out in columns, with one chosen index (or -1).
// Changing the index, by the user or by code, emits changed() once; setting the same
// index again emits nothing.
class RadioGroup : public QGroupBox {
    Q_OBJECT
  public:
    RadioGroup(const QString& title, const QStringList& items, int columns, QWidget* parent);

    int itemIndex() const { return index_; }
    void setItemIndex(int index);
    int count() const { return static_cast<int>(buttons_.size()); }
    QRadioButton* button(int index) const { return buttons_.at(static_cast<size_t>(index)); }
    QString itemText(int index) const;

  signals:
    void changed();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void layoutButtons();

    std::vector<QRadioButton*> buttons_;
    int columns_;
    int index_ = -1;
};
