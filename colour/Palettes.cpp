#include "colour/Palettes.h"

#include <algorithm>
#include <cstdint>

namespace {
// Products and sums are taken in unsigned 32-bit arithmetic: its low 8 bits are those of the
// exact result whatever the factor, and nothing can overflow into undefined behaviour.
int lowByte(std::uint32_t value) {
    return static_cast<int>(value & 0xFFu);
}

int product(int index, int factor) {
    return lowByte(static_cast<std::uint32_t>(index) * static_cast<std::uint32_t>(factor));
}

int tint(int index, int factor) {
    return factor == 0 ? 255 : product(index, factor);
}

// The ramp step is a fraction in hundred-thousandths, multiplied before dividing.
// Taken in 64 bits, so that no offset can overflow.
int tone(int index, int stepPer100000, int offset) {
    const int ramp = index * stepPer100000 / 100000;
    return static_cast<int>(std::clamp<std::int64_t>(std::int64_t(ramp) + offset, 0, 255));
}

int towardsChosen(int index, int channel) {
    const int strength = 255 - std::clamp(channel, 0, 255);
    return 255 - strength * index / 255;
}

template <typename Entry> Palette buildPalette(Entry entry) {
    Palette palette(paletteSize);
    for (int i = 0; i < paletteSize; ++i)
        palette[i] = entry(i);
    return palette;
}
} // namespace

Palette BuildTintPalette(PaletteFactors f) {
    return buildPalette(
        [f](int i) { return makeColour(tint(i, f.red), tint(i, f.green), tint(i, f.blue)); });
}

Palette BuildShadePalette(PaletteFactors f) {
    return buildPalette([f](int i) {
        return makeColour(product(i, f.red), product(i, f.green), product(i, f.blue));
    });
}

Palette BuildBlackWhitePalette() {
    return buildPalette([](int i) { return i < 2 ? colours::black : colours::white; });
}

Palette BuildTonePalette(PaletteFactors f) {
    return buildPalette([f](int i) {
        if (i == paletteSize - 1)
            return makeColour(255, 255, 234);
        return makeColour(tone(i, 55078, f.red), tone(i, 70312, f.green), tone(i, 64844, f.blue));
    });
}

Palette BuildChosenTintPalette(PaletteFactors f) {
    return buildPalette([f](int i) {
        return makeColour(towardsChosen(i, f.red), towardsChosen(i, f.green),
                          towardsChosen(i, f.blue));
    });
}
