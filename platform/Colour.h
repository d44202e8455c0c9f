#pragma once

#include <QColor>
#include <cstdint>

// Colours travel through the whole program as 0x00BBGGRR: red in the low byte.
// Setup files store them in decimal in exactly this layout.
using Colour = std::uint32_t;

constexpr Colour makeColour(int red, int green, int blue) {
    return static_cast<Colour>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int redOf(Colour c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int greenOf(Colour c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int blueOf(Colour c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

inline QColor toQColor(Colour c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
}
inline Colour fromQColor(const QColor& c) {
    return makeColour(c.red(), c.green(), c.blue());
}
// QImage's RGB32 pixels are 0xffRRGGBB.
inline Colour fromRgb(unsigned int rgb) {
    return makeColour((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}
inline unsigned int toRgb(Colour c) {
    return 0xFF000000u | (static_cast<unsigned>(redOf(c)) << 16) |
           (static_cast<unsigned>(greenOf(c)) << 8) | static_cast<unsigned>(blueOf(c));
}

// A colour sample laid over white paper by its opacity, to the nearest step.
constexpr int overWhite(int value, int alpha) {
    return (value * alpha + 255 * (255 - alpha) + 127) / 255;
}

namespace colours {
constexpr Colour black = 0x000000;
constexpr Colour white = 0xFFFFFF;
constexpr Colour red = 0x0000FF;
constexpr Colour green = 0x008000;
constexpr Colour aqua = 0xFFFF00;
constexpr Colour cream = 0xF0FBFF;
constexpr Colour paleYellow = 0xE0FFFF;
} // namespace colours
