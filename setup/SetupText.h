#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The lines of a setup file's text. A NUL byte ends the text; lines may end in CR LF, LF or CR,
// and the last line needs no ending. The text is UTF-8 (a byte-order mark is skipped) unless it
// is not valid UTF-8, which marks a file of the older Windows code page.
QStringList setupTextLines(const QByteArray& bytes);

// Lines as a setup file holds them: UTF-8 without a byte-order mark, every line ended by CR LF.
QByteArray setupTextOf(const QStringList& lines);
