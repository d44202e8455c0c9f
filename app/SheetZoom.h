#pragma once

#include <QSize>

// How large the sheet viewer draws the composed sheet. A zoom is the number of device pixels
// per sheet pixel, so 1 is "100 %" on any screen: on a screen at twice the scale a sheet pixel
// still takes one device pixel, and half a logical one.
namespace sheetzoom {

inline constexpr double actualSize = 1.0;

// The zoom that shows the whole sheet in a view of `view` logical pixels.
double fitZoom(QSize sheet, QSize view, double devicePixelRatio);

// The next step up or down from any zoom (a fitting zoom lies between steps); the ends stay.
double zoomedIn(double zoom);
double zoomedOut(double zoom);

// The size of the drawn sheet: in device pixels, and in the logical pixels a widget takes.
QSize deviceSize(QSize sheet, double zoom);
QSize logicalSize(QSize sheet, double zoom, double devicePixelRatio);

int percent(double zoom);

} // namespace sheetzoom
