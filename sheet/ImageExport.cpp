#include "sheet/ImageExport.h"

#include "platform/Canvas.h"
#include "platform/PictureFile.h"
#include "platform/TiletteUnits.h"

#include <QFileInfo>
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
    // Every item also offers PNG, which other programs take where they refuse bitmap files.
    const QString pngFilter = QStringLiteral("PNG Image File (*.png)");
    const QStringList bitmapFilters{QStringLiteral("Bitmaps (*.bmp)"), pngFilter};
    const QStringList jpegFilters{QStringLiteral("Jpg (*.jpg)"), pngFilter};
    const QString sheetCancel = QStringLiteral("Image not saved. No name entered for image.");
    const QString tiletteCancel = QStringLiteral("Image not saved.");
    switch (kind) {
    case ExportKind::SheetBest:
        return {QStringLiteral("File name to save sheet of tilettes, as a bitmap."), bitmapFilters,
                QStringLiteral("bmp"), sheetCancel};
    case ExportKind::SheetGood:
        return {QStringLiteral("File name to save sheet of tilettes, as a jpg."), jpegFilters,
                QStringLiteral("jpg"), sheetCancel};
    case ExportKind::SheetForEmail:
        return {QStringLiteral("File name to save sheet of tilettes, as a small jpg, to email"),
                jpegFilters, QStringLiteral("jpg"), sheetCancel};
    case ExportKind::TiletteBest:
        return {QStringLiteral("File name to save single tilette, as a bitmap."), bitmapFilters,
                QStringLiteral("bmp"), tiletteCancel};
    case ExportKind::TiletteGood:
        return {QStringLiteral("File name to save single tilette, as a jpg."), jpegFilters,
                QStringLiteral("jpg"), tiletteCancel};
    case ExportKind::TiletteForEmail:
        return {QStringLiteral("File name to save single tilette, as a small jpg, to email"),
                jpegFilters, QStringLiteral("jpg"), tiletteCancel};
    }
    return {};
}

std::optional<ExportFileFormat> fileFormatOfName(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("bmp"))
        return ExportFileFormat::WindowsBitmap;
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        return ExportFileFormat::Jpeg;
    if (suffix == QLatin1String("png"))
        return ExportFileFormat::Png;
    return std::nullopt;
}

ExportFileFormat exportFileFormat(ExportKind kind, const QString& path) {
    if (const std::optional<ExportFileFormat> named = fileFormatOfName(path))
        return *named;
    return kind == ExportKind::SheetBest || kind == ExportKind::TiletteBest
               ? ExportFileFormat::WindowsBitmap
               : ExportFileFormat::Jpeg;
}

bool exportsSheet(ExportKind kind) {
    return kind == ExportKind::SheetBest || kind == ExportKind::SheetGood ||
           kind == ExportKind::SheetForEmail;
}

int exportPixelsPerInch(ExportKind kind) {
    switch (kind) {
    case ExportKind::SheetForEmail:
        return sheetEmailPixelsPerInch;
    case ExportKind::TiletteForEmail:
        return tiletteEmailPixelsPerInch;
    default:
        return tiletteUnitsPerInch;
    }
}

Bitmap exportPicture(ExportKind kind, const Bitmap& source) {
    const int pixelsPerInch = exportPixelsPerInch(kind);
    if (pixelsPerInch == tiletteUnitsPerInch)
        return source;
    const int width = reducedSide(source.width(), pixelsPerInch);
    const int height = reducedSide(source.height(), pixelsPerInch);
    Bitmap reduced(width, height);
    Canvas(reduced).stretchDraw({0, 0, width, height}, source);
    return reduced;
}

void writePictureFile(const QString& path, ExportFileFormat format, const Bitmap& picture,
                      int pixelsPerInch) {
    switch (format) {
    case ExportFileFormat::WindowsBitmap:
        writeBitmapFile(path, picture, pixelsPerInch);
        return;
    case ExportFileFormat::Jpeg:
        writeJpegFile(path, picture, exportJpegQuality, pixelsPerInch);
        return;
    case ExportFileFormat::Png:
        writePngFile(path, picture, pixelsPerInch);
        return;
    }
}

void writeExportFile(const QString& path, ExportKind kind, const Bitmap& source) {
    writePictureFile(path, exportFileFormat(kind, path), exportPicture(kind, source),
                     exportPixelsPerInch(kind));
}
