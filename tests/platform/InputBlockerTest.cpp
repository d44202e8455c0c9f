#include "platform/ui/InputBlocker.h"

#include <QAction>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {
// A window that is a button with a Ctrl+O item, counting what reached them.
struct CountingWindow {
    CountingWindow() {
        auto* open = new QAction(&button);
        open->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
        button.addAction(open);
        QObject::connect(&button, &QPushButton::clicked, [this] { ++clicks; });
        QObject::connect(open, &QAction::triggered, [this] { ++shortcuts; });
        button.show();
        activate();
    }
    void activate() {
        button.activateWindow();
        button.setFocus();
        (void)QTest::qWaitForWindowActive(&button);
    }
    void useBoth() {
        QTest::mouseClick(&button, Qt::LeftButton);
        QTest::keyClick(&button, Qt::Key_O, Qt::ControlModifier);
        QTest::keyClick(&button, Qt::Key_Space);
    }
    QPushButton button{QStringLiteral("Go")};
    int clicks = 0;
    int shortcuts = 0;
};
} // namespace

TEST(InputBlocker, NothingReachesTheWindowWhileItLivesAndNothingIsQueued) {
    CountingWindow blocked;
    {
        const InputBlocker blocker(&blocked.button);
        blocked.useBoth();
        QCoreApplication::processEvents();
        EXPECT_EQ(std::pair(blocked.clicks, blocked.shortcuts), std::pair(0, 0));
        // Another window goes on working: a click and the space bar, and the shortcut.
        CountingWindow other;
        other.useBoth();
        EXPECT_EQ(std::pair(other.clicks, other.shortcuts), std::pair(2, 1));
    }
    blocked.activate();
    QCoreApplication::processEvents();
    EXPECT_EQ(blocked.clicks, 0);
    blocked.useBoth();
    EXPECT_EQ(std::pair(blocked.clicks, blocked.shortcuts), std::pair(2, 1));
}
