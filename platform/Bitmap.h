#pragma once

#include "platform/Colour.h"

#include <QImage>
#include <vector>

// A raster picture: true colour, or 8 bits per pixel with a 256-entry palette.
// Copies are cheap (shared until written).
class Bitmap {
  public:
    Bitmap() = default;
    Bitmap(int width, int height, Colour fill = colours::white);
    explicit Bitmap(QImage image);

    static Bitmap indexed(int width, int height, const std::vector<Colour>& palette);

    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    bool isEmpty() const { return image_.isNull() || width() == 0 || height() == 0; }
    bool isIndexed() const { return image_.format() == QImage::Format_Indexed8; }

    // Resizing keeps the pixels that still fit at the top left; new pixels are white.
    void resize(int width, int height);

    Colour pixel(int x, int y) const;
    void setPixel(int x, int y, Colour colour);

    // 8-bit bitmaps only.
    std::vector<Colour> palette() const;
    void setPalette(const std::vector<Colour>& palette);
    int pixelIndex(int x, int y) const;
    void setPixelIndex(int x, int y, int index);

    // A true-colour copy (itself when already true colour).
    Bitmap toTrueColour() const;

    const QImage& image() const { return image_; }
    QImage& image() { return image_; }

  private:
    QImage image_;
};
