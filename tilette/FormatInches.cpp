#include "tilette/FormatInches.h"

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
