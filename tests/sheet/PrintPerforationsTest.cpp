#include "sheet/PrintPerforations.h"
#include "support/FakePrinterSystem.h"

#include <gtest/gtest.h>
#include <set>
#include <utility>

namespace {
constexpr Colour ink = 0x00402010;
// 316 x 316 tilettes, 5 across and 6 down: 948 printer pixels each at 600 dpi.
constexpr SheetLayout sheet{316, 316, 5, 6, 9, 11, PageType::OneImage};
} // namespace

TEST(PrintPerforations, DotsAt600DotsPerInch) {
    const std::vector<PrintedDot> dots = perforationDots(600, 600, sheet, ink);
    // Rows: x = 37, 74, ... <= 4777 (129 places) on y = 37 + 948k <= 5725 (7 rows).
    // Columns: x = 37 + 948k <= 4777 (6 places) on y = 37, 74, ... <= 5725 (154 places).
    ASSERT_EQ(dots.size(), 129u * 7u + 6u * 154u);
    const PrintedDot first = dots.front();
    EXPECT_EQ(first.anchor, (Point{37, 37}));
    EXPECT_EQ(first.box, (Rect{37 - 18, 37 - 9, 37 - 9, 37})); // d = 9
    EXPECT_EQ(first.penWidth, 14);
    EXPECT_EQ(first.colour, ink);

    std::set<std::pair<int, int>> anchors;
    for (const PrintedDot& dot : dots) {
        anchors.insert({dot.anchor.x, dot.anchor.y});
        EXPECT_EQ(dot.box.width(), 9);
        EXPECT_EQ(dot.box.height(), 9);
        EXPECT_EQ(dot.box.right, dot.anchor.x - 9);
        EXPECT_EQ(dot.box.bottom, dot.anchor.y);
    }
    EXPECT_TRUE(anchors.count({4773, 5725}));  // last row place on the last row
    EXPECT_TRUE(anchors.count({4777, 5698}));  // last column, 37 * 154
    EXPECT_TRUE(anchors.count({985, 1110}));   // second column, 37 * 30
    EXPECT_FALSE(anchors.count({1000, 1110})); // neither on a row nor a column
}

TEST(PrintPerforations, FrameMiddlePrintsWhite) {
    SheetLayout frame = sheet;
    frame.pageType = PageType::Frame;
    // Interior: 985 < x < 3829 and 985 < y < 4777.
    int white = 0;
    for (const PrintedDot& dot : perforationDots(600, 600, frame, ink)) {
        const bool inside =
            dot.anchor.x > 985 && dot.anchor.x < 3829 && dot.anchor.y > 985 && dot.anchor.y < 4777;
        EXPECT_EQ(dot.colour, inside ? colours::white : ink) << dot.anchor.x << "," << dot.anchor.y;
        white += inside;
    }
    EXPECT_GT(white, 0);
}

TEST(PrintPerforations, LowResolutionAndZeroResolution) {
    // At 300 dpi: steps of 18, d = (300 * 312 / 10000) / 2 = 4, pen 12.
    const auto dots = perforationDots(300, 300, sheet, ink);
    ASSERT_FALSE(dots.empty());
    EXPECT_EQ(dots.front().anchor, (Point{18, 18}));
    EXPECT_EQ(dots.front().box, (Rect{10, 14, 14, 18}));
    EXPECT_EQ(dots.front().penWidth, 12);
    // No resolution means no spacing between dots: nothing to print rather than no end.
    EXPECT_TRUE(perforationDots(0, 600, sheet, ink).empty());
    EXPECT_TRUE(perforationDots(600, 0, sheet, ink).empty());
    EXPECT_TRUE(perforationDots(600, 600, SheetLayout{0, 316, 5, 6, 0, 0, PageType::OneImage}, ink)
                    .empty());
}

TEST(PrintPerforations, DrawsSolidDotsOnThePage) {
    DeviceCapabilities small = FakePrinterSystem::letterAt600();
    small.pageWidth = 700;
    small.pageHeight = 700;
    FakePrinterSystem printers(small);
    auto job = printers.beginDocument("Perforations");
    const SheetLayout two{200, 200, 2, 2, 9, 11, PageType::OneImage}; // 600-pixel tilettes
    {
        Canvas page(job->page());
        PrintPerforations(page, 600, 600, two, colours::black);
    }
    job->finish();
    const QImage& printed = printers.printedPages.at(0);
    // The first dot's circle is inscribed in (19, 28, 28, 37): its middle is filled.
    EXPECT_EQ(fromRgb(printed.pixel(23, 32)), colours::black);
    // A dot of the second row, anchored at (74, 637): box (56, 628, 65, 637).
    EXPECT_EQ(fromRgb(printed.pixel(60, 632)), colours::black);
    // Far from any row or column the page stays white.
    EXPECT_EQ(fromRgb(printed.pixel(300, 300)), colours::white);
    // Between two dots of the first column (middles at y = 69.5 and 106.5).
    EXPECT_EQ(fromRgb(printed.pixel(23, 88)), colours::white);
}
