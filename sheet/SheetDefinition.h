#pragma once

#include "platform/Colour.h"
#include "platform/Dialogs.h"
#include "sheet/PageType.h"
#include "tilette/TiletteStyle.h"

#include <QString>

// Every setting of one sheet as plain data: what the window's controls and dialogs hold, and
// what a setup file keeps. Start values are those of a new sheet.
struct SheetDefinition {
    int numberAcrossIndex = 2; // 0..6 for 3..9 across
    BorderType border = BorderType::Stamp;
    Colour borderColour = colours::black;
    Colour backgroundColour = colours::white;
    PageType pageType = PageType::OneImage;
    QString valueText;
    FontChoice valueFont{QStringLiteral("Times New Roman"), 35, true, false, colours::black};
    ValueCorner valueCorner = ValueCorner::UpperRight;
    QString captionText;
    FontChoice captionFont{QStringLiteral("Arial"), 16, true, false, colours::red};
    CaptionEdge captionEdge = CaptionEdge::Right;
    bool blank = false;
    int copies = 1;
    bool sizeOverride = false;
    int widthPosition = 175; // hundredths of an inch
    int heightPosition = 175;
    bool keepRatio = true;

    int numberAcross() const { return numberAcrossIndex + 3; }
    bool operator==(const SheetDefinition&) const = default;
};

// How the definition's tilettes look, apart from their size and picture.
TiletteStyle styleOf(const SheetDefinition& definition);
