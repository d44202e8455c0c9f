#include "platform/Canvas.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <atomic>
#include <cmath>
#include <numbers>

int pointsToPixels(int points) {
    const long long scaled = static_cast<long long>(points) * 96;
    const long long half = 36;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / 72 : (scaled - half) / 72);
}

QFont toQFont(const CanvasFont& font) {
    QFont qfont(font.face);
    qfont.setPixelSize(std::max(1, pointsToPixels(font.points)));
    qfont.setWeight(QFont::Normal);
    qfont.setItalic(false);
    return qfont;
}

namespace {
std::atomic<long> maskedCopies{0};

// Lines run through pixel centres so that a pen of width w on x covers the w pixels around x.
QPointF centreOf(int x, int y) {
    return QPointF(x + 0.5, y + 0.5);
}

double screenAngleDegrees(double dx, double dy) {
    return std::atan2(-dy, dx) * 180.0 / std::numbers::pi;
}
} // namespace

Canvas::Canvas(Bitmap& target) {
    if (target.isIndexed())
        target = target.toTrueColour();
    if (!target.isEmpty())
        painter_.begin(&target.image());
    applyPen();
}

Canvas::Canvas(QPaintDevice* device) {
    painter_.begin(device);
    applyPen();
}

void Canvas::applyPen() {
    if (!painter_.isActive())
        return;
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
    QPen pen(toQColor(penColour_));
    pen.setWidth(std::max(1, penWidth_));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
}

void Canvas::fillRect(const Rect& rect, Colour colour) {
    if (!painter_.isActive() || rect.width() <= 0 || rect.height() <= 0)
        return;
    painter_.fillRect(QRect(rect.left, rect.top, rect.width(), rect.height()), toQColor(colour));
}

void Canvas::setPen(int width, Colour colour) {
    penWidth_ = width;
    penColour_ = colour;
    applyPen();
}

void Canvas::moveTo(int x, int y) {
    position_ = {x, y};
}

void Canvas::lineTo(int x, int y) {
    if (painter_.isActive())
        painter_.drawLine(centreOf(position_.x, position_.y), centreOf(x, y));
    position_ = {x, y};
}

void Canvas::arc(const Rect& box, Point start, Point end) {
    if (!painter_.isActive())
        return;
    // The ellipse passes through the centres of the box's outer pixels.
    const QRectF ellipse(box.left + 0.5, box.top + 0.5, box.width() - 1.0, box.height() - 1.0);
    const double cx = (box.left + box.right) / 2.0;
    const double cy = (box.top + box.bottom) / 2.0;
    const double from = screenAngleDegrees(start.x - cx, start.y - cy);
    const double to = screenAngleDegrees(end.x - cx, end.y - cy);
    double span = std::fmod(to - from + 720.0, 360.0);
    if (span <= 0.0)
        span = 360.0;
    painter_.drawArc(ellipse, static_cast<int>(std::lround(from * 16)),
                     static_cast<int>(std::lround(span * 16)));
}

void Canvas::stretchDraw(const Rect& target, const Bitmap& source) {
    if (!painter_.isActive() || source.isEmpty() || target.width() <= 0 || target.height() <= 0)
        return;
    painter_.drawImage(QRect(target.left, target.top, target.width(), target.height()),
                       source.image());
}

void Canvas::draw(int x, int y, const Bitmap& source) {
    if (painter_.isActive() && !source.isEmpty())
        painter_.drawImage(x, y, source.image());
}

Stamp::Stamp(const Bitmap& source, Colour transparent) {
    if (source.isEmpty())
        return;
    image_ = source.image().convertToFormat(QImage::Format_ARGB32);
    ++maskedCopies;
    const QRgb key = toRgb(transparent) & 0x00FFFFFFu;
    for (int row = 0; row < image_.height(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(image_.scanLine(row));
        for (int column = 0; column < image_.width(); ++column)
            if ((line[column] & 0x00FFFFFFu) == key)
                line[column] = 0;
    }
}

void Canvas::drawTransparent(int x, int y, const Bitmap& source, Colour transparent) {
    if (painter_.isActive())
        drawStamp(x, y, Stamp(source, transparent));
}

void Canvas::drawStamp(int x, int y, const Stamp& stamp) {
    if (painter_.isActive() && !stamp.image().isNull())
        painter_.drawImage(x, y, stamp.image());
}

long Canvas::maskedCopiesMade() {
    return maskedCopies;
}

void Canvas::copyRect(const Rect& target, const Bitmap& source, const Rect& sourceRect) {
    if (!painter_.isActive() || source.isEmpty())
        return;
    painter_.drawImage(
        QRect(target.left, target.top, target.width(), target.height()), source.image(),
        QRect(sourceRect.left, sourceRect.top, sourceRect.width(), sourceRect.height()));
}

void Canvas::setFont(const CanvasFont& font) {
    font_ = font;
    if (painter_.isActive())
        painter_.setFont(toQFont(font));
}

int Canvas::textWidth(const QString& text) {
    const QFontMetrics metrics =
        painter_.isActive() ? painter_.fontMetrics() : QFontMetrics(toQFont(font_));
    return metrics.horizontalAdvance(text);
}

int Canvas::textHeight(const QString&) {
    const QFontMetrics metrics =
        painter_.isActive() ? painter_.fontMetrics() : QFontMetrics(toQFont(font_));
    return metrics.ascent() + metrics.descent();
}

void Canvas::textOut(int x, int y, const QString& text) {
    if (!painter_.isActive() || text.isEmpty())
        return;
    painter_.setPen(toQColor(font_.colour));
    painter_.drawText(QPoint(x, y + painter_.fontMetrics().ascent()), text);
    applyPen();
}
