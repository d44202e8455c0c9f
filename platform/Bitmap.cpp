#include "platform/Bitmap.h"

#include <QPainter>

namespace {
constexpr QImage::Format trueColourFormat = QImage::Format_RGB32;

QImage blankImage(int width, int height, Colour fill) {
    if (width <= 0 || height <= 0)
        return {};
    QImage image(width, height, trueColourFormat);
    if (image.isNull())
        throw std::bad_alloc();
    image.fill(toRgb(fill));
    return image;
}
} // namespace

Bitmap::Bitmap(int width, int height, Colour fill) : image_(blankImage(width, height, fill)) {}

Bitmap::Bitmap(QImage image) : image_(std::move(image)) {
    if (!image_.isNull() && image_.format() != trueColourFormat &&
        image_.format() != QImage::Format_Indexed8)
        image_ = image_.convertToFormat(trueColourFormat);
}

Bitmap Bitmap::indexed(int width, int height, const std::vector<Colour>& palette) {
    Bitmap bitmap;
    if (width <= 0 || height <= 0)
        return bitmap;
    bitmap.image_ = QImage(width, height, QImage::Format_Indexed8);
    if (bitmap.image_.isNull())
        throw std::bad_alloc();
    bitmap.setPalette(palette);
    bitmap.image_.fill(0);
    return bitmap;
}

void Bitmap::resize(int width, int height) {
    if (width == this->width() && height == this->height())
        return;
    QImage resized = blankImage(width, height, colours::white);
    if (!resized.isNull() && !isEmpty()) {
        QPainter painter(&resized);
        painter.drawImage(0, 0, image_);
    }
    image_ = std::move(resized);
}

Colour Bitmap::pixel(int x, int y) const {
    return fromRgb(image_.pixel(x, y));
}

void Bitmap::setPixel(int x, int y, Colour colour) {
    if (isIndexed())
        image_ = image_.convertToFormat(trueColourFormat);
    image_.setPixel(x, y, toRgb(colour));
}

std::vector<Colour> Bitmap::palette() const {
    std::vector<Colour> result;
    for (QRgb entry : image_.colorTable())
        result.push_back(fromRgb(entry));
    return result;
}

void Bitmap::setPalette(const std::vector<Colour>& palette) {
    QList<QRgb> table;
    for (Colour c : palette)
        table.push_back(toRgb(c));
    while (table.size() < 256)
        table.push_back(0xFF000000u);
    table.resize(256);
    image_.setColorTable(table);
}

int Bitmap::pixelIndex(int x, int y) const {
    return image_.pixelIndex(x, y);
}

void Bitmap::setPixelIndex(int x, int y, int index) {
    image_.setPixel(x, y, static_cast<uint>(index));
}

Bitmap Bitmap::toTrueColour() const {
    if (!isIndexed())
        return *this;
    return Bitmap(image_.convertToFormat(trueColourFormat));
}
