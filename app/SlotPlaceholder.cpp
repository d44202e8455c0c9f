#include "app/SlotPlaceholder.h"

#include "platform/Canvas.h"

Bitmap SlotPlaceholder(int number) {
    Bitmap picture(900, 900, colours::paleYellow);
    Canvas canvas(picture);
    canvas.setFont({QStringLiteral("Times New Roman"), 200, colours::green});
    const QString text = QString::number(number);
    canvas.textOut(150 - canvas.textWidth(text) / 2, 300, text);
    return picture;
}
