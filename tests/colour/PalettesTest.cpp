#include "colour/Palettes.h"

#include <gtest/gtest.h>

namespace {
struct Entry {
    int index;
    int red, green, blue;
};

void expectEntries(const Palette& palette, std::initializer_list<Entry> entries) {
    ASSERT_EQ(palette.size(), 256u);
    for (const Entry& e : entries) {
        SCOPED_TRACE(e.index);
        EXPECT_EQ(redOf(palette[e.index]), e.red);
        EXPECT_EQ(greenOf(palette[e.index]), e.green);
        EXPECT_EQ(blueOf(palette[e.index]), e.blue);
    }
}
} // namespace

TEST(TintPalette, ZeroFactorKeepsTheChannelFullOthersWrap) {
    // Red: i * 3 mod 256; green: factor 0, always 255; blue: i * 128 mod 256 is 0 or 128.
    expectEntries(BuildTintPalette({3, 0, 128}), {{0, 0, 255, 0},
                                                  {1, 3, 255, 128},
                                                  {2, 6, 255, 0},
                                                  {100, 44, 255, 0},
                                                  {255, 253, 255, 128}});
    // 255 is 256 - i for i >= 1: "1 - Blue" runs from blue through white to pale blue.
    expectEntries(BuildTintPalette({255, 255, 0}),
                  {{0, 0, 0, 255}, {1, 255, 255, 255}, {2, 254, 254, 255}, {255, 1, 1, 255}});
}

TEST(TintPalette, FactorsAreNeverClamped) {
    // 257 i mod 256 is i; -1 keeps the low byte of -i; a huge factor keeps only the low 8 bits
    // of the product too (0x01000002 * 3 ends in 6).
    expectEntries(BuildTintPalette({257, -1, 0x01000002}),
                  {{0, 0, 0, 0}, {1, 1, 255, 2}, {3, 3, 253, 6}, {200, 200, 56, 144}});
}

TEST(ShadePalette, ProductsModuloTwoHundredFiftySix) {
    // "8 - Gray Scale".
    expectEntries(BuildShadePalette({255, 255, 255}),
                  {{0, 0, 0, 0}, {1, 255, 255, 255}, {128, 128, 128, 128}, {255, 1, 1, 1}});
    // A zero factor is black in a shade, not full as in a tint.
    expectEntries(BuildShadePalette({255, 255, 0}),
                  {{0, 0, 0, 0}, {1, 255, 255, 0}, {2, 254, 254, 0}});
    expectEntries(BuildShadePalette({2, 256, -2}),
                  {{1, 2, 0, 254}, {127, 254, 0, 2}, {128, 0, 0, 0}, {200, 144, 0, 112}});
}

TEST(BlackWhitePalette, TwoBlacksThenWhite) {
    const Palette palette = BuildBlackWhitePalette();
    ASSERT_EQ(palette.size(), 256u);
    for (int i = 0; i < 256; ++i)
        EXPECT_EQ(palette[i], i < 2 ? 0x000000u : 0xFFFFFFu) << i;
}

TEST(TonePalette, RampPlusOffsetsWithAFixedLastEntry) {
    // Without offsets the ramp itself: 100 * 0.55078 = 55, 100 * 0.70312 = 70, 100 * 0.64844 = 64.
    expectEntries(BuildTonePalette({0, 0, 0}), {{0, 0, 0, 0},
                                                {1, 0, 0, 0},
                                                {2, 1, 1, 1},
                                                {100, 55, 70, 64},
                                                {254, 139, 178, 164},
                                                {255, 255, 255, 234}});
    // "0 - Sepia": 128 gives 70 + 107, 89 + 71, 83 + 59.
    expectEntries(
        BuildTonePalette({107, 71, 59}),
        {{0, 107, 71, 59}, {128, 177, 160, 142}, {254, 246, 249, 223}, {255, 255, 255, 234}});
    // Offsets past either end of a byte stop there.
    expectEntries(BuildTonePalette({-1, 256, 300}), {{0, 0, 255, 255}, {2, 0, 255, 255}});
}
