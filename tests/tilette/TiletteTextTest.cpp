#include "tilette/TiletteText.h"
#include "PixelProbes.h"

#include <gtest/gtest.h>

// The expectations come from the metrics of whatever faces fontconfig supplies, measured on
// a canvas the same way the tilette's own canvas measures them.
namespace {
constexpr Rect tiletteRect{0, 0, 316, 316}; // text area 25, 25, 291, 291
constexpr int L = 25, T = 25, R = 291, B = 291;

struct Measures {
    int valueWidth, valueHeight, xHeight;
    int captionWidth, captionHeight, wWidth, wHeight;
};

Measures measure(const TiletteStyle& style) {
    Bitmap scratch(10, 10);
    Canvas canvas(scratch);
    canvas.setFont(style.valueFont);
    Measures m{};
    m.valueWidth = canvas.textWidth(style.valueText);
    m.valueHeight = canvas.textHeight(style.valueText);
    m.xHeight = canvas.textHeight("X");
    canvas.setFont(style.captionFont);
    m.captionWidth = canvas.textWidth(style.captionText);
    m.captionHeight = canvas.textHeight(style.captionText);
    m.wWidth = canvas.textWidth("W");
    m.wHeight = canvas.textHeight("W");
    return m;
}

int letterWidth(const CanvasFont& font, const QString& letter) {
    Bitmap scratch(10, 10);
    Canvas canvas(scratch);
    canvas.setFont(font);
    return canvas.textWidth(letter);
}

TextLayout layout(const TiletteStyle& style) {
    Bitmap scratch(316, 316);
    Canvas canvas(scratch);
    return layoutText(canvas, tiletteRect, style);
}

TiletteStyle styleWith(QString value, int corner, QString caption, int edge) {
    TiletteStyle style;
    style.valueText = std::move(value);
    style.valueCorner = corner;
    style.captionText = std::move(caption);
    style.captionEdge = edge;
    return style;
}
} // namespace

TEST(TiletteText, ValueSitsInsideItsCorner) {
    const Measures m = measure(styleWith("25c", 0, "", 0));
    ASSERT_GT(m.valueWidth, 0);
    const Point expected[] = {{L + 1, T + 1},
                              {L + 1, B - m.xHeight - 1},
                              {R - m.valueWidth, T + 1},
                              {R - m.valueWidth, B - m.xHeight - 1}};
    for (int corner = 0; corner < 4; ++corner) {
        SCOPED_TRACE(corner);
        const TextLayout placed = layout(styleWith("25c", corner, "", 0));
        ASSERT_TRUE(placed.value);
        EXPECT_EQ(placed.value->text, "25c");
        EXPECT_EQ(placed.value->position, expected[corner]);
        EXPECT_TRUE(placed.caption.empty());
    }
    EXPECT_FALSE(layout(styleWith("", 0, "", 0)).value);
}

