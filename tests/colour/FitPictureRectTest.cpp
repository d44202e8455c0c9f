#include "colour/FitPictureRect.h"

#include <gtest/gtest.h>

TEST(FitPictureRect, FullHeightWhenRelativelyTallerOtherwiseFullWidth) {
    const struct {
        int width, height, boxWidth, boxHeight;
        Rect expected;
    } cases[] = {
        // sx = 1600000 div 350 = 4571, sy = 3428: full width, 1200000 div 4571 = 262 rows.
        {1600, 1200, 350, 350, {0, 0, 350, 262}},
        // Tall: sy = 4571 > sx = 3428, 1200000 div 4571 = 262 columns.
        {1200, 1600, 350, 350, {0, 0, 262, 350}},
        // sy = 11428, 100000 div 11428 = 8.
        {100, 4000, 350, 350, {0, 0, 8, 350}},
        // sx = 17142, 1000000 div 17142 = 58.
        {6000, 1000, 350, 350, {0, 0, 350, 58}},
        {60000, 40000, 350, 350, {0, 0, 350, 233}},
        {350, 350, 350, 350, {0, 0, 350, 350}},
        {20, 10, 40, 10, {0, 0, 20, 10}},
        // Ties take the full width: sx = sy = 2 for a 1 x 1 picture, so it is 1000 div 2 = 500
        // high, more than the box.
        {1, 1, 350, 350, {0, 0, 350, 500}},
        {3, 2, 300, 200, {0, 0, 300, 200}},
        // Zero sizes count as 1: 0 x 700 has sx = 2, sy = 2000, 1000 div 2000 = 0 wide.
        {0, 700, 350, 350, {0, 0, 0, 350}},
        {700, 0, 350, 350, {0, 0, 350, 0}},
        {0, 0, 350, 350, {0, 0, 350, 500}},
        {10, 10, 0, 0, {0, 0, 1, 1}},
        // Both scales under one thousandth: the smallest scale keeps it drawable.
        {1, 1, 2000, 2000, {0, 0, 2000, 1000}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height << " in " << c.boxWidth
                                        << " x " << c.boxHeight);
        EXPECT_EQ(FitPictureRect(c.width, c.height, c.boxWidth, c.boxHeight), c.expected);
    }
}
