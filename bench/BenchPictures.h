#pragma once

#include "platform/Bitmap.h"

#include <QImage>

// A photo-sized picture with detail everywhere, so that it encodes and decodes like a photo;
// tint makes each one different.
inline Bitmap photoLikePicture(int width, int height, int tint = 0) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = qRgb((x * 255 / width + tint * 40) & 0xFF, (y * 255) / height,
                           ((x ^ y) * (tint + 7)) & 0xFF);
    }
    return Bitmap(image);
}
