#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

// A pair of arrow buttons stepping a whole-number position within a range.
// Setting the position from code never runs the click handler; a click moves the position
// by one step (staying in range) and then emits clicked().
class UpDown : public QWidget {
    Q_OBJECT
  public:
    enum class Button { Up, Down };

    UpDown(int minimum, int maximum, int step, int position, QWidget* parent);

    int position() const { return position_; }
    void setPosition(int position);
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    int step() const { return step_; }
    // A tied edit shows the position as its text whenever the position changes.
    void setBuddy(QLineEdit* edit);

    // What a click on one of the arrows does.
    void click(Button button);

  signals:
    void clicked(UpDown::Button button);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void showInBuddy();

    QToolButton* up_;
    QToolButton* down_;
    QLineEdit* buddy_ = nullptr;
    int minimum_;
    int maximum_;
    int step_;
    int position_;
};
