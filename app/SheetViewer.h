#pragma once

#include <QDialog>
#include <QImage>

class QLabel;
class QPushButton;
class QScrollArea;
class SheetCanvas;

// The composed sheet in a window of its own, from the whole sheet ("Fit") down to its single
// pixels ("100 %" and beyond), beside the small preview page that shows it reduced.
class SheetViewer : public QDialog {
    Q_OBJECT
  public:
    explicit SheetViewer(QWidget* parent);

    // A new sheet keeps the zoom chosen; an empty one clears the view with a word of why.
    void showSheet(const QImage& sheet);
    void showOutdated();

    void zoomToFit();
    void zoomToActualSize();
    void zoomIn();
    void zoomOut();

    double zoom() const { return zoom_; }
    bool fitting() const { return fitting_; }
    bool showsSheet() const { return !sheet_.isNull(); }
    QWidget* canvas() const;
    QScrollArea* scrollArea() const { return scrollArea_; }

    QPushButton* fitButton = nullptr;
    QPushButton* actualSizeButton = nullptr;
    QLabel* zoomLabel = nullptr;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // Zooms so that the sheet point under `anchor` (in view coordinates) stays there.
    void setZoom(double zoom, QPointF anchor);
    void refit();
    void showZoom();

    QImage sheet_;
    double zoom_ = 1.0;
    bool fitting_ = true;
    QScrollArea* scrollArea_ = nullptr;
    SheetCanvas* canvas_ = nullptr;
    QLabel* outdatedLabel_ = nullptr;
};
