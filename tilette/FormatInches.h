#pragma once

#include <QString>
#include <optional>

// Hundredths of an inch as the user reads them: 175 -> "1.75", 5 -> "0.05", -50 -> "-0.50".
QString FormatInches(int hundredths);

// A size the user typed in inches, as hundredths: "2.5" -> 250, "2" -> 200, ".75" -> 75, with a
// point or a comma. Nothing for text that is no such number, or has more than two decimals.
std::optional<int> ParseInches(const QString& text);
