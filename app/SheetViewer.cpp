#include "app/SheetViewer.h"

#include "app/SheetZoom.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <cmath>

// The sheet drawn at one zoom. Reduced, it is scaled once with smoothing, since a sheet is
// mostly fine lines and text that plain sampling would break up; from 100 % up it is drawn
// pixel for pixel, each sheet pixel a crisp square, and only where the view needs it.
class SheetCanvas : public QWidget {
  public:
    using QWidget::QWidget;

    void setSheet(const QImage& sheet, double zoom) {
        const double ratio = devicePixelRatioF();
        zoom_ = zoom;
        if (zoom < sheetzoom::actualSize) {
            drawn_ = sheet.scaled(sheetzoom::deviceSize(sheet.size(), zoom), Qt::IgnoreAspectRatio,
                                  Qt::SmoothTransformation);
        } else {
            drawn_ = sheet;
        }
        drawn_.setDevicePixelRatio(ratio);
        setFixedSize(sheetzoom::logicalSize(sheet.size(), zoom, ratio));
        update();
    }

    // Keeps its size, so that the next sheet opens where the view was.
    void clear() {
        drawn_ = QImage();
        update();
    }

  protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        if (zoom_ <= sheetzoom::actualSize) {
            painter.drawImage(QPointF(0, 0), drawn_);
            return;
        }
        // Enlarged, only the sheet pixels under the area to paint are drawn, so that the
        // painter never meets the whole sheet at many times its size.
        const double scale = zoom_ / devicePixelRatioF(); // logical pixels a sheet pixel takes
        const QRect area = event->rect();
        const QRect source = QRect(QPoint(static_cast<int>(area.left() / scale),
                                          static_cast<int>(area.top() / scale)),
                                   QPoint(static_cast<int>((area.right() + 1) / scale),
                                          static_cast<int>((area.bottom() + 1) / scale)))
                                 .intersected(drawn_.rect());
        const QRectF target(source.left() * scale, source.top() * scale, source.width() * scale,
                            source.height() * scale);
        painter.drawImage(target, drawn_, source);
    }

  private:
    QImage drawn_;
    double zoom_ = sheetzoom::actualSize;
};

SheetViewer::SheetViewer(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("SheetViewer"));
    setWindowTitle(QStringLiteral("Sheet"));
    setWindowFlags(Qt::Window);

    fitButton = new QPushButton(QStringLiteral("&Fit"), this);
    fitButton->setObjectName(QStringLiteral("FitButton"));
    actualSizeButton = new QPushButton(QStringLiteral("&100 %"), this);
    actualSizeButton->setObjectName(QStringLiteral("ActualSizeButton"));
    // Enter in the viewer must not press a button.
    for (QPushButton* button : {fitButton, actualSizeButton})
        button->setAutoDefault(false);
    zoomLabel = new QLabel(this);
    zoomLabel->setObjectName(QStringLiteral("ZoomLabel"));
    connect(fitButton, &QPushButton::clicked, this, &SheetViewer::zoomToFit);
    connect(actualSizeButton, &QPushButton::clicked, this, &SheetViewer::zoomToActualSize);

    canvas_ = new SheetCanvas;
    scrollArea_ = new QScrollArea(this);
    scrollArea_->setObjectName(QStringLiteral("SheetScrollArea"));
    scrollArea_->setAlignment(Qt::AlignCenter);
    scrollArea_->setBackgroundRole(QPalette::Dark);
    scrollArea_->setWidget(canvas_);
    scrollArea_->viewport()->installEventFilter(this);
    outdatedLabel_ = new QLabel(
        QStringLiteral(
            "The sheet has changed since it was composed. Preview Sheet shows it again."),
        this);
    outdatedLabel_->setAlignment(Qt::AlignCenter);
    outdatedLabel_->setWordWrap(true);
    outdatedLabel_->hide();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(fitButton);
    buttons->addWidget(actualSizeButton);
    buttons->addWidget(zoomLabel);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(scrollArea_, 1);
    layout->addWidget(outdatedLabel_, 1);

    // A page upright at a size that leaves room on any screen.
    const QRect room = screen()->availableGeometry();
    resize(std::min(760, room.width() * 4 / 5), std::min(960, room.height() * 4 / 5));
}

