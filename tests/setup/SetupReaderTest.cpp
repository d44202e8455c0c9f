#include "setup/SetupReader.h"
#include "SampleSetup.h"
#include "platform/UserError.h"

#include <gtest/gtest.h>
#include <map>

namespace {
// The message of the failure reading bytes, or "" when they read.
QString failureOf(const QByteArray& bytes) {
    try {
        parseSetupText(bytes);
    } catch (const UserError& error) {
        return error.message();
    }
    return {};
}

QString outOfBounds(int line, const char* key) {
    const QString end = line == 1 ? QStringLiteral("The file is empty")
                                  : QStringLiteral("The file ends after line %1").arg(line - 1);
    return end + QStringLiteral(", but a setup has 52 lines (line %1, %2)").arg(line).arg(key);
}

SetupRecord sampleWithoutExtension() {
    SetupRecord record = sampleRecord();
    record.extension = std::nullopt;
    return record;
}
} // namespace

TEST(SetupReader, ReadsTheSampleFile) {
    EXPECT_EQ(parseSetupText(fileOf(sampleLines())), sampleRecord());
}

TEST(SetupReader, KeyWordsAreNeverRead) {
    for (const QByteArray key : {"Zz", ""}) {
        QList<QByteArray> lines = sampleLines();
        for (QByteArray& line : lines)
            line = line.left(line.lastIndexOf(' ') + 1) + key;
        EXPECT_EQ(parseSetupText(fileOf(lines)), sampleRecord()) << key.constData();
    }
}

namespace {
QString checkBox(std::optional<bool> checked) {
    return checked ? (*checked ? "on" : "off") : "unchanged";
}
QString field(const QString& shown, int position) {
    return shown + QLatin1Char('|') + QString::number(position);
}
QString number(qint64 value) {
    return QString::number(value);
}

using Shown = QString (*)(const SetupRecord&);
// How the value of each line checked below is shown.
const std::map<int, Shown> shownAt{
    {1, [](const SetupRecord& r) { return number(r.numberWide); }},
    {3, [](const SetupRecord& r) { return number(r.borderColour); }},
    {6, [](const SetupRecord& r) { return r.valueText; }},
    {16,
     [](const SetupRecord& r) {
         return QString(r.captionFont.bold ? "B" : "") + (r.captionFont.italic ? "I" : "");
     }},
    {18, [](const SetupRecord& r) { return r.pictures[0]; }},
    {27, [](const SetupRecord& r) { return field(r.copiesText, r.copies); }},
    {28, [](const SetupRecord& r) { return number(r.printerIndex); }},
    {29,
     [](const SetupRecord& r) {
         return QString(r.orientation == PageOrientation::Landscape ? "Landscape" : "Portrait");
     }},
    {30, [](const SetupRecord& r) { return checkBox(r.blankSheet); }},
    {31, [](const SetupRecord& r) { return checkBox(r.sizeTilettes); }},
    {32, [](const SetupRecord& r) { return field(r.heightText, r.heightPosition); }},
    {33, [](const SetupRecord& r) { return field(r.widthText, r.widthPosition); }},
    {34, [](const SetupRecord& r) { return checkBox(r.keepRatio); }},
    {35, [](const SetupRecord& r) { return r.extension->at(0).saveName; }},
    {44, [](const SetupRecord& r) { return number(r.extension->at(0).colorScheme); }},
};
} // namespace

TEST(SetupReader, EachFormAsItIsRead) {
    const struct {
        int line;
        QByteArray text;
        const char* read;
    } cases[] = {
        // Integers stand in front of the first blank.
        {1, "-7 NumberWide", "-7"},
        {1, "+3 NumberWide", "3"},
        {28, "-2147483648 Printer", "-2147483648"},
        {3, "-1 BorderColor", "4294967295"},
        // Quoted integers lose every quote.
        {44, "17 Tilette1Color", "17"},
        {44, "\"1\"7\"\" Tilette1Color", "17"},
        // Field texts stay as written; sizes lose their points for the spinner.
        {27, "03 Copies", "03|3"},
        {32, "1.7.5 AdvancedHeight", "1.7.5|175"},
        {32, ".5. AdvancedHeight", ".5.|5"},
        {33, "-0.50 AdvancedWidth", "-0.50|-50"},
        // Texts end at the last quote of the line, whatever the first character is.
        {6, "\"He said \"hi\"\" ValueText", "He said \"hi\""},
        {6, "\"\"\" ValueText", "\""},
        {18, "\"  both ends  \" Tilette1", "  both ends  "},
        {35, "\"no closing quote Tilette1Save", ""},
        {6, "x\"abc\" ValueText", "\"abc"},
        {18, "xabc\" Tilette1", "abc"},
        // Words are searched in the whole line, in a fixed order, the last found winning.
        {16, "\"Italic \" \"Bold \"", "I"},
        {16, "\"Bold \" \"BoldItalic \"", "BI"},
        {16, "\"\" \"BoldItalic \"", "BI"},
        {16, "\"bold \" TextFontStyle", ""},
        {16, "Bold TextFontStyle", ""}, // the words are searched with their quotes
        {29, "Portrait Landscape", "Landscape"},
        {29, "landscape PrinterOrientation", "Portrait"},
        {30, "yes BlankSheet", "unchanged"},
        {31, "ON OFF", "unchanged"},
        {34, "", "unchanged"},
        {30, "on off", "on"},
        {31, "none", "on"},
        {34, "offset", "off"},
    };
    for (const auto& with : cases)
        EXPECT_EQ(shownAt.at(with.line)(parseSetupText(sampleWith(with.line, with.text))),
                  QString::fromUtf8(with.read))
            << with.text.constData();
}

