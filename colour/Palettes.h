#pragma once

#include "platform/Colour.h"

#include <vector>

// A scheme's colours: 256 entries, each 0x00BBGGRR.
using Palette = std::vector<Colour>;
constexpr int paletteSize = 256;

// The three numbers a builder works from: multipliers for the tint and shade builders, offsets
// for the tone builder. They are plain 32-bit values; the builders keep only the low 8 bits of
// each result and never clamp, so large or negative factors wrap rather than saturate.
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
// mod 256, with entry 255 fixed at (255, 255, 234). Large offsets wrap the top of the ramp round
// to dark colours; that is how the tone schemes have always looked.
Palette BuildTonePalette(PaletteFactors f);
