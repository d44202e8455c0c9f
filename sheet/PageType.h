#pragma once

#include <QString>
#include <QStringList>

// How the user's slots are spread over the sheet's grid.
enum class PageType {
    OneImage = 0,
    Checkerboard = 1,
    BlockOf4 = 2,
    BlockOf9 = 3,
    EachRowDifferent = 4,
    Frame = 5, // only the outer ring of cells is filled
    FillWithAll = 6,
};

constexpr int pageTypeCount = 7;

// The page types' items in the window, in index order.
QStringList pageTypeItems();

// Slots 1 to this number must all be in use (0: the page type takes whatever is in use).
int requiredSlots(PageType type);

// What the user is told when the required slots are not in use; empty for "One image", which
// fails without a word.
QString missingSlotsMessage(PageType type);
