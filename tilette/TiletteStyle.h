#pragma once

#include "platform/Canvas.h"
#include "platform/Colour.h"

#include <QString>

enum class BorderType {
    None = 0,
    Box = 1,
    Stamp = 2,
    Perforations = 3,
    FilmVertical = 4,
    FilmHorizontal = 5
};

enum class ValueCorner { UpperLeft = 0, LowerLeft = 1, UpperRight = 2, LowerRight = 3 };
enum class CaptionEdge { Top = 0, Bottom = 1, Left = 2, Right = 3 };

// Everything about a tilette's look except its size and picture.
struct TiletteStyle {
    int border = static_cast<int>(BorderType::Stamp); // a BorderType
    Colour borderColour = colours::black;
    Colour backgroundColour = colours::white;
    bool blank = false; // draw without the picture
    QString valueText;
    CanvasFont valueFont{QStringLiteral("Times New Roman"), 35, colours::black};
    int valueCorner = static_cast<int>(ValueCorner::UpperRight); // a ValueCorner
    QString captionText;
    CanvasFont captionFont{QStringLiteral("Arial"), 16, colours::red};
    int captionEdge = static_cast<int>(CaptionEdge::Right); // a CaptionEdge
};
