#pragma once

#include <QString>
#include <QStringList>

// The setups opened or saved last, newest first, kept in the program's settings from one start
// to the next.
constexpr int recentSetupCount = 8;

QStringList recentSetups();
// Puts path first in the program's list, and in the desktop's list of recently used files.
void rememberSetup(const QString& path);

// The list with path first, named once, at most recentSetupCount long.
QStringList withNewest(QStringList list, const QString& path);
