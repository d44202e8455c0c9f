#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <functional>

// Acts on the next modal dialog of type DialogType as soon as its event loop shows it. The
// action runs inside the dialog's exec(), just as a user's click would. A dialog the action
// leaves open is rejected after a few seconds, so that a failing test fails instead of
// waiting for a user who never comes.
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
        QTimer::singleShot(5000, [left = QPointer<QDialog>(dialog)]() {
            if (left && left->isVisible())
                left->reject();
        });
    });
    poll->start();
}

// Runs the event loop until done() holds or about three seconds have passed.
inline bool processEventsUntil(const std::function<bool()>& done) {
    for (int wait = 0; wait < 300 && !done(); ++wait)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}
