#pragma once

#include <QByteArrayView>
#include <QString>

// Older setup files were written in the Western Windows code page. Its bytes 0xA0 to 0xFF are
// Latin-1; 0x80 to 0x9F hold typographic marks, and its five unused places are read as the
// control characters of the same number.
QString fromWindows1252(QByteArrayView bytes);
