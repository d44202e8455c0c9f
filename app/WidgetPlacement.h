#pragma once

#include "app/Hint.h"

#include <QString>
#include <QWidget>

// Gives a control its name and its place (x, y, width, height) within its parent.
template <typename Control>
Control* place(Control* control, const QString& name, int x, int y, int width, int height,
               const QString& hint = {}) {
    control->setObjectName(name);
    control->setGeometry(x, y, width, height);
    if (!hint.isEmpty())
        setHint(control, hint);
    return control;
}