TEST(SetupReader, AFaultyNumberNamesItsLine) {
    const struct {
        int line;
        QByteArray text;
        const char* message;
    } cases[] = {
        {8, "abc ValueFontSize", "'abc' is not a valid integer value (line 8, ValueFontSize)"},
        {8, "35", "'' is not a valid integer value (line 8, ValueFontSize)"},
        {1, "2147483648 X", "'2147483648' is not a valid integer value (line 1, NumberWide)"},
        {5, "0x10 X", "'0x10' is not a valid integer value (line 5, SheetType)"},
        {17, "\xD9\xA3 X", "'\xD9\xA3' is not a valid integer value (line 17, TextPlace)"},
        {28, "1.5 Printer", "'1.5' is not a valid integer value (line 28, Printer)"},
        {27, "three Copies", "'three' is not a valid integer value (line 27, Copies)"},
        // The size's text is converted with its points taken out.
        {32, "1.7x5 X", "'17x5' is not a valid integer value (line 32, AdvancedHeight)"},
        {33, "AdvancedWidth", "'' is not a valid integer value (line 33, AdvancedWidth)"},
        {46, "\"seven\" X", "'seven' is not a valid integer value (line 46, Tilette3Color)"},
    };
    for (const auto& with : cases)
        EXPECT_EQ(failureOf(sampleWith(with.line, with.text)), QString::fromUtf8(with.message));
    // A long value is quoted to 30 characters, none cut in two, however many units each takes.
    const QString smile = QStringLiteral("\U0001F642");
    for (const int count : {30, 31})
        EXPECT_EQ(failureOf(sampleWith(1, smile.repeated(count).toUtf8() + " X")),
                  QStringLiteral("'%1%2' is not a valid integer value (line 1, NumberWide)")
                      .arg(smile.repeated(30), count > 30 ? QStringLiteral("\u2026") : QString()));
}

TEST(SetupReader, TheExtensionNeedsMoreThanFifteenLines) {
    const QList<QByteArray> all = sampleLines();
    const QList<QByteArray> extra(8, "more text after the last line");
    const struct {
        QByteArray file;
        QString failure;
        bool extension;
    } cases[] = {
        {QByteArray(), outOfBounds(1, "NumberWide"), false},
        {fileOf(all.first(33)), outOfBounds(34, "AdvancedRatio"), false},
        {fileOf(all.first(34)), {}, false},
        {fileOf(all.first(35)), {}, false},
        {fileOf(all.first(49)), {}, false},
        {fileOf(all.first(50)), outOfBounds(51, "Tilette8Color"), false},
        {fileOf(all.first(51)), outOfBounds(52, "Tilette9Color"), false},
        {fileOf(all), {}, true},
        {fileOf(all + extra), {}, true},
    };
    for (const auto& with : cases) {
        EXPECT_EQ(failureOf(with.file), with.failure);
        if (with.failure.isEmpty()) {
            EXPECT_EQ(parseSetupText(with.file),
                      with.extension ? sampleRecord() : sampleWithoutExtension());
        }
    }
}

TEST(SetupReader, AnyLineEndAndNoLastLineEnd) {
    for (const QByteArray ending : {"\r", "\n", "\r\n"}) {
        EXPECT_EQ(parseSetupText(fileOf(sampleLines(), ending)), sampleRecord());
        EXPECT_EQ(parseSetupText(fileOf(sampleLines(), ending).chopped(ending.size())),
                  sampleRecord());
    }
}

TEST(SetupReader, ANulByteEndsTheText) {
    const QList<QByteArray> all = sampleLines();
    EXPECT_EQ(parseSetupText(fileOf(all.first(34)) + '\0' + fileOf(all.mid(34))),
              sampleWithoutExtension());
    EXPECT_EQ(failureOf(fileOf(all.first(19)) + '\0' + fileOf(all.mid(19))),
              outOfBounds(20, "Tilette3"));
    EXPECT_EQ(failureOf(sampleWith(6, QByteArray("\"Aug") + '\0' + " 17\" ValueText")),
              outOfBounds(7, "ValueFontName"));
}

TEST(SetupReader, OlderFilesInTheWindowsCodePage) {
    QList<QByteArray> lines = sampleLines();
    lines[5] = "\"Caf\xE9 \x80 5\" ValueText";
    lines[11] = "\"Zo\xEB\" TextText";
    lines[17] = "\"/home/l\xE9"
                "a/\x93stamp\x94.jpg\" Tilette1";
    SetupRecord expected = sampleRecord();
    expected.valueText = QStringLiteral("Café € 5");
    expected.captionText = QStringLiteral("Zoë");
    expected.pictures[0] = QStringLiteral("/home/léa/“stamp”.jpg");
    EXPECT_EQ(parseSetupText(fileOf(lines)), expected);
}
