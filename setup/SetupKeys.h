#pragma once

#include <QString>

// A setup file is read by position: line 1 is the across choice, line 2 the border, and so on.
// The key words after the values are only there for a person reading the file.
constexpr int setupBaseLineCount = 34;      // what every setup file has
constexpr int setupExtensionLineCount = 18; // slots' SaveName and ColorScheme
constexpr int setupLineCount = setupBaseLineCount + setupExtensionLineCount;

// The key word of a line, counted from 1: 1 "NumberWide" ... 52 "Tilette9Color".
QString setupKey(int line);
