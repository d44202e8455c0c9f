#pragma once

#include <QString>

// Hundredths of an inch as the user reads them: 175 -> "1.75", 5 -> "0.05", -50 -> "-0.50".
QString FormatInches(int hundredths);
