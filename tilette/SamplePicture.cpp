#include "tilette/SamplePicture.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
struct Rgb {
    double red, green, blue;
};

Rgb mix(const Rgb& from, const Rgb& to, double amount) {
    amount = std::clamp(amount, 0.0, 1.0);
    return {from.red + (to.red - from.red) * amount, from.green + (to.green - from.green) * amount,
            from.blue + (to.blue - from.blue) * amount};
}

Colour toColour(const Rgb& c) {
    auto channel = [](double v) {
        return static_cast<int>(std::lround(std::clamp(v, 0.0, 255.0)));
    };
    return makeColour(channel(c.red), channel(c.green), channel(c.blue));
}

constexpr double size = samplePictureSize;
constexpr double pi = std::numbers::pi;

double backHillTop(double x) {
    return 190 + 22 * std::sin(x / size * 2 * pi + 0.6);
}
double frontHillTop(double x) {
    return 240 + 28 * std::sin(x / size * 1.4 * pi + 2.4);
}

Rgb sky(double x, double y) {
    Rgb colour = mix({70, 130, 215}, {200, 225, 245}, y / 200.0);
    // The sun sits high on the right with a warm glow around it.
    const double sunDistance = std::hypot(x - 262, y - 72);
    if (sunDistance < 30)
        return {255, 232, 110};
    return mix(colour, {255, 240, 190}, (70 - sunDistance) / 40.0 * 0.6);
}

bool inHouse(double x, double y, Rgb& colour) {
    const double left = 70, right = 140, wallTop = 200, ground = 250;
    const double roofPeak = 160;
    const double middle = (left + right) / 2;
    if (y >= roofPeak && y < wallTop && std::abs(x - middle) <= (y - roofPeak) * 1.1) {
        colour = {170, 50, 40};
        return true;
    }
    if (x < left || x >= right || y < wallTop || y >= ground)
        return false;
    if (x >= 98 && x < 114 && y >= 222)
        colour = {95, 60, 35}; // door
    else if (x >= 78 && x < 92 && y >= 210 && y < 224)
        colour = {250, 235, 150}; // lit window
    else
        colour = {235, 220, 190};
    return true;
}

bool inTree(double x, double y, Rgb& colour) {
    if (std::hypot(x - 240, y - 185) < 34) {
        const double shade = (y - 151) / 68.0;
        colour = mix({70, 150, 60}, {30, 95, 35}, shade);
        return true;
    }
    if (x >= 234 && x < 246 && y >= 205 && y < 258) {
        colour = {110, 75, 45};
        return true;
    }
    return false;
}

Colour colourAt(double x, double y) {
    Rgb colour{};
    if (inHouse(x, y, colour) || inTree(x, y, colour))
        return toColour(colour);
    if (y >= frontHillTop(x))
        return toColour(mix({110, 185, 70}, {60, 130, 45}, (y - frontHillTop(x)) / 110.0));
    if (y >= backHillTop(x))
        return toColour(mix({90, 150, 90}, {70, 125, 75}, (y - backHillTop(x)) / 80.0));
    return toColour(sky(x, y));
}

Bitmap paintSamplePicture() {
    Bitmap picture(samplePictureSize, samplePictureSize);
    for (int y = 0; y < samplePictureSize; ++y)
        for (int x = 0; x < samplePictureSize; ++x)
            picture.setPixel(x, y, colourAt(x + 0.5, y + 0.5));
    return picture;
}
} // namespace

const Bitmap& SamplePicture() {
    static const Bitmap picture = paintSamplePicture();
    return picture;
}
