#include "app/controls/ImageBox.h"

#include "app/controls/DroppedFiles.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>

ImageBox::ImageBox(int width, int height, QWidget* parent)
    : QWidget(parent), picture_(width, height, colours::white) {
    resize(width, height);
}

void ImageBox::setPicture(const Bitmap& picture) {
    picture_ = picture;
    update();
}

void ImageBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!picture_.isEmpty())
        painter.drawImage(0, 0, picture_.image());
}

void ImageBox::mousePressEvent(QMouseEvent* event) {
    leftPressed_ = event->button() == Qt::LeftButton;
    const QPoint at = event->position().toPoint();
    emit mousePressed(event->button(), at.x(), at.y());
}

void ImageBox::mouseReleaseEvent(QMouseEvent* event) {
    const bool wasPressed = leftPressed_;
    leftPressed_ = false;
    if (wasPressed && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint()))
        emit clicked();
}

// The second press of a double click is still a press, as every other one is.
void ImageBox::mouseDoubleClickEvent(QMouseEvent* event) {
    QWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}

void ImageBox::contextMenuEvent(QContextMenuEvent* event) {
    emit popupRequested(event->globalPos());
    event->accept();
}

void ImageBox::dragEnterEvent(QDragEnterEvent* event) {
    acceptFileDrag(event);
}

void ImageBox::dropEvent(QDropEvent* event) {
    if (const QStringList files = takeDroppedFiles(event); !files.isEmpty())
        emit filesDropped(files);
}
