#include "sheet/PageType.h"

QStringList pageTypeItems() {
    // The last item's trailing blank is part of the program's own text.
    return {QStringLiteral("One image"),
            QStringLiteral("2 image checkerboard"),
            QStringLiteral("Block of 4 images"),
            QStringLiteral("Block of 9 images"),
            QStringLiteral("Each row different image"),
            QStringLiteral("Frame"),
            QStringLiteral("Use all images to fill sheet ")};
}

int requiredSlots(PageType type) {
    switch (type) {
    case PageType::OneImage:
        return 1;
    case PageType::Checkerboard:
        return 2;
    case PageType::BlockOf4:
        return 4;
    case PageType::BlockOf9:
        return 9;
    default:
        return 0;
    }
}

QString missingSlotsMessage(PageType type) {
    const int required = requiredSlots(type);
    if (required < 2)
        return {};
    return QStringLiteral("Must have %1 images selected to use this option.").arg(required);
}
