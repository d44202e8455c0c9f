#pragma once

#include "setup/SetupRecord.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QByteArray& bytes, std::ostream* out) {
    *out << '"' << bytes.toPercentEncoding(" \"/.,;:'~").toStdString() << '"';
}

// One sheet with every kind of value, and its file worked out line by line.
inline SheetDefinition sampleDefinition() {
    SheetDefinition definition;
    definition.numberAcrossIndex = 4;
    definition.border = BorderType::Perforations;
    definition.borderColour = colours::red;
    definition.backgroundColour = colours::cream;
    definition.pageType = PageType::Frame;
    definition.valueText = QStringLiteral("Aug 17, 2002");
    definition.valueFont = {QStringLiteral("Times New Roman"), 35, true, false, colours::black};
    definition.valueCorner = ValueCorner::LowerRight;
    definition.captionText = QStringLiteral(" Zoë — 東京 ");
    definition.captionFont = {QStringLiteral("Arial"), 16, true, true, colours::green};
    definition.captionEdge = CaptionEdge::Left;
    definition.blank = true;
    definition.copies = 3;
    definition.sizeOverride = false;
    definition.heightPosition = 175;
    definition.widthPosition = 50;
    definition.keepRatio = true;
    return definition;
}

inline SlotTable sampleTable() {
    SlotTable table;
    table[1].FileName = table[1].SaveName = QStringLiteral("/home/ann/my pictures/stamp one.jpg");
    table[3].FileName = QStringLiteral("/home/ann/~~3.bmp");
    table[3].SaveName = QStringLiteral("/home/ann/red rose.jpg");
    table[3].ColorScheme = 7;
    table[0].FileName = table[10].FileName = QStringLiteral("not a user slot");
    return table;
}

inline SetupRecord sampleRecord() {
    return setupRecordOf(sampleDefinition(), sampleTable(), 2, PageOrientation::Landscape);
}

inline QList<QByteArray> sampleLines() {
    return {"4 NumberWide", "3 BorderType", "255 BorderColor", "15793151 BackgroundColor",
            "5 SheetType", "\"Aug 17, 2002\" ValueText", "\"Times New Roman\" ValueFontName",
            "35 ValueFontSize", "0 ValueFontColor", "\"Bold \" ValueFontStyle", "3 ValuePlace",
            // " Zoë — 東京 " in UTF-8
            "\" Zo\xC3\xAB \xE2\x80\x94 \xE6\x9D\xB1\xE4\xBA\xAC \" TextText",
            "\"Arial\" TextFontName", "16 TextFontSize", "32768 TextFontColor",
            "\"BoldItalic \" TextFontStyle", "2 TextPlace",
            "\"/home/ann/my pictures/stamp one.jpg\" Tilette1", "\"\" Tilette2",
            "\"/home/ann/~~3.bmp\" Tilette3", "\"\" Tilette4", "\"\" Tilette5", "\"\" Tilette6",
            "\"\" Tilette7", "\"\" Tilette8", "\"\" Tilette9", "3 Copies", "2 Printer",
            "Landscape PrinterOrientation", "on BlankSheet", "off AdvancedSizeTilettes",
            "1.75 AdvancedHeight", "0.50 AdvancedWidth", "on AdvancedRatio",
            "\"/home/ann/my pictures/stamp one.jpg\" Tilette1Save", "\"\" Tilette2Save",
            "\"/home/ann/red rose.jpg\" Tilette3Save", "\"\" Tilette4Save", "\"\" Tilette5Save",
            "\"\" Tilette6Save", "\"\" Tilette7Save", "\"\" Tilette8Save", "\"\" Tilette9Save",
            "\"99\" Tilette1Color", "\"99\" Tilette2Color", "\"7\" Tilette3Color",
            "\"99\" Tilette4Color", "\"99\" Tilette5Color", "\"99\" Tilette6Color",
            "\"99\" Tilette7Color", "\"99\" Tilette8Color", "\"99\" Tilette9Color"};
}

inline QByteArray fileOf(const QList<QByteArray>& lines, const QByteArray& ending = "\r\n") {
    QByteArray file;
    for (const QByteArray& line : lines)
        file += line + ending;
    return file;
}

// The sample file with line number `line` (from 1) replaced.
inline QByteArray sampleWith(int line, const QByteArray& text) {
    QList<QByteArray> lines = sampleLines();
    lines[line - 1] = text;
    return fileOf(lines);
}
