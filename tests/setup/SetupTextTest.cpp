#include "setup/SetupText.h"
#include "SampleSetup.h" // for printing texts
#include "setup/Windows1252.h"

#include <gtest/gtest.h>

TEST(SetupText, LinesAndTheirEnds) {
    const struct {
        QByteArray bytes;
        QStringList lines;
    } cases[] = {
        {"a\r\r\nb\n\rc", {"a", "", "b", "", "c"}}, // CR LF is one end, LF CR two
        {"\r\n", {""}},
        {"", {}},
        {QByteArray(1, '\0') + "a", {}},
    };
    for (const auto& with : cases)
        EXPECT_EQ(setupTextLines(with.bytes), with.lines) << with.bytes.toPercentEncoding().data();
}

TEST(SetupText, UtfEightUnlessItIsNot) {
    const struct {
        QByteArray bytes;
        QString text;
    } cases[] = {
        {"Zo\xC3\xAB \xE6\x9D\xB1", QStringLiteral("Zoë 東")},
        {"\xEF\xBB\xBF"
         "abc",
         QStringLiteral("abc")},
        // One faulty byte anywhere makes the whole file the older code page.
        {"Zo\xC3\xAB \xE9", QStringLiteral("ZoÃ« é")},
        {"\xC0\xAF", QStringLiteral("À¯")},           // too long a form for '/'
        {"\xED\xA0\x80", QStringLiteral("í\u00A0€")}, // a lone surrogate
        {"ab\xC3", QStringLiteral("abÃ")},            // cut off at the end
    };
    for (const auto& with : cases)
        EXPECT_EQ(setupTextLines(with.bytes), QStringList{with.text});
}

TEST(SetupText, WindowsCodePageMarks) {
    const struct {
        char byte;
        char16_t character;
    } cases[] = {{'A', u'A'},      {'\x80', u'€'}, {'\x81', 0x0081}, {'\x8A', u'Š'},
                 {'\x8D', 0x008D}, {'\x93', u'“'}, {'\x97', u'—'},   {'\x9F', u'Ÿ'},
                 {'\xA0', 0x00A0}, {'\xE9', u'é'}, {'\xFF', u'ÿ'}};
    for (const auto& with : cases)
        EXPECT_EQ(fromWindows1252(QByteArrayView(&with.byte, 1)), QString(QChar(with.character)))
            << int(static_cast<unsigned char>(with.byte));
}
