#pragma once

#include "setup/SetupRecord.h"

#include <QByteArray>
#include <QString>

// Stores a setup file's text in one go. The text goes to a new file beside the target, which
// replaces the target only once it is complete: when anything fails, an old file keeps its
// content. Throws UserError "Cannot create file "<path>". <reason>".
void saveSetupFile(const QString& path, const QByteArray& text);

// Larger files are refused before they are read.
constexpr qint64 largestSetupFile = qint64(1) << 20;

// Reads and checks a whole setup file (see parseSetupLines). Throws UserError: "Cannot open
// file "<path>". <reason>" when it cannot be read, or the message of its first faulty line.
SetupRecord readSetupFile(const QString& path);
