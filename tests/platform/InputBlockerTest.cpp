#include "platform/ui/InputBlocker.h"

#include <QAction>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

namespace {
// A window with a button and a Ctrl+O item, counting what reached them.
struct CountingWindow {
    CountingWindow() {
        auto* layout = new QVBoxLayout(&window);
        button = new QPushButton(QStringLiteral("Go"), &window);
        layout->addWidget(button);
        auto* open = new QAction(&window);
        open->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
        window.addAction(open);
        QObject::connect(button, &QPushButton::clicked, [this] { ++clicks; });
        QObject::connect(open, &QAction::triggered, [this] { ++shortcuts; });
        window.show();
        activate();
    }
    void activate() {
        window.activateWindow();
        button->setFocus();
        (void)QTest::qWaitForWindowActive(&window);
    }
    void useBoth() {
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::keyClick(button, Qt::Key_O, Qt::ControlModifier);
        QTest::keyClick(button, Qt::Key_Space);
    }
    QWidget window;
    QPushButton* button = nullptr;
    int clicks = 0;
    int shortcuts = 0;
};
} // namespace

TEST(InputBlocker, NothingReachesTheWindowWhileItLivesAndNothingIsQueued) {
    CountingWindow blocked;
    {
        const InputBlocker blocker(&blocked.window);
        blocked.useBoth();
        QCoreApplication::processEvents();
        EXPECT_EQ(blocked.clicks, 0);
        EXPECT_EQ(blocked.shortcuts, 0);
        // Another window goes on working.
        CountingWindow other;
        other.useBoth();
        EXPECT_EQ(other.clicks, 2); // a click and the space bar
        EXPECT_EQ(other.shortcuts, 1);
    }
    blocked.activate();
    QCoreApplication::processEvents();
    EXPECT_EQ(blocked.clicks, 0);
    blocked.useBoth();
    EXPECT_EQ(blocked.clicks, 2);
    EXPECT_EQ(blocked.shortcuts, 1);
}
