#include "sheet/ImageExport.h"

#include "platform/Canvas.h"
#include "platform/PictureFile.h"
#include "platform/TiletteUnits.h"

#include <QtGlobal>

namespace {

// A sheet sent by e-mail is looked at on a screen; a single tilette is small enough to keep
// more of its detail.
constexpr int sheetEmailPixelsPerInch = 75;
constexpr int tiletteEmailPixelsPerInch = 100;

int reducedSide(int side, int pixelsPerInch) {
    return static_cast<int>(qint64(side) * pixelsPerInch / tiletteUnitsPerInch);
}

} // namespace

ExportDialogTexts exportDialogTexts(ExportKind kind) {
    const QString bitmapFilter = QStringLiteral("Bitmaps (*.bmp)");
    const QString jpegFilter = QStringLiteral("Jpg (*.jpg)");
    const QString sheetCancel = QStringLiteral("Image not saved. No name entered for image.");
    const QString tiletteCancel = QStringLiteral("Image not saved.");
    switch (kind) {
    case ExportKind::SheetBest:
        return {QStringLiteral("File name to save sheet of tilettes, as a bitmap."), bitmapFilter,
                QStringLiteral("bmp"), sheetCancel};
    case ExportKind::SheetGood:
        return {QStringLiteral("File name to save sheet of tilettes, as a jpg."), jpegFilter,
                QStringLiteral("jpg"), sheetCancel};
    case ExportKind::SheetForEmail:
        return {QStringLiteral("File name to save sheet of tilettes, as a small jpg, to email"),
                jpegFilter, QStringLiteral("jpg"), sheetCancel};
    case ExportKind::TiletteBest:
        return {QStringLiteral("File name to save single tilette, as a bitmap."), bitmapFilter,
                QStringLiteral("bmp"), tiletteCancel};
    case ExportKind::TiletteGood:
        return {QStringLiteral("File name to save single tilette, as a jpg."), jpegFilter,
                QStringLiteral("jpg"), tiletteCancel};
    case ExportKind::TiletteForEmail:
        return {QStringLiteral("File name to save single tilette, as a small jpg, to email"),
                jpegFilter, QStringLiteral("jpg"), tiletteCancel};
    }
    return {};
}

ExportFileFormat exportFileFormat(ExportKind kind) {
    return kind == ExportKind::SheetBest || kind == ExportKind::TiletteBest
               ? ExportFileFormat::WindowsBitmap
               : ExportFileFormat::Jpeg;
}

bool exportsSheet(ExportKind kind) {
    return kind == ExportKind::SheetBest || kind == ExportKind::SheetGood ||
           kind == ExportKind::SheetForEmail;
}

Bitmap exportPicture(ExportKind kind, const Bitmap& source) {
    if (kind != ExportKind::SheetForEmail && kind != ExportKind::TiletteForEmail)
        return source;
    const int pixelsPerInch =
        kind == ExportKind::SheetForEmail ? sheetEmailPixelsPerInch : tiletteEmailPixelsPerInch;
    const int width = reducedSide(source.width(), pixelsPerInch);
    const int height = reducedSide(source.height(), pixelsPerInch);
    Bitmap reduced(width, height);
    Canvas(reduced).stretchDraw({0, 0, width, height}, source);
    return reduced;
}

void writePictureFile(const QString& path, ExportFileFormat format, const Bitmap& picture) {
    switch (format) {
    case ExportFileFormat::WindowsBitmap:
        writeBitmapFile(path, picture);
        return;
    case ExportFileFormat::Jpeg:
        writeJpegFile(path, picture, exportJpegQuality);
        return;
    case ExportFileFormat::Png:
        writePngFile(path, picture);
        return;
    }
}

void writeExportFile(const QString& path, ExportKind kind, const Bitmap& source) {
    writePictureFile(path, exportFileFormat(kind), exportPicture(kind, source));
}
