#pragma once

#include "platform/Bitmap.h"

#include <QWidget>

// A fixed-size picture with a canvas, as the thumbnails and the sample areas are.
// It keeps its own bitmap of its size; drawing into picture() and calling update() shows it.
class ImageBox : public QWidget {
    Q_OBJECT
  public:
    ImageBox(int width, int height, QWidget* parent);

    Bitmap& picture() { return picture_; }
    const Bitmap& picture() const { return picture_; }
    void setPicture(const Bitmap& picture);
    // Files dragged from a file manager may be dropped here.
    void acceptFileDrops() { setAcceptDrops(true); }

  signals:
    void clicked();
    void doubleClicked();
    void mousePressed(Qt::MouseButton button, int x, int y);
    void popupRequested(const QPoint& globalPosition);
    void filesDropped(const QStringList& paths);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    Bitmap picture_;
    bool leftPressed_ = false;
};
