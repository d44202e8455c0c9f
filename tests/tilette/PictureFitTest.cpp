#include "tilette/PictureFit.h"

#include <gtest/gtest.h>

TEST(PictureFit, FitsInsideTheFrameKeepingTheShape) {
    EXPECT_EQ(fitPicture(316, 316, 350, 350), (Rect{25, 25, 291, 291}));
    // 300 * 270 / 400 = 202 rows: exactly the room there is.
    EXPECT_EQ(fitPicture(320, 252, 400, 300), (Rect{25, 25, 295, 227}));
    // Too tall for the width: the height limits, 300 * 270 / 400 = 202 wide, centred.
    EXPECT_EQ(fitPicture(320, 320, 300, 400), (Rect{59, 25, 261, 295}));
    // A very wide picture is a thin centred strip: 10 * 270 / 1000 = 2 rows.
    EXPECT_EQ(fitPicture(320, 320, 1000, 10), (Rect{25, 159, 295, 161}));
}

TEST(PictureFit, PictureWithoutSizeGetsNoRoom) {
    EXPECT_EQ(fitPicture(320, 320, 0, 300), Rect{});
    EXPECT_EQ(fitPicture(320, 320, 300, 0), Rect{});
    EXPECT_EQ(fitPicture(320, 320, -4, 300), Rect{});
}

TEST(PreviewRect, FollowsThePictureForTheFirstSlots) {
    const Rect previous{0, 0, 350, 350};
    EXPECT_EQ(previewRectFor(true, 300, 400, previous, false, true, 320, 320),
              (Rect{0, 0, 275, 350}));
    EXPECT_EQ(previewRectFor(true, 400, 300, previous, false, true, 320, 320),
              (Rect{0, 0, 350, 275}));
    EXPECT_EQ(previewRectFor(true, 350, 350, previous, false, true, 320, 320),
              (Rect{0, 0, 350, 350}));
    // Other slots keep what slot 1 set.
    const Rect fromSlotOne{0, 0, 275, 350};
    EXPECT_EQ(previewRectFor(false, 400, 300, fromSlotOne, false, true, 320, 320), fromSlotOne);
}

TEST(PreviewRect, FreelySizedTiletteTakesItsOwnShape) {
    const Rect previous{3, 4, 275, 350};
    // Taller than wide: 200 * 300 / 400 + 50 across.
    EXPECT_EQ(previewRectFor(false, 400, 300, previous, true, false, 200, 400),
              (Rect{3, 4, 200, 350}));
    EXPECT_EQ(previewRectFor(false, 400, 300, previous, true, false, 400, 200),
              (Rect{3, 4, 350, 200}));
    // The tilette's shape wins over the picture's for slot 1 as well.
    EXPECT_EQ(previewRectFor(true, 300, 400, previous, true, false, 400, 100),
              (Rect{0, 0, 350, 125}));
    // Keeping the ratio leaves the picture's shape.
    EXPECT_EQ(previewRectFor(true, 300, 400, previous, true, true, 400, 100),
              (Rect{0, 0, 275, 350}));
}
