#pragma once

#include <QString>

class QObject;

// Hints are kept on the widgets themselves and shown in the help line, never as tooltips.
void setHint(QObject* object, const QString& hint);
QString hintOf(const QObject* object);
// The long part of a hint: what follows a "|", or all of it.
QString longHint(const QString& hint);
