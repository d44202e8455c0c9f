#pragma once

#include "colour/Palettes.h"

#include <QStringList>

// The 21 colour schemes of the "Color Image" page, in the order of TypeRadioGroup. Scheme 20
// takes its colour from the colour dialog; a slot that uses its chosen picture records 99.
constexpr int colourSchemeCount = 21;
constexpr int selectColourScheme = 20;
constexpr int noColourScheme = 99;

enum class PaletteBuilder { tint, shade, blackWhite, tone };

// The radio items, texts exactly as the users have always seen them (spacing included).
QStringList colourSchemeItems();

// The builder of a scheme; scheme 20 uses the tint builder with the chosen colour's factors.
// Throws std::out_of_range for an index outside 0..20.
PaletteBuilder schemeBuilder(int scheme);

// The fixed factors of a scheme. Scheme 20 has none of its own: it returns zeros, and the window
// passes the chosen colour's factors, or the ones it built last, to schemePalette. An index
// outside 0..20 also gives zeros.
PaletteFactors schemeFactors(int scheme);

// Scheme 20's factors from a colour 0x00BBGGRR. The bytes go in crosswise (the blue byte becomes
// the red factor, the red byte the blue one), so a chosen colour yields the tint of its opposite
// ordering: pure red gives factors (0, 0, 255), a yellow tint. Users' pictures depend on it.
PaletteFactors factorsOfChosenColour(Colour c);

// The scheme's palette, built by its builder from the given factors. An index outside 0..20 has
// no palette and gives an empty one, which leaves a recoloured picture in its halftone colours.
Palette schemePalette(int scheme, PaletteFactors factors);
