#include "platform/Canvas.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

namespace {
constexpr Colour ink = 0x0000FF;

// The bounding box of every pixel of one colour, or an empty rect when there is none.
Rect boundsOf(const Bitmap& picture, Colour colour) {
    Rect box{picture.width(), picture.height(), -1, -1};
    bool any = false;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) == colour) {
                any = true;
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x + 1);
                box.bottom = std::max(box.bottom, y + 1);
            }
    return any ? box : Rect{};
}
} // namespace

TEST(CanvasTest, RectanglesLeaveOutTheirRightAndBottomEdges) {
    Bitmap picture(20, 20);
    {
        Canvas canvas(picture);
        canvas.fillRect({3, 4, 10, 12}, ink);
        canvas.fillRect({15, 15, 15, 18}, ink); // empty: nothing at all
    }
    EXPECT_EQ(boundsOf(picture, ink), (Rect{3, 4, 10, 12}));

    // Copying a part takes exactly that part.
    Bitmap copy(20, 20);
    {
        Canvas canvas(copy);
        canvas.copyRect({0, 0, 5, 5}, picture, {3, 4, 8, 9});
    }
    EXPECT_EQ(boundsOf(copy, ink), (Rect{0, 0, 5, 5}));
}

TEST(CanvasTest, WidePensAreCentredOnTheirLine) {
    Bitmap picture(40, 40);
    {
        Canvas canvas(picture);
        canvas.setPen(5, ink);
        canvas.moveTo(12, 8);
        canvas.lineTo(12, 30);
    }
    for (int x = 9; x <= 15; ++x)
        EXPECT_EQ(picture.pixel(x, 20) == ink, x >= 10 && x <= 14) << x;

    Bitmap thin(10, 10);
    {
        Canvas canvas(thin);
        canvas.moveTo(2, 5);
        canvas.lineTo(8, 5);
    }
    EXPECT_EQ(boundsOf(thin, colours::black).top, 5);
    EXPECT_EQ(boundsOf(thin, colours::black).bottom, 6);
}

TEST(CanvasTest, ArcsRunCounterClockwiseFromStartToEnd) {
    // From the left point counter-clockwise (as seen on screen) to the right point is the lower
    // half.
    Bitmap lower(40, 40);
    {
        Canvas canvas(lower);
        canvas.setPen(1, ink);
        canvas.arc({4, 4, 36, 36}, {4, 20}, {36, 20});
    }
    const Rect lowerBox = boundsOf(lower, ink);
    EXPECT_GE(lowerBox.top, 19);
    EXPECT_EQ(lowerBox.bottom, 36);
    EXPECT_EQ(lowerBox.left, 4);
    EXPECT_EQ(lowerBox.right, 36);

    // The same points the other way round give the upper half.
    Bitmap upper(40, 40);
    {
        Canvas canvas(upper);
        canvas.setPen(1, ink);
        canvas.arc({4, 4, 36, 36}, {36, 20}, {4, 20});
    }
    const Rect upperBox = boundsOf(upper, ink);
    EXPECT_EQ(upperBox.top, 4);
    EXPECT_LE(upperBox.bottom, 21);

    // Rays, not points: a start far outside the ellipse picks the same angle. Top to bottom
    // counter-clockwise passes the left side only.
    Bitmap left(40, 40);
    {
        Canvas canvas(left);
        canvas.setPen(1, ink);
        canvas.arc({4, 4, 36, 36}, {20, -100}, {20, 100});
    }
    const Rect leftBox = boundsOf(left, ink);
    EXPECT_EQ(leftBox.left, 4);
    EXPECT_LE(leftBox.right, 21);

    // Equal rays draw the whole ellipse.
    Bitmap whole(40, 40);
    {
        Canvas canvas(whole);
        canvas.setPen(1, ink);
        canvas.arc({4, 4, 36, 36}, {0, 0}, {0, 0});
    }
    EXPECT_EQ(boundsOf(whole, ink), (Rect{4, 4, 36, 36}));
}

