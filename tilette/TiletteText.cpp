#include "tilette/TiletteText.h"

namespace {
constexpr int frame = 25;
constexpr int letterOverlap = 3; // stacked letters share this much of their cells

struct TextArea {
    int left, top, right, bottom;
};

struct ValueMeasures {
    int width;
    int height;
};

Point valuePosition(Canvas& canvas, const TextArea& area, const TiletteStyle& style,
                    int valueWidth) {
    const int xHeight = canvas.textHeight(QStringLiteral("X"));
    switch (static_cast<ValueCorner>(style.valueCorner)) {
    case ValueCorner::UpperLeft:
        return {area.left + 1, area.top + 1};
    case ValueCorner::LowerLeft:
        return {area.left + 1, area.bottom - xHeight - 1};
    case ValueCorner::UpperRight:
        return {area.right - valueWidth, area.top + 1};
    case ValueCorner::LowerRight:
        return {area.right - valueWidth, area.bottom - xHeight - 1};
    }
    return {area.left + 1, area.top + 1};
}

// A caption along the top or bottom lines up with a value in a corner of the same edge and
// is centred otherwise.
PlacedText horizontalCaption(Canvas& canvas, const TextArea& area, const TiletteStyle& style,
                             const ValueMeasures& value) {
    const int captionWidth = canvas.textWidth(style.captionText);
    const bool top = static_cast<CaptionEdge>(style.captionEdge) == CaptionEdge::Top;
    const auto leftCorner = top ? ValueCorner::UpperLeft : ValueCorner::LowerLeft;
    const auto rightCorner = top ? ValueCorner::UpperRight : ValueCorner::LowerRight;
    const auto corner = static_cast<ValueCorner>(style.valueCorner);
    const int y = top ? area.top + 1 : area.bottom - canvas.textHeight(style.captionText) - 1;
    int x = area.left + (area.right - area.left - captionWidth) / 2;
    if (corner == leftCorner)
        x = area.left + value.width;
    else if (corner == rightCorner)
        x = area.right - value.width - captionWidth - 1;
    return {style.captionText, {x, y}};
}

// Left and right captions stand one upright letter under the other, each centred on the
// column; the column keeps clear of a value in a corner on the same side.
std::vector<PlacedText> verticalCaption(Canvas& canvas, const TextArea& area,
                                        const TiletteStyle& style, const ValueMeasures& value) {
    const bool left = static_cast<CaptionEdge>(style.captionEdge) == CaptionEdge::Left;
    const int letterWidth = canvas.textWidth(QStringLiteral("W"));
    const int columnCentre = left ? area.left + letterWidth / 2 : area.right - letterWidth / 2;
    const QList<uint> characters = style.captionText.toUcs4();
    const int step = canvas.textHeight(QStringLiteral("W")) - letterOverlap;
    const int total = step * static_cast<int>(characters.size());
    const auto corner = static_cast<ValueCorner>(style.valueCorner);
    const auto topCorner = left ? ValueCorner::UpperLeft : ValueCorner::UpperRight;
    const auto bottomCorner = left ? ValueCorner::LowerLeft : ValueCorner::LowerRight;
    int firstTop = area.top + (area.bottom - area.top - total) / 2;
    if (corner == topCorner)
        firstTop = area.top + value.height + 1;
    else if (corner == bottomCorner)
        firstTop = area.bottom - value.height - total - 1;

    std::vector<PlacedText> letters;
    for (int index = 0; index < static_cast<int>(characters.size()); ++index) {
        const char32_t character = characters[index];
        const QString letter = QString::fromUcs4(&character, 1);
        letters.push_back(
            {letter, {columnCentre - canvas.textWidth(letter) / 2, firstTop + step * index}});
    }
    return letters;
}
} // namespace

TextLayout layoutText(Canvas& canvas, const Rect& tiletteRect, const TiletteStyle& style) {
    const TextArea area{tiletteRect.left + frame, tiletteRect.top + frame,
                        tiletteRect.right - frame, tiletteRect.bottom - frame};
    TextLayout layout;
    canvas.setFont(style.valueFont);
    // Measured even for an empty value: a caption beside it keeps this distance.
    const ValueMeasures value{canvas.textWidth(style.valueText),
                              canvas.textHeight(style.valueText)};
    if (!style.valueText.isEmpty())
        layout.value = PlacedText{style.valueText, valuePosition(canvas, area, style, value.width)};
    if (style.captionText.isEmpty())
        return layout;

    canvas.setFont(style.captionFont);
    switch (static_cast<CaptionEdge>(style.captionEdge)) {
    case CaptionEdge::Top:
    case CaptionEdge::Bottom:
        layout.caption.push_back(horizontalCaption(canvas, area, style, value));
        break;
    case CaptionEdge::Left:
    case CaptionEdge::Right:
        layout.caption = verticalCaption(canvas, area, style, value);
        break;
    }
    return layout;
}

void AddText(Bitmap& tilette, const Rect& tiletteRect, const TiletteStyle& style) {
    Canvas canvas(tilette);
    const TextLayout layout = layoutText(canvas, tiletteRect, style);
    if (layout.value) {
        canvas.setFont(style.valueFont);
        canvas.textOut(layout.value->position.x, layout.value->position.y, layout.value->text);
    }
    if (!layout.caption.empty()) {
        canvas.setFont(style.captionFont);
        for (const PlacedText& piece : layout.caption)
            canvas.textOut(piece.position.x, piece.position.y, piece.text);
    }
}
