#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

// Acts on the next modal dialog of type DialogType as soon as its event loop shows it. The
// action runs inside the dialog's exec(), just as a user's click would.
template <typename DialogType> void whenShown(std::function<void(DialogType*)> act) {
    auto* poll = new QTimer(qApp);
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, act]() {
        auto* dialog = qobject_cast<DialogType*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll->stop();
        poll->deleteLater();
        act(dialog);
    });
    poll->start();
}
