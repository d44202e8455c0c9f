#pragma once

#include "setup/SetupRecord.h"

#include <QString>
#include <array>

// Setup files travel between machines: a picture named by a path of another system is looked
// for by its file name in the setup file's folder.
QString besideSetup(const QString& named, const QString& setupFolder);

// The file a setup's picture name stands for: the name itself when it is a file (a relative
// name taken from the setup's folder, not the working folder), else the file
// of that name beside the setup when there is one, else the name as it was (empty stays empty),
// so that reading it reports the name the setup gave.
QString findPicture(const QString& named, const QString& setupFolder);

// findPicture for each of the setup's slots 1 to 9.
std::array<QString, setupSlotCount> findPictures(const SetupRecord& record,
                                                 const QString& setupFolder);
