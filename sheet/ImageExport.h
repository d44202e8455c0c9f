#pragma once

#include "platform/Bitmap.h"

#include "platform/TiletteUnits.h"

#include <QString>
#include <QStringList>
#include <optional>

// The six ways of saving a picture from the File menu: the whole sheet or the tilette shown,
// each as a full-size bitmap file, a full-size JPEG, or a small JPEG to send by e-mail.
enum class ExportKind {
    SheetBest,
    SheetGood,
    SheetForEmail,
    TiletteBest,
    TiletteGood,
    TiletteForEmail,
};

enum class ExportFileFormat { WindowsBitmap, Jpeg, Png };

// What the save dialog says and offers for one kind, and what the user is told on a cancel.
struct ExportDialogTexts {
    QString title;
    QStringList filters;   // "Bitmaps (*.bmp)" style, the item's own format first
    QString defaultSuffix; // without the dot
    QString cancelMessage;
};

ExportDialogTexts exportDialogTexts(ExportKind kind);

// The format a name asks for by its extension (.bmp, .jpg, .jpeg, .png, in any case), if any.
std::optional<ExportFileFormat> fileFormatOfName(const QString& path);

// What is written under a name: the format its extension asks for, so that other programs read
// the file by its name; the item's own format for any other name.
ExportFileFormat exportFileFormat(ExportKind kind, const QString& path);

bool exportsSheet(ExportKind kind);

// Every JPEG export is written at the best quality; the e-mail files are smaller only by
// their pixel size.
constexpr int exportJpegQuality = 100;

// The picture as it is written. Best and Good keep the source, pixel format included. For
// e-mail the sheet goes to 75 pixels an inch (W × 75 div 200 by H × 75 div 200) and the tilette
// to 100 (W div 2 by H div 2), stretched into a new true-colour bitmap without smoothing.
Bitmap exportPicture(ExportKind kind, const Bitmap& source);

// The resolution of exportPicture's result: 200 pixels an inch, or the e-mail sizes' own.
int exportPixelsPerInch(ExportKind kind);

// Writes a picture as it is: a bitmap file, a JPEG at the export quality, or a PNG, recording
// its resolution. Throws UserError when the file cannot be written; an existing file is then
// left as it was.
void writePictureFile(const QString& path, ExportFileFormat format, const Bitmap& picture,
                      int pixelsPerInch = tiletteUnitsPerInch);

// Writes exportPicture(kind, source) to path in exportFileFormat(kind, path). Throws UserError
// when the file cannot be written; an existing file is then left as it was.
void writeExportFile(const QString& path, ExportKind kind, const Bitmap& source);
