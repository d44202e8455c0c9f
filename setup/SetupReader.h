#pragma once

#include "setup/SetupRecord.h"

#include <QByteArray>
#include <QStringList>

// Reads the lines of a setup file by their position; key words are never looked at. The whole
// file is checked before anything is returned, so a faulty file changes nothing. Throws
// UserError naming the first faulty line:
//   "The file ends after line 34, but a setup has 52 lines (line 35, Tilette1Save)" when the
//   file ends too early,
//   "'abc' is not a valid integer value (line 8, ValueFontSize)" for a number that is not one.
// The extension block (slots' save names and colour schemes) is read only when more than 15
// lines follow the base block; lines after the 52nd are ignored.
SetupRecord parseSetupLines(const QStringList& lines);

// The same from the bytes of a file (see setupTextLines for encodings and line ends).
SetupRecord parseSetupText(const QByteArray& bytes);
