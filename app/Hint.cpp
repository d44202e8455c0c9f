#include "app/Hint.h"

#include <QObject>
#include <QVariant>

namespace {
constexpr const char* hintProperty = "hint";
}

void setHint(QObject* object, const QString& hint) {
    object->setProperty(hintProperty, hint);
}

QString hintOf(const QObject* object) {
    return object->property(hintProperty).toString();
}

QString longHint(const QString& hint) {
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}
