#pragma once

#include "prt/PrinterMetrics.h"

// A printable area of 1600 x 2100 tilette units: 8 x 10.5 inches at 600 pixels per inch.
inline PrinterMetrics letterPrinter() {
    PrinterMetrics metrics;
    metrics.PageWidth = 4800;
    metrics.PageHeight = 6300;
    metrics.PixelsPerInchX = 600;
    metrics.PixelsPerInchY = 600;
    return metrics;
}
