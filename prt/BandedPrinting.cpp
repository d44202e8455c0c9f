#include "prt/BandedPrinting.h"

#include "platform/TiletteUnits.h"

#include <algorithm>

int printedTop(int bitmapHeight, int pixelsPerInchY, int pageHeight) {
    const int printedHeight = (bitmapHeight / 2) * pixelsPerInchY / 100;
    return (pageHeight - printedHeight) / 2;
}

std::vector<PrintBand> bandRectangles(int bitmapWidth, int bitmapHeight, int pixelsPerInchX,
                                      int pixelsPerInchY, int pageHeight) {
    std::vector<PrintBand> bands;
    if (bitmapWidth <= 0 || bitmapHeight <= 0 || pixelsPerInchX <= 0 || pixelsPerInchY <= 0)
        return bands;
    const int printedWidth = (bitmapWidth / 2) * pixelsPerInchX / 100;
    const int top = printedTop(bitmapHeight, pixelsPerInchY, pageHeight);
    // Device row of a sheet row: products before the division, in 64 bits for tall sheets.
    const auto deviceRow = [&](int row) {
        return top +
               static_cast<int>(static_cast<long long>(row) * pixelsPerInchY / tiletteUnitsPerInch);
    };
    for (int first = 0; first < bitmapHeight; first += bandRows) {
        const int last = std::min(first + bandRows, bitmapHeight);
        bands.push_back(
            {{0, first, bitmapWidth, last}, {0, deviceRow(first), printedWidth, deviceRow(last)}});
    }
    return bands;
}

void PrintBitmapStretched(Canvas& page, const Rect& destination, const Bitmap& bitmap) {
    page.stretchDraw(destination, bitmap);
}

void PrintBitmapBanded(Canvas& page, const Bitmap& bitmap, int pixelsPerInchX, int pixelsPerInchY,
                       int pageHeight) {
    for (const PrintBand& band : bandRectangles(bitmap.width(), bitmap.height(), pixelsPerInchX,
                                                pixelsPerInchY, pageHeight)) {
        const Rect& rows = band.source;
        const Bitmap strip(bitmap.image().copy(rows.left, rows.top, rows.width(), rows.height()));
        PrintBitmapStretched(page, band.destination, strip);
    }
}
