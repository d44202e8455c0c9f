#include "tilette/FormatInches.h"

#include <QRegularExpression>

namespace {
QString formatMagnitude(long long magnitude) {
    QString digits = QString::number(magnitude).rightJustified(3, QLatin1Char('0'));
    return digits.insert(digits.size() - 2, QLatin1Char('.'));
}
} // namespace

QString FormatInches(int hundredths) {
    // Widened so that even the most negative value has a magnitude.
    const long long value = hundredths;
    if (value < 0)
        return QLatin1Char('-') + formatMagnitude(-value);
    return formatMagnitude(value);
}

std::optional<int> ParseInches(const QString& text) {
    // Four whole digits are far beyond any page and keep the sum within an int.
    static const QRegularExpression number(
        QStringLiteral(R"(^\s*(\d{0,4})(?:[.,](\d{0,2}))?\s*$)"));
    const QRegularExpressionMatch match = number.match(text);
    const QString whole = match.captured(1);
    const QString fraction = match.captured(2);
    if (!match.hasMatch() || (whole.isEmpty() && fraction.isEmpty()))
        return std::nullopt;
    return whole.toInt() * 100 + fraction.leftJustified(2, QLatin1Char('0')).toInt();
}
