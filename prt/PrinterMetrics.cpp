#include "prt/PrinterMetrics.h"

#include "platform/PrinterSystem.h"
#include "platform/TiletteUnits.h"

namespace {
// value × scale div resolution, or 0 while the printer reports no resolution.
int perInch(int value, int scale, int resolution) {
    return resolution == 0 ? 0 : value * scale / resolution;
}
} // namespace

PrinterMetrics RefreshPrinterMetrics(const PrinterSystem& printers) {
    PrinterMetrics metrics;
    const QStringList names = printers.printerNames();
    const int selected = printers.selectedIndex();
    if (selected >= 0 && selected < names.size())
        metrics.PrinterName = names[selected];

    const DeviceCapabilities caps = printers.capabilities();
    metrics.PageWidth = caps.pageWidth;
    metrics.PageHeight = caps.pageHeight;
    metrics.PixelsPerInchX = caps.pixelsPerInchX;
    metrics.PixelsPerInchY = caps.pixelsPerInchY;
    metrics.PhysicalWidth = caps.physicalWidth;
    metrics.PhysicalHeight = caps.physicalHeight;
    metrics.PhysicalOffsetX = caps.physicalOffsetX;
    metrics.PhysicalOffsetY = caps.physicalOffsetY;
    metrics.NumColors = caps.numColors;

    metrics.RightMargin = metrics.PhysicalWidth - metrics.PageWidth - metrics.PhysicalOffsetX;
    metrics.BottomMargin = metrics.PhysicalHeight - metrics.PageHeight - metrics.PhysicalOffsetY;
    metrics.MarginImbalanceX = metrics.RightMargin - metrics.PhysicalOffsetX;
    metrics.MarginImbalanceY = metrics.BottomMargin - metrics.PhysicalOffsetY;
    metrics.PageCentreX = (metrics.PageWidth + metrics.MarginImbalanceX) / 2;
    metrics.PageCentreY = (metrics.PageHeight + metrics.MarginImbalanceY) / 2;
    metrics.LeftMarginMils = perInch(metrics.PhysicalOffsetX, 1000, metrics.PixelsPerInchX);
    metrics.RightMarginMils = perInch(metrics.RightMargin, 1000, metrics.PixelsPerInchX);
    metrics.TopMarginMils = perInch(metrics.PhysicalOffsetY, 1000, metrics.PixelsPerInchY);
    metrics.BottomMarginMils = perInch(metrics.BottomMargin, 1000, metrics.PixelsPerInchY);
    return metrics;
}

int printableWidthUnits(const PrinterMetrics& metrics) {
    return perInch(metrics.PageWidth, tiletteUnitsPerInch, metrics.PixelsPerInchX);
}

int printableHeightUnits(const PrinterMetrics& metrics) {
    return perInch(metrics.PageHeight, tiletteUnitsPerInch, metrics.PixelsPerInchY);
}
