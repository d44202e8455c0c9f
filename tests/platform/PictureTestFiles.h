#pragma once

#include <QByteArray>
#include <QRgb>

#include <cstdint>
#include <functional>
#include <vector>

// Hand-built picture files for the picture-file tests.

struct BmpLayout {
    int width = 0;
    int height = 0; // negative for a top-down file
    int bitCount = 24;
    std::uint32_t compression = 0;
    int headerSize = 40;              // 12, 40, 108 or 124
    std::vector<QRgb> palette;        // its length is written as the colours used
    std::vector<std::uint32_t> masks; // after a 40-byte header, inside a larger one
};

QByteArray bmpFile(const BmpLayout& layout, const std::vector<std::uint8_t>& pixels);

// A JPEG written by libjpeg itself from `components` samples per pixel in `space`.
using SampleSource = std::function<void(int x, int y, std::uint8_t* samples)>;
QByteArray libjpegFile(int width, int height, int space, int components, bool adobeMarker,
                       const SampleSource& samples, bool progressive = false);
