#include "setup/SetupText.h"

#include "setup/Windows1252.h"

#include <QStringDecoder>

namespace {
QString decodedText(QByteArrayView bytes) {
    // Stateless, so that a sequence cut off at the end counts as invalid too.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    return utf8.hasError() ? fromWindows1252(bytes) : text;
}

QStringList splitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar c = text[at];
        if (c != u'\r' && c != u'\n')
            continue;
        lines << text.mid(start, at - start);
        if (c == u'\r' && at + 1 < text.size() && text[at + 1] == u'\n')
            ++at;
        start = at + 1;
    }
    if (start < text.size())
        lines << text.mid(start);
    return lines;
}
} // namespace

QStringList setupTextLines(const QByteArray& bytes) {
    const qsizetype end = bytes.indexOf('\0');
    return splitLines(decodedText(QByteArrayView(bytes).first(end < 0 ? bytes.size() : end)));
}

QByteArray setupTextOf(const QStringList& lines) {
    QByteArray text;
    for (const QString& line : lines)
        text += line.toUtf8() + "\r\n";
    return text;
}
