#include "prt/PrinterMetrics.h"
#include "support/FakePrinterSystem.h"

#include <gtest/gtest.h>

TEST(PrinterMetrics, LetterPageWithEvenMargins) {
    FakePrinterSystem printers; // 4800 x 6300 of 5100 x 6600 at 600 dpi, offsets 150
    const PrinterMetrics metrics = RefreshPrinterMetrics(printers);
    EXPECT_EQ(metrics.PrinterName, "Fake Printer");
    EXPECT_EQ(metrics.PageWidth, 4800);
    EXPECT_EQ(metrics.PageHeight, 6300);
    EXPECT_EQ(metrics.PixelsPerInchX, 600);
    EXPECT_EQ(metrics.PixelsPerInchY, 600);
    EXPECT_EQ(metrics.PhysicalWidth, 5100);
    EXPECT_EQ(metrics.PhysicalHeight, 6600);
    EXPECT_EQ(metrics.PhysicalOffsetX, 150);
    EXPECT_EQ(metrics.PhysicalOffsetY, 150);
    EXPECT_EQ(metrics.NumColors, -1);
    EXPECT_EQ(metrics.RightMargin, 150);  // 5100 - 4800 - 150
    EXPECT_EQ(metrics.BottomMargin, 150); // 6600 - 6300 - 150
    EXPECT_EQ(metrics.MarginImbalanceX, 0);
    EXPECT_EQ(metrics.MarginImbalanceY, 0);
    EXPECT_EQ(metrics.PageCentreX, 2400);
    EXPECT_EQ(metrics.PageCentreY, 3150);
    EXPECT_EQ(metrics.LeftMarginMils, 250); // 150 * 1000 / 600
    EXPECT_EQ(metrics.RightMarginMils, 250);
    EXPECT_EQ(metrics.TopMarginMils, 250);
    EXPECT_EQ(metrics.BottomMarginMils, 250);
    EXPECT_EQ(printableWidthUnits(metrics), 1600);
    EXPECT_EQ(printableHeightUnits(metrics), 2100);
}

TEST(PrinterMetrics, UnevenMarginsMoveThePageCentre) {
    FakePrinterSystem printers;
    printers.caps.physicalOffsetX = 100; // right margin 200
    printers.caps.physicalOffsetY = 201; // bottom margin 99
    printers.caps.pixelsPerInchY = 300;
    printers.selected = 1;
    const PrinterMetrics metrics = RefreshPrinterMetrics(printers);
    EXPECT_EQ(metrics.PrinterName, "Print to PDF");
    EXPECT_EQ(metrics.RightMargin, 200);
    EXPECT_EQ(metrics.BottomMargin, 99);
    EXPECT_EQ(metrics.MarginImbalanceX, 100);
    EXPECT_EQ(metrics.MarginImbalanceY, -102);
    EXPECT_EQ(metrics.PageCentreX, 2450);           // (4800 + 100) / 2
    EXPECT_EQ(metrics.PageCentreY, 3099);           // (6300 - 102) / 2
    EXPECT_EQ(metrics.LeftMarginMils, 166);         // 100000 / 600 truncated
    EXPECT_EQ(metrics.RightMarginMils, 333);        // 200000 / 600
    EXPECT_EQ(metrics.TopMarginMils, 670);          // 201000 / 300
    EXPECT_EQ(metrics.BottomMarginMils, 330);       // 99000 / 300
    EXPECT_EQ(printableHeightUnits(metrics), 4200); // 6300 * 200 / 300
}

TEST(PrinterMetrics, NegativeMarginsTruncateTowardZero) {
    FakePrinterSystem printers;
    printers.caps.physicalWidth = 4800 + 150 - 7; // a right margin of -7
    const PrinterMetrics metrics = RefreshPrinterMetrics(printers);
    EXPECT_EQ(metrics.RightMargin, -7);
    EXPECT_EQ(metrics.MarginImbalanceX, -157);
    EXPECT_EQ(metrics.PageCentreX, 2321);    // 4643 / 2
    EXPECT_EQ(metrics.RightMarginMils, -11); // -7000 / 600 = -11.67
}

TEST(PrinterMetrics, NoResolutionAndNoSelectionAreHarmless) {
    DeviceCapabilities nothing;
    nothing.pageWidth = 4800;
    nothing.physicalOffsetX = 150;
    FakePrinterSystem printers(nothing);
    printers.selected = 7; // beyond the list
    const PrinterMetrics metrics = RefreshPrinterMetrics(printers);
    EXPECT_TRUE(metrics.PrinterName.isEmpty());
    EXPECT_EQ(metrics.LeftMarginMils, 0);
    EXPECT_EQ(metrics.RightMarginMils, 0);
    EXPECT_EQ(metrics.TopMarginMils, 0);
    EXPECT_EQ(metrics.BottomMarginMils, 0);
    EXPECT_EQ(printableWidthUnits(metrics), 0);
    EXPECT_EQ(printableHeightUnits(metrics), 0);
    EXPECT_EQ(metrics.RightMargin, -4950);

    printers.selected = -1;
    EXPECT_TRUE(RefreshPrinterMetrics(printers).PrinterName.isEmpty());
}
