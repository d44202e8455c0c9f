#pragma once

#include <QString>

// The desktop's list of recently used files (the XDG bookmark file recently-used.xbel, which file
// managers and file dialogs show), kept at listPath: path goes in as used now by this program, or
// is brought up to date when it is there already. Every other entry stays as it was. Gives false,
// and changes nothing, when the list cannot be read, made sense of, or written.
bool addToDesktopRecentFiles(const QString& listPath, const QString& path, const QString& mimeType);

// Where the desktop keeps that list: recently-used.xbel in the user's data folder.
QString desktopRecentFilesPath();
