#include "colour/HalftonePalette.h"

namespace {
constexpr int cubeLevels = 6;
constexpr int cubeStep = 51; // 255 / (cubeLevels - 1)
constexpr int cubeSize = cubeLevels * cubeLevels * cubeLevels;
constexpr int greysPerGap = 8;
constexpr int extraGreys = (cubeLevels - 1) * greysPerGap;
static_assert(cubeSize + extraGreys == paletteSize);

int extraGreyLevel(int grey) {
    const int gap = grey / greysPerGap;
    const int step = grey % greysPerGap + 1;
    return cubeStep * gap + cubeStep * step / (greysPerGap + 1);
}

// The cube level nearest to a channel value. The step is odd, so a value is never half way
// between two levels and the nearest one is unique.
int nearestLevel(int value) {
    return (value + cubeStep / 2) / cubeStep;
}
} // namespace

Palette halftonePalette() {
    Palette palette;
    palette.reserve(paletteSize);
    for (int r = 0; r < cubeLevels; ++r)
        for (int g = 0; g < cubeLevels; ++g)
            for (int b = 0; b < cubeLevels; ++b)
                palette.push_back(makeColour(r * cubeStep, g * cubeStep, b * cubeStep));
    for (int grey = 0; grey < extraGreys; ++grey) {
        const int level = extraGreyLevel(grey);
        palette.push_back(makeColour(level, level, level));
    }
    return palette;
}

const HalftoneMatcher& HalftoneMatcher::instance() {
    static const HalftoneMatcher matcher;
    return matcher;
}

HalftoneMatcher::HalftoneMatcher() {
    for (int value = 0; value < 256; ++value) {
        const int level = nearestLevel(value);
        const int error = value - level * cubeStep;
        levelOf_[value] = level;
        redPart_[value] = level * cubeLevels * cubeLevels;
        greenPart_[value] = level * cubeLevels;
        levelError_[value] = error * error;
    }
    // For a fixed channel sum s the squared distance to the grey (v, v, v) is
    // ((3 v - s)^2 + const) / 3, so the best grey depends on the sum alone. Greys ascend, so
    // the strict comparison keeps the lower index on a tie.
    for (int sum = 0; sum < static_cast<int>(greyOfSum_.size()); ++sum) {
        int best = 0;
        for (int grey = 1; grey < extraGreys; ++grey) {
            const int candidate = 3 * extraGreyLevel(grey) - sum;
            const int current = 3 * extraGreyLevel(best) - sum;
            if (candidate * candidate < current * current)
                best = grey;
        }
        greyOfSum_[sum] = extraGreyLevel(best);
        greyIndexOfSum_[sum] = cubeSize + best;
    }
}
