#include "platform/ui/BusyCursor.h"

#include <QApplication>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

bool showsOverride(Qt::CursorShape shape) {
    return QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == shape;
}

} // namespace

TEST(BusyCursor, HourglassUntilTheGuardEndsEvenByException) {
    ASSERT_EQ(QApplication::overrideCursor(), nullptr);
    QApplication::setOverrideCursor(Qt::CrossCursor); // the cursor shown before, e.g. a pick
    {
        const BusyCursor busy;
        EXPECT_TRUE(showsOverride(Qt::WaitCursor));
    }
    EXPECT_TRUE(showsOverride(Qt::CrossCursor));

    try {
        const BusyCursor busy;
        throw std::runtime_error("printer failed");
    } catch (const std::runtime_error&) {
        EXPECT_TRUE(showsOverride(Qt::CrossCursor));
    }
    QApplication::restoreOverrideCursor();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}
