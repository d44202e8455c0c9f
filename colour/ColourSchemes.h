#pragma once

#include "colour/Palettes.h"

#include <QStringList>

// The 21 colour schemes of the "Color Image" page, in the order of TypeRadioGroup. Scheme 20
// takes its colour from the colour dialog; a slot that uses its chosen picture records 99.
constexpr int colourSchemeCount = 21;
constexpr int selectColourScheme = 20;
constexpr int noColourScheme = 99;

enum class PaletteBuilder { tint, shade, blackWhite, tone, chosenTint };

// The radio items, texts exactly as the users have always seen them (spacing included).
QStringList colourSchemeItems();

// The builder of a scheme; scheme 20 tints towards the colour chosen.
// Throws std::out_of_range for an index outside 0..20.
PaletteBuilder schemeBuilder(int scheme);

// The fixed factors of a scheme. Scheme 20 has none of its own: it returns zeros, and the window
// passes the factors of the colour chosen to schemePalette. An index outside 0..20 also gives
// zeros.
PaletteFactors schemeFactors(int scheme);

// Scheme 20's factors from a colour 0x00BBGGRR: its red, green and blue, each where it belongs,
// so that red chosen gives a red tint.
PaletteFactors factorsOfChosenColour(Colour c);

// The scheme's palette, built by its builder from the given factors. An index outside 0..20 has
// no palette and gives an empty one, which leaves a recoloured picture in its halftone colours.
Palette schemePalette(int scheme, PaletteFactors factors);
