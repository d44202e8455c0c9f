#include "setup/SetupRanges.h"

#include "sheet/PageType.h"
#include "tilette/FormatInches.h"

#include <algorithm>

namespace {
// The user is told the numbers the window shows, which for a choice stored as its place in a
// list is that place plus shownOffset.
void keepWithin(int& value, int lowest, int highest, const QString& what, QStringList& notes,
                int shownOffset = 0) {
    const int kept = std::clamp(value, lowest, highest);
    if (kept != value)
        notes << QStringLiteral("%1 %2 is not possible; %3 is used.")
                     .arg(what)
                     .arg(qint64(value) + shownOffset)
                     .arg(qint64(kept) + shownOffset);
    value = kept;
}

// A size is told in the inches the file and its field show; one out of range shows the size
// used.
void keepSizeWithin(int& position, QString& text, const QString& what, QStringList& notes) {
    const int kept = std::clamp(position, 50, 500);
    if (kept != position) {
        notes << QStringLiteral("%1 %2 is not possible; %3 is used.")
                     .arg(what, text, FormatInches(kept));
        text = FormatInches(kept);
    }
    position = kept;
}

int nearestColorScheme(int scheme) {
    if (scheme == 99 || (scheme >= 0 && scheme <= 20))
        return scheme;
    if (scheme < 0)
        return 0;
    return scheme - 20 < 99 - scheme ? 20 : 99;
}
} // namespace

SetupRecord withinControlRanges(SetupRecord record, QStringList& notes) {
    // The file holds the place of the choice in its list; the window shows 3 to 9 across.
    keepWithin(record.numberWide, 0, 6, QStringLiteral("Number across"), notes, 3);
    keepWithin(record.borderType, 0, 5, QStringLiteral("Border type"), notes);
    keepWithin(record.sheetType, 0, pageTypeCount - 1, QStringLiteral("Page type"), notes);
    keepWithin(record.valuePlace, 0, 3, QStringLiteral("Value corner"), notes);
    keepWithin(record.textPlace, 0, 3, QStringLiteral("Caption edge"), notes);
    keepWithin(record.copies, 1, 4, QStringLiteral("Copies"), notes);
    // Past a thousand points a letter outgrows any sheet; below one there is nothing to draw.
    keepWithin(record.valueFont.points, 1, 1000, QStringLiteral("Value font size"), notes);
    keepWithin(record.captionFont.points, 1, 1000, QStringLiteral("Caption font size"), notes);
    keepSizeWithin(record.heightPosition, record.heightText, QStringLiteral("Height"), notes);
    keepSizeWithin(record.widthPosition, record.widthText, QStringLiteral("Width"), notes);
    if (record.extension) {
        for (int entry = 0; entry < setupSlotCount; ++entry) {
            int& scheme = (*record.extension)[static_cast<size_t>(entry)].colorScheme;
            const int kept = nearestColorScheme(scheme);
            if (kept != scheme)
                notes << QStringLiteral("Colour scheme %1 of Tilette %2 is not possible; %3 is "
                                        "used.")
                             .arg(scheme)
                             .arg(entry + 1)
                             .arg(kept);
            scheme = kept;
        }
    }
    return record;
}
