#pragma once

#include "platform/Colour.h"

#include <vector>

// A scheme's colours: 256 entries, each 0x00BBGGRR.
using Palette = std::vector<Colour>;
constexpr int paletteSize = 256;

// The three numbers a builder works from: multipliers for the tint and shade builders, offsets
// for the tone builder, the chosen colour's channels for the chosen-colour tint. They are plain
// 32-bit values; the tint and shade builders keep only the low 8 bits of each result, so large or
// negative factors wrap there, while the tone and chosen-colour builders stay within 0..255.
struct PaletteFactors {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const PaletteFactors&) const = default;
};

// A channel with factor 0 stays at full strength (255); any other factor f gives (i * f) mod 256.
Palette BuildTintPalette(PaletteFactors f);

// Every channel is (i * f) mod 256, so a factor of 0 turns the channel off.
Palette BuildShadePalette(PaletteFactors f);

// Entries 0 and 1 black, all others white.
Palette BuildBlackWhitePalette();

// A warm ramp (i * 0.55078, i * 0.70312, i * 0.64844, in whole numbers) shifted by the factors,
// with entry 255 fixed at (255, 255, 234). A channel that the offset pushes past 255 stays at 255:
// wrapped round, the highlights of the brighter tones turned dark blue.
Palette BuildTonePalette(PaletteFactors f);

// From white at entry 0 to the colour (f.red, f.green, f.blue) at entry 255: each channel c is
// 255 - (255 - c) * i div 255. Channels outside 0..255 are taken as the nearest of the two.
Palette BuildChosenTintPalette(PaletteFactors f);
