#include "app/SheetZoom.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace sheetzoom {
namespace {
// From a whole sheet on a small screen to the dots of its perforations.
constexpr std::array steps{0.05,    0.1,  1.0 / 8, 1.0 / 6, 0.25, 1.0 / 3, 0.5,
                           2.0 / 3, 0.75, 1.0,     1.5,     2.0,  3.0,     4.0};
// A fitting zoom a hair off a step counts as that step, so + from it moves on.
constexpr double sameStep = 1e-6;

int scaled(int length, double factor) {
    return std::max(1, static_cast<int>(std::lround(length * factor)));
}
} // namespace

double fitZoom(QSize sheet, QSize view, double devicePixelRatio) {
    if (sheet.isEmpty() || view.isEmpty())
        return actualSize;
    const double across = view.width() * devicePixelRatio / sheet.width();
    const double down = view.height() * devicePixelRatio / sheet.height();
    return std::clamp(std::min(across, down), steps.front(), steps.back());
}

double zoomedIn(double zoom) {
    const auto next = std::find_if(steps.begin(), steps.end(),
                                   [zoom](double step) { return step > zoom * (1 + sameStep); });
    return next == steps.end() ? steps.back() : *next;
}

double zoomedOut(double zoom) {
    const auto next = std::find_if(steps.rbegin(), steps.rend(),
                                   [zoom](double step) { return step < zoom * (1 - sameStep); });
    return next == steps.rend() ? steps.front() : *next;
}

QSize deviceSize(QSize sheet, double zoom) {
    return {scaled(sheet.width(), zoom), scaled(sheet.height(), zoom)};
}

QSize logicalSize(QSize sheet, double zoom, double devicePixelRatio) {
    const QSize device = deviceSize(sheet, zoom);
    // Rounded up: a logical pixel short would cut the last row of device pixels off.
    return {static_cast<int>(std::ceil(device.width() / devicePixelRatio - sameStep)),
            static_cast<int>(std::ceil(device.height() / devicePixelRatio - sameStep))};
}

int percent(double zoom) {
    return static_cast<int>(std::lround(zoom * 100));
}

} // namespace sheetzoom
