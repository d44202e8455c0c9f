#include "setup/SetupReader.h"

#include "platform/UserError.h"
#include "setup/SetupKeys.h"
#include "setup/SetupText.h"

#include <limits>

namespace {
// The extension block is read only when more lines than this follow the base block, so a file
// of the base block with a few lines after it still reads; one of 16 or 17 is cut short.
constexpr int mostLinesWithoutExtension = 15;

// Digits with an optional sign, and within 32 bits: what the setup files have always held.
std::optional<int> decimalInteger(QStringView text) {
    const bool negative = text.startsWith(u'-');
    if (negative || text.startsWith(u'+'))
        text = text.mid(1);
    if (text.isEmpty())
        return std::nullopt;
    constexpr qint64 largestMagnitude = qint64(std::numeric_limits<int>::max()) + 1;
    qint64 magnitude = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        magnitude = magnitude * 10 + (c.unicode() - u'0');
        if (magnitude > largestMagnitude)
            return std::nullopt;
    }
    const qint64 value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

// A message box quotes no more of a faulty value than a person can read: a file that is no setup
// at all can have a "value" of a megabyte. Characters are counted, not UTF-16 units: a
// character cut in two shows as a broken glyph.
constexpr int longestQuotedValue = 30;
QString quoted(const QString& text) {
    qsizetype end = 0;
    for (int characters = 0; characters < longestQuotedValue && end < text.size(); ++characters)
        end +=
            text[end].isHighSurrogate() && end + 1 < text.size() && text[end + 1].isLowSurrogate()
                ? 2
                : 1;
    return end == text.size() ? text : text.left(end) + QChar(0x2026);
}

// The value of a line is what stands in front of its first blank; a line without a blank has
// no value.
QString beforeFirstBlank(const QString& line) {
    const qsizetype blank = line.indexOf(u' ');
    return blank < 0 ? QString() : line.left(blank);
}

struct FieldText {
    QString shown;
    int value = 0;
};

// Takes the lines one after another, and names the line in every failure.
class LineReader {
  public:
    explicit LineReader(const QStringList& lines) : lines_(lines) {}

    qsizetype remaining() const { return lines_.size() - taken_; }

    int integer() { return converted(beforeFirstBlank(take())); }
    // Colours are read as signed 32-bit numbers and keep their bits.
    Colour colour() { return static_cast<Colour>(integer()); }

    // The opening quote is skipped without a look; the text runs to the last double quote of
    // the line, so that a text with double quotes of its own comes back whole (texts are
    // written unescaped, and no key word holds a double quote).
    QString text() {
        const QString inside = take().mid(1);
        const qsizetype end = inside.lastIndexOf(u'"');
        return end < 0 ? QString() : inside.left(end);
    }

    void font(FontChoice& font) {
        font.face = text();
        font.points = integer();
        font.colour = colour();
        const QString line = take();
        font.bold = false;
        font.italic = false;
        // The whole line is searched, in this order, and the last word found wins.
        if (line.contains(u"\"Bold \""))
            font.bold = true;
        if (line.contains(u"\"BoldItalic \""))
            font.bold = font.italic = true;
        if (line.contains(u"\"Italic \"")) {
            font.bold = false;
            font.italic = true;
        }
    }

    PageOrientation orientation() {
        return take().contains(u"Landscape") ? PageOrientation::Landscape
                                             : PageOrientation::Portrait;
    }

    std::optional<bool> checkBox() {
        const QString line = take();
        std::optional<bool> checked;
        if (line.contains(u"off"))
            checked = false;
        if (line.contains(u"on"))
            checked = true;
        return checked;
    }

    FieldText copies() {
        FieldText field{beforeFirstBlank(take())};
        field.value = converted(field.shown);
        return field;
    }

    // Inches with their point: "1.75" puts 175 hundredths on the spinner.
    FieldText size() {
        FieldText field{beforeFirstBlank(take())};
        field.value = converted(QString(field.shown).remove(u'.'));
        return field;
    }

    int quotedInteger() { return converted(beforeFirstBlank(take()).remove(u'"')); }

  private:
    QString take() {
        if (taken_ >= lines_.size()) {
            ++taken_; // the missing line is the one named
            const QString end =
                lines_.isEmpty() ? QStringLiteral("The file is empty")
                                 : QStringLiteral("The file ends after line %1").arg(lines_.size());
            fail(end + QStringLiteral(", but a setup has %1 lines").arg(setupLineCount));
        }
        return lines_[taken_++];
    }

    int converted(const QString& text) const {
        const std::optional<int> value = decimalInteger(text);
        if (!value)
            fail(QStringLiteral("'%1' is not a valid integer value").arg(quoted(text)));
        return *value;
    }

    [[noreturn]] void fail(const QString& reason) const {
        const int line = static_cast<int>(taken_);
        throw UserError(
            QStringLiteral("%1 (line %2, %3)").arg(reason).arg(line).arg(setupKey(line)));
    }

    const QStringList& lines_;
    qsizetype taken_ = 0;
};

std::array<SlotSave, setupSlotCount> slotSaves(LineReader& in) {
    std::array<SlotSave, setupSlotCount> saves;
    for (SlotSave& save : saves)
        save.saveName = in.text();
    for (SlotSave& save : saves)
        save.colorScheme = in.quotedInteger();
    return saves;
}
} // namespace

SetupRecord parseSetupLines(const QStringList& lines) {
    LineReader in(lines);
    SetupRecord record;
    record.numberWide = in.integer();
    record.borderType = in.integer();
    record.borderColour = in.colour();
    record.backgroundColour = in.colour();
    record.sheetType = in.integer();
    record.valueText = in.text();
    in.font(record.valueFont);
    record.valuePlace = in.integer();
    record.captionText = in.text();
    in.font(record.captionFont);
    record.textPlace = in.integer();
    for (QString& picture : record.pictures)
        picture = in.text();
    const FieldText copies = in.copies();
    record.copiesText = copies.shown;
    record.copies = copies.value;
    record.printerIndex = in.integer();
    record.orientation = in.orientation();
    record.blankSheet = in.checkBox();
    record.sizeTilettes = in.checkBox();
    const FieldText height = in.size();
    record.heightText = height.shown;
    record.heightPosition = height.value;
    const FieldText width = in.size();
    record.widthText = width.shown;
    record.widthPosition = width.value;
    record.keepRatio = in.checkBox();
    if (in.remaining() > mostLinesWithoutExtension)
        record.extension = slotSaves(in);
    return record;
}

SetupRecord parseSetupText(const QByteArray& bytes) {
    return parseSetupLines(setupTextLines(bytes));
}
