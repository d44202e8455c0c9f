#pragma once

#include <QString>

// Texts of the window that are more than a caption.
namespace texts {
inline const QString windowTitle = QStringLiteral("Ambergate Tilettes Print");
inline const QString makerNotice =
    QStringLiteral("Tilettes \u00A9 Ambergate Inc. Make stamp sheets from your own pictures.");
inline const QString version = QStringLiteral("Version 1.0c 03-26-04");
inline const QString helpLine1 =
    QStringLiteral("Move the mouse over most areas of the window, will give you help.");
inline const QString helpLine2 = QStringLiteral("The help will be displayed instead of this text.");
inline const QString motto = QStringLiteral("\"Your own pictures, printed as a sheet of stamps.\"");
inline const QString guide = QStringLiteral(
    "Welcome to Tilettes.\n\n"
    "1. Click Continue and select the image for the first tilette.\n\n"
    "2. Choose the number of tilettes across the sheet, the border, the colors and the texts. "
    "The tilette is shown on the right while you choose.\n\n"
    "3. For a page type that needs more than four images, open the page \"Images 1 to 9\" "
    "and click each tilette box to select its image.\n\n"
    "4. To stop using an image, right-click it and choose Delete Image.\n\n"
    "5. Preview the sheet, then print it or save it.");
} // namespace texts
