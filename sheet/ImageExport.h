#pragma once

#include "platform/Bitmap.h"

#include <QString>

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

// The window exports bitmap and JPEG files; the batch program also writes PNG.
enum class ExportFileFormat { WindowsBitmap, Jpeg, Png };

// What the save dialog says and offers for one kind, and what the user is told on a cancel.
struct ExportDialogTexts {
    QString title;
    QString filter;        // one entry, "Bitmaps (*.bmp)" style
    QString defaultSuffix; // without the dot
    QString cancelMessage;
};

ExportDialogTexts exportDialogTexts(ExportKind kind);

// The format depends on the kind alone: a "Good" export named "x.bmp" still holds JPEG data.
ExportFileFormat exportFileFormat(ExportKind kind);

bool exportsSheet(ExportKind kind);

// Every JPEG export is written at the best quality; the e-mail files are smaller only by
// their pixel size.
constexpr int exportJpegQuality = 100;

// The picture as it is written. Best and Good keep the source, pixel format included. For
// e-mail the sheet goes to 75 pixels an inch (W × 75 div 200 by H × 75 div 200) and the tilette
// to 100 (W div 2 by H div 2), stretched into a new true-colour bitmap without smoothing.
Bitmap exportPicture(ExportKind kind, const Bitmap& source);

// Writes a picture as it is: a bitmap file, a JPEG at the export quality, or a PNG. Throws
// UserError when the file cannot be written; an existing file is then left as it was.
void writePictureFile(const QString& path, ExportFileFormat format, const Bitmap& picture);

// Writes exportPicture(kind, source) to path in the kind's format, whatever the name's
// extension. Throws UserError when the file cannot be written; an existing file is then left
// as it was.
void writeExportFile(const QString& path, ExportKind kind, const Bitmap& source);
