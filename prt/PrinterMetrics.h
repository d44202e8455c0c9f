#pragma once

#include <QString>

class PrinterSystem;

// The selected printer's measurements, in its device pixels unless the name says otherwise.
// All zero (and an empty name) until the first refresh.
struct PrinterMetrics {
    QString PrinterName;
    int PageWidth = 0;  // printable width
    int PageHeight = 0; // printable height
    int PixelsPerInchX = 0;
    int PixelsPerInchY = 0;
    int PhysicalWidth = 0; // whole sheet
    int PhysicalHeight = 0;
    int PhysicalOffsetX = 0; // unprintable left margin
    int PhysicalOffsetY = 0; // unprintable top margin
    int NumColors = 0;
    int RightMargin = 0;
    int BottomMargin = 0;
    int MarginImbalanceX = 0;
    int MarginImbalanceY = 0;
    int PageCentreX = 0; // centre of the physical sheet, in printable-area coordinates
    int PageCentreY = 0;
    int LeftMarginMils = 0; // thousandths of an inch
    int RightMarginMils = 0;
    int TopMarginMils = 0;
    int BottomMarginMils = 0;
    bool operator==(const PrinterMetrics&) const = default;
};

// Reads the selected printer again. A printer that reports no resolution gives zero margins
// in thousandths instead of dividing by zero.
PrinterMetrics RefreshPrinterMetrics(const PrinterSystem& printers);

// The printable area in tilette units (1/200 inch); 0 when the resolution is unknown.
int printableWidthUnits(const PrinterMetrics& metrics);
int printableHeightUnits(const PrinterMetrics& metrics);