TEST(TiletteText, TopAndBottomCaptionsLineUpWithTheValue) {
    const Measures m = measure(styleWith("25c", 0, "Fjord", 0));
    const int centred = L + (R - L - m.captionWidth) / 2;
    struct Case {
        int corner, edge;
        Point expected;
    };
    const Case cases[] = {
        {0, 0, {L + m.valueWidth, T + 1}},
        {2, 0, {R - m.valueWidth - m.captionWidth - 1, T + 1}},
        {1, 0, {centred, T + 1}},
        {3, 0, {centred, T + 1}},
        {1, 1, {L + m.valueWidth, B - m.captionHeight - 1}},
        {3, 1, {R - m.valueWidth - m.captionWidth - 1, B - m.captionHeight - 1}},
        {0, 1, {centred, B - m.captionHeight - 1}},
        {2, 1, {centred, B - m.captionHeight - 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "corner " << c.corner << " edge " << c.edge);
        const TextLayout placed = layout(styleWith("25c", c.corner, "Fjord", c.edge));
        ASSERT_EQ(placed.caption.size(), 1u);
        EXPECT_EQ(placed.caption[0].text, "Fjord");
        EXPECT_EQ(placed.caption[0].position, c.expected);
    }
    // Corner UR with a top caption: the caption ends one pixel left of the value.
    const TextLayout upperRight = layout(styleWith("25c", 2, "Fjord", 0));
    EXPECT_EQ(upperRight.caption[0].position.x + m.captionWidth + 1, upperRight.value->position.x);

    // Without a value nothing is skipped.
    const TextLayout noValue = layout(styleWith("", 0, "Fjord", 0));
    EXPECT_EQ(noValue.caption[0].position, (Point{L, T + 1}));
}

TEST(TiletteText, SideCaptionsStandInAColumn) {
    const TiletteStyle sample = styleWith("25c", 0, "Fjord", 2);
    const Measures m = measure(sample);
    const int step = m.wHeight - 3;
    const int total = step * 5;
    struct Case {
        int corner, edge, firstTop;
    };
    const Case cases[] = {
        {0, 2, T + m.valueHeight + 1},         {1, 2, B - m.valueHeight - total - 1},
        {3, 2, T + (B - T - total) / 2},       {2, 3, T + m.valueHeight + 1},
        {3, 3, B - m.valueHeight - total - 1}, {0, 3, T + (B - T - total) / 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "corner " << c.corner << " edge " << c.edge);
        const TextLayout placed = layout(styleWith("25c", c.corner, "Fjord", c.edge));
        ASSERT_EQ(placed.caption.size(), 5u);
        const int centre = c.edge == 2 ? L + m.wWidth / 2 : R - m.wWidth / 2;
        for (int i = 0; i < 5; ++i) {
            const QString letter = QString("Fjord").mid(i, 1);
            EXPECT_EQ(placed.caption[i].text, letter);
            EXPECT_EQ(placed.caption[i].position,
                      (Point{centre - letterWidth(sample.captionFont, letter) / 2,
                             c.firstTop + step * i}));
        }
    }
    // An empty value still keeps the caption below the height measured for it.
    Bitmap scratch(10, 10);
    Canvas canvas(scratch);
    canvas.setFont(sample.valueFont);
    const int emptyHeight = canvas.textHeight("");
    const TextLayout noValue = layout(styleWith("", 0, "Fjord", 2));
    EXPECT_EQ(noValue.caption[0].position.y, T + emptyHeight + 1);
}

TEST(TiletteText, SideCaptionCountsCharactersNotCodeUnits) {
    const QString caption = QString::fromUtf8("a\U0001D11E\u00E9");
    const TextLayout placed = layout(styleWith("", 0, caption, 3));
    ASSERT_EQ(placed.caption.size(), 3u);
    EXPECT_EQ(placed.caption[1].text, QString::fromUtf8("\U0001D11E"));
    EXPECT_EQ(placed.caption[2].text, QString::fromUtf8("\u00E9"));
}

TEST(TiletteText, GlyphsLandInTheirCells) {
    TiletteStyle style = styleWith("25c", 3, "", 0);
    style.valueFont.colour = colours::black;
    const Measures m = measure(style);
    Bitmap tilette(316, 316, colours::white);
    AddText(tilette, tiletteRect, style);
    const InkBounds ink = inkBounds(tilette, colours::white);
    ASSERT_FALSE(ink.empty);
    // The cell of the value at the lower right corner, allowing one pixel of glyph overhang.
    const int cellLeft = R - m.valueWidth, cellTop = B - m.xHeight - 1;
    EXPECT_GE(ink.left, cellLeft - 1);
    EXPECT_LE(ink.right, cellLeft + m.valueWidth + 1);
    EXPECT_GE(ink.top, cellTop);
    EXPECT_LE(ink.bottom, cellTop + m.valueHeight);
}

TEST(TiletteText, CaptionColumnLandsOnItsEdge) {
    TiletteStyle style = styleWith("", 0, "ABC", 2);
    const Measures m = measure(style);
    Bitmap tilette(316, 316, colours::white);
    AddText(tilette, tiletteRect, style);
    const InkBounds ink = inkBounds(tilette, colours::white);
    ASSERT_FALSE(ink.empty);
    const int step = m.wHeight - 3;
    const int firstTop = T + m.valueHeight + 1;
    EXPECT_GE(ink.left, L - 1);
    EXPECT_LE(ink.right, L + m.wWidth + 1);
    EXPECT_GE(ink.top, firstTop);
    EXPECT_LE(ink.bottom, firstTop + 2 * step + m.wHeight);
    // The glyphs are painted in the caption colour (their anti-aliased edges aside).
    bool sawRed = false;
    for (int y = ink.top; y < ink.bottom; ++y)
        for (int x = ink.left; x < ink.right; ++x)
            sawRed = sawRed || tilette.pixel(x, y) == colours::red;
    EXPECT_TRUE(sawRed);
}
