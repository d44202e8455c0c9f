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

// A PNG written by libpng itself. Samples are given as the file holds them: per pixel the palette
// index, grey, grey and alpha, RGB or RGBA, each of up to bitDepth bits.
struct PngLayout {
    int width = 0;
    int height = 0;
    int colourType = 2; // PNG_COLOR_TYPE_RGB
    int bitDepth = 8;
    bool interlaced = false;
    std::vector<QRgb> palette;              // entries less than opaque go to the tRNS chunk
    std::vector<std::uint16_t> transparent; // the tRNS colour of a grey (1 value) or RGB file
};
using PngSampleSource = std::function<void(int x, int y, std::uint16_t* samples)>;
QByteArray libpngFile(const PngLayout& layout, const PngSampleSource& samples);

// Gives every chunk of a PNG the checksum of its content, so that a patched file is judged on
// what was patched rather than on its checksums.
QByteArray withFreshChecksums(QByteArray png);

// A TIFF written by libtiff itself, in strips or 16 x 16 tiles. Samples are given as the file
// holds them, samplesPerPixel of bitsPerSample bits each; a palette file's samples are indices.
// Each page after the first holds the samples inverted.
struct TiffLayout {
    int width = 0;
    int height = 0;
    int photometric = 2; // PHOTOMETRIC_RGB
    int samplesPerPixel = 3;
    int bitsPerSample = 8;
    bool unassociatedAlpha = false; // the last sample is alpha
    bool tiled = false;
    int orientation = 1;
    int pages = 1;
    std::vector<QRgb> palette = {};
};
QByteArray libtiffFile(const TiffLayout& layout, const PngSampleSource& samples);

// A GIF written by giflib itself with one colour table: its frames each cover the rectangle given
// (left, top, width, height) on a canvas of width x height, the second and later ones in the last
// colour. transparent is the colour table index made transparent, or -1.
struct GifLayout {
    int width = 0;
    int height = 0;
    std::vector<QRgb> colours = {}; // a power of two of them, 2 to 256
    int transparent = -1;
    bool interlaced = false;
    int frames = 1;
    int frame[4] = {0, 0, 0, 0}; // all zero: the whole canvas
};
QByteArray giflibFile(const GifLayout& layout, const std::function<int(int x, int y)>& index);

// Flat 8-pixel blocks of six colours, so that coding moves each colour little; the same blocks
// with alpha 255, 128 and 0 by turns across; and those laid over white.
QRgb colourBlocks(int x, int y);
QRgb seeThroughBlocks(int x, int y);
QRgb blocksOverWhite(int x, int y);

// A HEIC (or with avif, an AVIF) written losslessly by libheif's own encoder from the pixels
// given upright; those with alpha below 255 make a file with an alpha plane. The orientation
// (1 to 8, as EXIF numbers it) goes into HEIF's rotation and mirror boxes, the picture being
// stored as the camera would have taken it. Empty when libheif has no encoder for the format.
using PixelSource = std::function<QRgb(int x, int y)>;
QByteArray libheifFile(bool avif, int width, int height, const PixelSource& storedPixel,
                       bool withAlpha, int orientation = 1);

// A WebP written by libwebp's own encoder from the pixels given (lossy at quality 90, or
// lossless); with frames above 1, an animation whose later frames are the pixels inverted.
QByteArray libwebpFile(int width, int height, const PixelSource& pixel, bool lossless,
                       int frames = 1);
