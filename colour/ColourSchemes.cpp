#include "colour/ColourSchemes.h"

#include <array>
#include <stdexcept>

namespace {
struct ColourScheme {
    const char* item;
    PaletteBuilder builder;
    PaletteFactors factors;
};

constexpr std::array<ColourScheme, colourSchemeCount> schemes{{
    {"0 - Sepia", PaletteBuilder::tone, {107, 71, 59}},
    {"1 - Blue", PaletteBuilder::tint, {255, 255, 0}},
    {"2 - Green", PaletteBuilder::tint, {255, 0, 255}},
    {"3 - Aqua", PaletteBuilder::tint, {255, 0, 0}},
    {"4 - Red", PaletteBuilder::tint, {0, 255, 255}},
    {"5 - Violet", PaletteBuilder::tint, {0, 255, 0}},
    {"6 - Yellow", PaletteBuilder::tint, {0, 0, 255}},
    {"7 - Black and White", PaletteBuilder::blackWhite, {0, 0, 0}},
    {"8 - Gray Scale", PaletteBuilder::shade, {255, 255, 255}},
    {"9 - Yellow with Black", PaletteBuilder::shade, {255, 255, 0}},
    {"10 - Violet with Black", PaletteBuilder::shade, {255, 0, 255}},
    {"11 - Red with Black", PaletteBuilder::shade, {255, 0, 0}},
    {"12 - Aqua with Black", PaletteBuilder::shade, {0, 255, 255}},
    {"13 - Green with Black", PaletteBuilder::shade, {0, 255, 0}},
    {"14 - Blue with Black", PaletteBuilder::shade, {0, 0, 255}},
    {"15 - BlueTone", PaletteBuilder::tone, {20, 50, 60}},
    {"16-  Brown Tone", PaletteBuilder::tone, {127, 85, 63}},
    {"17 - Deep Blue Tone", PaletteBuilder::tone, {50, 20, 60}},
    {"18 - Red Tone", PaletteBuilder::tone, {120, 40, 50}},
    {"19 - Green Tone", PaletteBuilder::tone, {50, 98, 45}},
    // The colour comes from the dialog, so the table has no factors for it.
    {"20 - Select a color", PaletteBuilder::chosenTint, {0, 0, 0}},
}};

bool isScheme(int scheme) {
    return scheme >= 0 && scheme < colourSchemeCount;
}
} // namespace

QStringList colourSchemeItems() {
    QStringList items;
    for (const ColourScheme& scheme : schemes)
        items.push_back(QString::fromLatin1(scheme.item));
    return items;
}

PaletteBuilder schemeBuilder(int scheme) {
    if (!isScheme(scheme))
        throw std::out_of_range("no such colour scheme");
    return schemes[scheme].builder;
}

PaletteFactors schemeFactors(int scheme) {
    return isScheme(scheme) ? schemes[scheme].factors : PaletteFactors{};
}

PaletteFactors factorsOfChosenColour(Colour c) {
    return {redOf(c), greenOf(c), blueOf(c)};
}

Palette schemePalette(int scheme, PaletteFactors factors) {
    if (!isScheme(scheme))
        return {};
    switch (schemes[scheme].builder) {
    case PaletteBuilder::tint:
        return BuildTintPalette(factors);
    case PaletteBuilder::shade:
        return BuildShadePalette(factors);
    case PaletteBuilder::blackWhite:
        return BuildBlackWhitePalette();
    case PaletteBuilder::tone:
        return BuildTonePalette(factors);
    case PaletteBuilder::chosenTint:
        return BuildChosenTintPalette(factors);
    }
    return {};
}