QWidget* SheetViewer::canvas() const {
    return canvas_;
}

void SheetViewer::showSheet(const QImage& sheet) {
    sheet_ = sheet.convertToFormat(QImage::Format_RGB32);
    outdatedLabel_->hide();
    scrollArea_->show();
    fitButton->setEnabled(true);
    actualSizeButton->setEnabled(true);
    if (fitting_)
        refit();
    else
        setZoom(zoom_, scrollArea_->viewport()->rect().center());
}

// A sheet that no longer matches the tilettes is not shown as if it did.
void SheetViewer::showOutdated() {
    sheet_ = QImage();
    canvas_->clear();
    scrollArea_->hide();
    outdatedLabel_->show();
    fitButton->setEnabled(false);
    actualSizeButton->setEnabled(false);
    zoomLabel->clear();
}

void SheetViewer::zoomToFit() {
    fitting_ = true;
    refit();
}

void SheetViewer::zoomToActualSize() {
    fitting_ = false;
    setZoom(sheetzoom::actualSize, scrollArea_->viewport()->rect().center());
}

void SheetViewer::zoomIn() {
    fitting_ = false;
    setZoom(sheetzoom::zoomedIn(zoom_), scrollArea_->viewport()->rect().center());
}

void SheetViewer::zoomOut() {
    fitting_ = false;
    setZoom(sheetzoom::zoomedOut(zoom_), scrollArea_->viewport()->rect().center());
}

// Fitting leaves no scroll bars, so the whole view is the sheet's.
void SheetViewer::refit() {
    scrollArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrollArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const double zoom = sheetzoom::fitZoom(sheet_.size(), scrollArea_->viewport()->size(),
                                           scrollArea_->devicePixelRatioF());
    setZoom(zoom, scrollArea_->viewport()->rect().center());
}

void SheetViewer::setZoom(double zoom, QPointF anchor) {
    if (!fitting_) {
        scrollArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        scrollArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    }
    zoom_ = zoom;
    showZoom();
    if (sheet_.isNull())
        return;
    const QPointF onCanvas = canvas_->mapFrom(scrollArea_->viewport(), anchor);
    const double acrossShare = onCanvas.x() / std::max(1, canvas_->width());
    const double downShare = onCanvas.y() / std::max(1, canvas_->height());
    canvas_->setSheet(sheet_, zoom);
    scrollArea_->horizontalScrollBar()->setValue(
        static_cast<int>(std::lround(acrossShare * canvas_->width() - anchor.x())));
    scrollArea_->verticalScrollBar()->setValue(
        static_cast<int>(std::lround(downShare * canvas_->height() - anchor.y())));
}

void SheetViewer::showZoom() {
    zoomLabel->setText(QStringLiteral("%1 %").arg(sheetzoom::percent(zoom_)));
}

bool SheetViewer::eventFilter(QObject* watched, QEvent* event) {
    if (watched != scrollArea_->viewport())
        return QDialog::eventFilter(watched, event);
    // A fitted sheet follows the window's size.
    if (event->type() == QEvent::Resize && fitting_ && !sheet_.isNull())
        refit();
    if (event->type() == QEvent::Wheel) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            if (!sheet_.isNull() && wheel->angleDelta().y() != 0) {
                fitting_ = false;
                const double zoom = wheel->angleDelta().y() > 0 ? sheetzoom::zoomedIn(zoom_)
                                                                : sheetzoom::zoomedOut(zoom_);
                setZoom(zoom, wheel->position());
            }
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// + and - with or without Ctrl; "=" is + without Shift on many keyboards.
void SheetViewer::keyPressEvent(QKeyEvent* event) {
    if (!sheet_.isNull()) {
        switch (event->key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            zoomIn();
            return;
        case Qt::Key_Minus:
            zoomOut();
            return;
        default:
            break;
        }
    }
    QDialog::keyPressEvent(event);
}
