#pragma once

#include "platform/Bitmap.h"
#include "platform/Colour.h"
#include "platform/Geometry.h"

#include <QFont>
#include <QPainter>
#include <QString>

class QPaintDevice;

// A font as the program applies it to a canvas: only face, size and colour count.
struct CanvasFont {
    QString face = QStringLiteral("Arial");
    int points = 10;
    Colour colour = colours::black;
    bool operator==(const CanvasFont&) const = default;
};

// The character (em) height in pixels of a size in points on a 96 pixels-per-inch display,
// halves rounded away from zero.
int pointsToPixels(int points);
// The QFont for a canvas font, regular style.
QFont toQFont(const CanvasFont& font);

// A bitmap made ready to be drawn many times with only the pixels that are not its transparent
// colour: they are made see-through once, here, not at every drawing.
class Stamp {
  public:
    Stamp(const Bitmap& source, Colour transparent);
    const QImage& image() const { return image_; }

  private:
    QImage image_;
};

// Raster drawing with the program's rules: rectangles are exclusive at right and bottom,
// nothing is anti-aliased except text, stretching never smooths.
// A canvas lives only while it draws: create it, draw, let it go.
class Canvas {
  public:
    explicit Canvas(Bitmap& target);
    explicit Canvas(QPaintDevice* device);
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    void fillRect(const Rect& rect, Colour colour);

    void setPen(int width, Colour colour);
    void moveTo(int x, int y);
    void lineTo(int x, int y);
    // The part of the ellipse inscribed in box from the ray through start, counter-clockwise
    // as seen on screen, to the ray through end. Equal rays draw the whole ellipse.
    void arc(const Rect& box, Point start, Point end);

    // Plain stretching: every target pixel takes its nearest source pixel.
    void stretchDraw(const Rect& target, const Bitmap& source);
    void draw(int x, int y, const Bitmap& source);
    // Copies only the pixels of source that are not the transparent colour.
    void drawTransparent(int x, int y, const Bitmap& source, Colour transparent);
    void drawStamp(int x, int y, const Stamp& stamp);
    // How many stamps were made so far: a figure for tests and benches, since a stamp made again
    // for each of the two thousand dots of a sheet adds up.
    static long maskedCopiesMade();
    void copyRect(const Rect& target, const Bitmap& source, const Rect& sourceRect);

    void setFont(const CanvasFont& font);
    const CanvasFont& font() const { return font_; }
    int textWidth(const QString& text);
    // The height of the text cell: the font's ascent plus descent.
    int textHeight(const QString& text);
    // Draws with a clear brush, the top-left corner of the text cell at (x, y).
    void textOut(int x, int y, const QString& text);

    QPainter& painter() { return painter_; }

  private:
    void applyPen();

    QPainter painter_;
    int penWidth_ = 1;
    Colour penColour_ = colours::black;
    Point position_;
    CanvasFont font_;
};
