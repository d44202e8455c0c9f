#include "sheet/ImageExport.h"

#include <gtest/gtest.h>

namespace {

const Colour dark = 0x102030;
const Colour light = 0xE0F0D0;

// One-pixel checks: any smoothing would give mixed colours.
Bitmap checkerboard(int width, int height) {
    Bitmap picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, (x + y) % 2 ? dark : light);
    return picture;
}

} // namespace

TEST(ImageExportTest, EmailCopiesAreStretchedPlainlyToTheirSize) {
    struct Case {
        ExportKind kind;
        int width, height, reducedWidth, reducedHeight;
    };
    // Sheets go to 75 pixels an inch, tilettes to 100; truncated, never rounded up.
    for (const Case& c : {Case{ExportKind::SheetForEmail, 1600, 2100, 600, 787},
                          Case{ExportKind::SheetForEmail, 15, 8, 5, 3},
                          Case{ExportKind::TiletteForEmail, 350, 351, 175, 175},
                          Case{ExportKind::TiletteForEmail, 7, 5, 3, 2}}) {
        const Bitmap source = checkerboard(c.width, c.height);
        const Bitmap reduced = exportPicture(c.kind, source);
        ASSERT_EQ(reduced.width(), c.reducedWidth) << c.width;
        ASSERT_EQ(reduced.height(), c.reducedHeight) << c.height;
        // Every pixel is the source pixel nearest to it, not a blend.
        for (int y = 0; y < reduced.height(); y += std::max(1, reduced.height() / 40))
            for (int x = 0; x < reduced.width(); x += std::max(1, reduced.width() / 40))
                EXPECT_TRUE(reduced.pixel(x, y) == dark || reduced.pixel(x, y) == light)
                    << x << "," << y;
    }

    // The whole picture is squeezed in, not its top-left corner cut out.
    Bitmap halves(400, 400, dark);
    for (int y = 200; y < 400; ++y)
        for (int x = 200; x < 400; ++x)
            halves.setPixel(x, y, light);
    for (ExportKind kind : {ExportKind::SheetForEmail, ExportKind::TiletteForEmail}) {
        const Bitmap reduced = exportPicture(kind, halves);
        EXPECT_EQ(reduced.pixel(0, 0), dark);
        EXPECT_EQ(reduced.pixel(reduced.width() - 1, reduced.height() - 1), light);
    }
}

TEST(ImageExportTest, BestAndGoodKeepThePictureAsItIs) {
    Bitmap indexed = Bitmap::indexed(5, 3, {colours::red, colours::green});
    indexed.setPixelIndex(4, 2, 1);
    for (ExportKind kind : {ExportKind::SheetBest, ExportKind::SheetGood, ExportKind::TiletteBest,
                            ExportKind::TiletteGood}) {
        const Bitmap kept = exportPicture(kind, indexed);
        EXPECT_TRUE(kept.isIndexed());
        EXPECT_EQ(kept.image(), indexed.image());
    }
}