TEST(CanvasTest, StretchingNeverSmooths) {
    Bitmap checker(2, 2, colours::white);
    checker.setPixel(0, 0, colours::black);
    checker.setPixel(1, 1, colours::black);
    Bitmap big(10, 10, ink);
    {
        Canvas canvas(big);
        canvas.stretchDraw({0, 0, 8, 8}, checker);
    }
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const bool black = (x < 4) == (y < 4);
            EXPECT_EQ(big.pixel(x, y), black ? colours::black : colours::white) << x << "," << y;
        }
    EXPECT_EQ(big.pixel(8, 8), ink);

    // An 8-bit source stretches the same way through its palette.
    Bitmap indexed = Bitmap::indexed(2, 1, {colours::green, colours::red});
    indexed.setPixelIndex(1, 0, 1);
    Bitmap target(4, 1);
    {
        Canvas canvas(target);
        canvas.stretchDraw({0, 0, 4, 1}, indexed);
    }
    EXPECT_EQ(target.pixel(1, 0), colours::green);
    EXPECT_EQ(target.pixel(2, 0), colours::red);
}

TEST(CanvasTest, TransparentDrawingCopiesOnlyTheOtherColours) {
    Bitmap marker(4, 4, colours::white);
    marker.setPixel(1, 1, ink);
    marker.setPixel(2, 2, colours::black);
    Bitmap target(10, 10, colours::green);
    {
        Canvas canvas(target);
        canvas.drawTransparent(-1, -1, marker, colours::white); // clipped at the top left
        canvas.drawTransparent(6, 6, marker, colours::white);
    }
    EXPECT_EQ(target.pixel(0, 0), ink);
    EXPECT_EQ(target.pixel(1, 1), colours::black);
    EXPECT_EQ(target.pixel(7, 7), ink);
    EXPECT_EQ(target.pixel(6, 6), colours::green);
    EXPECT_EQ(target.pixel(9, 9), colours::green);
}

TEST(CanvasTest, TextIsPlacedByTheTopLeftOfItsCellInPointSizes) {
    EXPECT_EQ(pointsToPixels(35), 47); // 46.67
    EXPECT_EQ(pointsToPixels(16), 21); // 21.33
    EXPECT_EQ(pointsToPixels(9), 12);  // exactly 12
    EXPECT_EQ(pointsToPixels(3), 4);   // exactly 4
    EXPECT_EQ(pointsToPixels(-3), -4);

    Bitmap picture(200, 100, colours::green);
    Canvas canvas(picture);
    canvas.setFont({QStringLiteral("Liberation Sans"), 24, ink});
    const QFontMetrics metrics(toQFont(canvas.font()));
    EXPECT_EQ(canvas.textHeight(QStringLiteral("Wg")), metrics.ascent() + metrics.descent());
    EXPECT_EQ(canvas.textWidth(QStringLiteral("HHH")),
              metrics.horizontalAdvance(QStringLiteral("HHH")));
    canvas.textOut(30, 20, QStringLiteral("HHH"));
    canvas.painter().end();

    // "H" stands on the baseline and reaches up to the cap height: its ink lies inside the cell,
    // with the baseline at top + ascent.
    const Rect box = boundsOf(picture, ink);
    const int baseline = 20 + metrics.ascent();
    EXPECT_GE(box.left, 30);
    EXPECT_LE(box.right, 30 + canvas.textWidth(QStringLiteral("HHH")) + 1);
    EXPECT_GE(box.top, 20);
    EXPECT_NEAR(box.bottom, baseline, 1);
    EXPECT_NEAR(box.bottom - box.top, metrics.capHeight(), 2);
    // A clear brush: the cell above the capitals keeps the background.
    for (int x = 30; x < 30 + canvas.textWidth(QStringLiteral("HHH")); ++x)
        EXPECT_EQ(picture.pixel(x, 20), colours::green) << x;
}
