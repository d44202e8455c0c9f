#include "prt/BandedPrinting.h"

#include <gtest/gtest.h>

TEST(BandedPrinting, EveryRowIsPrintedOnceAndTheBandsMeet) {
    struct Case {
        int rows, resolution, firstBandHeight;
    };
    // 50 rows are a quarter inch: 150 device rows at 600, 75 at 300, 50.75 at 203.
    const Case cases[] = {{2100, 600, 150}, {2120, 600, 150}, {2100, 300, 75},
                          {2120, 300, 75},  {2100, 203, 50},  {2120, 203, 50}};
    for (const Case& c : cases) {
        const int pageHeight = c.rows * c.resolution / 200 + 7;
        const auto bands = bandRectangles(1600, c.rows, c.resolution, c.resolution, pageHeight);
        ASSERT_EQ(static_cast<int>(bands.size()), (c.rows + 49) / 50)
            << c.rows << "@" << c.resolution;
        EXPECT_EQ(bands.front().destination.height(), c.firstBandHeight);
        int nextRow = 0;
        int printedHeight = 0;
        for (size_t k = 0; k < bands.size(); ++k) {
            const PrintBand& band = bands[k];
            EXPECT_EQ(band.source.top, nextRow);
            EXPECT_EQ(band.source.width(), 1600);
            EXPECT_EQ(band.destination.left, 0);
            EXPECT_EQ(band.destination.right, 800 * c.resolution / 100);
            if (k > 0) {
                EXPECT_EQ(band.destination.top, bands[k - 1].destination.bottom);
            }
            nextRow = band.source.bottom;
            printedHeight += band.destination.height();
        }
        EXPECT_EQ(nextRow, c.rows); // the last 20 rows of 2120 are printed too
        EXPECT_EQ(printedHeight, c.rows * c.resolution / 200) << c.rows << "@" << c.resolution;
    }
    // The last band of 2120 rows is the 20 rows left over, a tenth of an inch at 600.
    const auto bands = bandRectangles(1600, 2120, 600, 600, 6400);
    EXPECT_EQ(bands.back().source, (Rect{0, 2100, 1600, 2120}));
    EXPECT_EQ(bands.back().destination.height(), 60);
}

TEST(BandedPrinting, TheSheetIsCentredDownThePage) {
    // 2103 rows at 300: 1051 * 300 / 100 = 3153 device rows on a page of 3155, one row below.
    EXPECT_EQ(printedTop(2103, 300, 3155), 1);
    EXPECT_EQ(bandRectangles(1600, 2103, 300, 300, 3155).front().destination.top, 1);
    EXPECT_EQ(printedTop(2100, 600, 6300), 0);
    EXPECT_TRUE(bandRectangles(1600, 2100, 0, 600, 6300).empty());
    EXPECT_TRUE(bandRectangles(1600, 0, 600, 600, 6300).empty());
}

TEST(BandedPrinting, BandsLandStretchedOnThePage) {
    // Two bands of different colours at 400 dpi: rows 0-49 red, 50-79 blue, on a 3-inch page.
    Bitmap sheet(40, 80, colours::red);
    for (int y = 50; y < 80; ++y)
        for (int x = 0; x < 40; ++x)
            sheet.setPixel(x, y, 0xFF0000);
    Bitmap page(100, 1200, colours::white);
    {
        Canvas canvas(page);
        PrintBitmapBanded(canvas, sheet, 400, 400, 1200);
    }
    const int top = printedTop(80, 400, 1200); // (1200 - 160) / 2 = 520
    EXPECT_EQ(top, 520);
    EXPECT_EQ(page.pixel(10, top - 1), colours::white);
    EXPECT_EQ(page.pixel(10, top), colours::red);
    EXPECT_EQ(page.pixel(79, top + 99), colours::red);
    EXPECT_EQ(page.pixel(80, top + 50), colours::white); // 40 units are 80 pixels wide
    EXPECT_EQ(page.pixel(10, top + 100), 0xFF0000u);
    EXPECT_EQ(page.pixel(10, top + 159), 0xFF0000u);
    EXPECT_EQ(page.pixel(10, top + 160), colours::white);
}
