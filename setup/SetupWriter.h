#pragma once

#include "setup/SetupRecord.h"

#include <QByteArray>
#include <QStringList>

// The 52 lines of a setup file, without their line ends. Texts go in as they are: a double
// quote in a text cuts it short when it is read back. A switch the record leaves open is written
// "off"; a record without the slots' save names writes the slots' start values (no save name,
// colour scheme 99), since every file gets both blocks.
QStringList setupFileLines(const SetupRecord& record);

// The whole file as it is stored: those lines in UTF-8, each ended by CR LF.
QByteArray setupFileText(const SetupRecord& record);
