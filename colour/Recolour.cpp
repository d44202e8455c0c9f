#include "colour/Recolour.h"

#include <algorithm>
#include <cstdint>

namespace {
// What each of the 256 halftone colours becomes in the result.
using HalftoneMap = std::array<std::uint8_t, paletteSize>;

int squaredDistance(Colour a, Colour b) {
    const int red = redOf(a) - redOf(b);
    const int green = greenOf(a) - greenOf(b);
    const int blue = blueOf(a) - blueOf(b);
    return red * red + green * green + blue * blue;
}

// An 8-bit bitmap has room for 256 colours; entries beyond that never appear in it.
Palette usableEntries(const Palette& palette) {
    return Palette(palette.begin(),
                   palette.begin() + std::min<std::size_t>(palette.size(), paletteSize));
}

HalftoneMap halftoneToScheme(const Palette& scheme) {
    const Palette halftone = halftonePalette();
    HalftoneMap map{};
    for (int i = 0; i < paletteSize; ++i)
        map[i] = static_cast<std::uint8_t>(
            scheme.empty() ? i : nearestPaletteIndex(scheme, halftone[i]));
    return map;
}

int schemeIndexOf(QRgb pixel, const HalftoneMap& map) {
    return map[HalftoneMatcher::instance().indexOf(qRed(pixel), qGreen(pixel), qBlue(pixel))];
}

void recolourTrueColour(const QImage& source, QImage& target, const HalftoneMap& map) {
    const HalftoneMatcher& matcher = HalftoneMatcher::instance();
    for (int y = 0; y < source.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        std::uint8_t* out = target.scanLine(y);
        for (int x = 0; x < source.width(); ++x) {
            const QRgb pixel = in[x];
            out[x] = map[matcher.indexOf(qRed(pixel), qGreen(pixel), qBlue(pixel))];
        }
    }
}

// An 8-bit picture has at most 256 colours, so they are matched once and each pixel only
// looked up. An index the picture's own table does not cover counts as black.
void recolourIndexed(const QImage& source, QImage& target, const HalftoneMap& map) {
    const QList<QRgb> table = source.colorTable();
    std::array<std::uint8_t, paletteSize> entryMap{};
    for (int i = 0; i < paletteSize; ++i)
        entryMap[i] = static_cast<std::uint8_t>(
            schemeIndexOf(i < table.size() ? table[i] : qRgb(0, 0, 0), map));
    for (int y = 0; y < source.height(); ++y) {
        const std::uint8_t* in = source.constScanLine(y);
        std::uint8_t* out = target.scanLine(y);
        for (int x = 0; x < source.width(); ++x)
            out[x] = entryMap[in[x]];
    }
}
} // namespace

int nearestPaletteIndex(const Palette& palette, Colour c) {
    int best = -1;
    int bestDistance = 0;
    for (int i = 0; i < static_cast<int>(palette.size()); ++i) {
        const int distance = squaredDistance(palette[i], c);
        if (best < 0 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

Bitmap ApplyColorScheme(const Bitmap& picture, const Palette& schemePalette) {
    if (picture.isEmpty())
        return {};
    const Palette scheme = usableEntries(schemePalette);
    const HalftoneMap map = halftoneToScheme(scheme);
    Bitmap result = Bitmap::indexed(picture.width(), picture.height(),
                                    scheme.empty() ? halftonePalette() : scheme);
    const QImage& source = picture.image();
    if (picture.isIndexed())
        recolourIndexed(source, result.image(), map);
    else if (source.format() == QImage::Format_RGB32 || source.format() == QImage::Format_ARGB32)
        recolourTrueColour(source, result.image(), map);
    else
        recolourTrueColour(source.convertToFormat(QImage::Format_RGB32), result.image(), map);
    return result;
}
