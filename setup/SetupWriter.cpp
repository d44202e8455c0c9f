#include "setup/SetupWriter.h"

#include "setup/SetupKeys.h"
#include "setup/SetupText.h"

namespace {
QString quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString styleWord(const FontChoice& font) {
    if (font.bold && font.italic)
        return QStringLiteral("BoldItalic ");
    if (font.bold)
        return QStringLiteral("Bold ");
    if (font.italic)
        return QStringLiteral("Italic ");
    return {};
}

// Appends each value with the key of the line it lands on, so that values and keys cannot slip
// out of step.
class LineWriter {
  public:
    void integer(int value) { add(QString::number(value)); }
    // Colours are written as the signed 32-bit value the reader converts back, bit for bit.
    void colour(Colour value) { integer(static_cast<qint32>(value)); }
    void text(const QString& value) { add(quoted(value)); }
    void font(const FontChoice& font) {
        text(font.face);
        integer(font.points);
        colour(font.colour);
        add(quoted(styleWord(font)));
    }
    void orientation(PageOrientation value) {
        add(value == PageOrientation::Landscape ? QStringLiteral("Landscape")
                                                : QStringLiteral("Portrait"));
    }
    void checkBox(std::optional<bool> checked) {
        add(checked.value_or(false) ? QStringLiteral("on") : QStringLiteral("off"));
    }
    void fieldText(const QString& shown) { add(shown); }
    void quotedInteger(int value) { add(quoted(QString::number(value))); }

    QStringList lines;

  private:
    void add(const QString& value) {
        lines << value + QLatin1Char(' ') + setupKey(int(lines.size()) + 1);
    }
};
} // namespace

QStringList setupFileLines(const SetupRecord& record) {
    LineWriter out;
    out.integer(record.numberWide);
    out.integer(record.borderType);
    out.colour(record.borderColour);
    out.colour(record.backgroundColour);
    out.integer(record.sheetType);
    out.text(record.valueText);
    out.font(record.valueFont);
    out.integer(record.valuePlace);
    out.text(record.captionText);
    out.font(record.captionFont);
    out.integer(record.textPlace);
    for (const QString& picture : record.pictures)
        out.text(picture);
    out.fieldText(record.copiesText);
    out.integer(record.printerIndex);
    out.orientation(record.orientation);
    out.checkBox(record.blankSheet);
    out.checkBox(record.sizeTilettes);
    out.fieldText(record.heightText);
    out.fieldText(record.widthText);
    out.checkBox(record.keepRatio);
    const auto saves = record.extension.value_or(std::array<SlotSave, setupSlotCount>{});
    for (const SlotSave& save : saves)
        out.text(save.saveName);
    for (const SlotSave& save : saves)
        out.quotedInteger(save.colorScheme);
    return out.lines;
}

QByteArray setupFileText(const SetupRecord& record) {
    return setupTextOf(setupFileLines(record));
}
