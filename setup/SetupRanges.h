#pragma once

#include "setup/SetupRecord.h"

#include <QStringList>

// A setup file may hold numbers no control can take (an across index of 12, 9 copies). Each
// goes to the nearest value its control has, and notes gets a line telling the user which:
// "Number across 15 is not possible; 9 is used." for a choice of 12, told as the number across
// the window shows. Sizes are told in inches, and their texts become the size used: "Height
// 9999.99 is not possible; 5.00 is used." Colour schemes are 0 to 20, or 99 for none.
// Everything else is passed on as it is.
SetupRecord withinControlRanges(SetupRecord record, QStringList& notes);
