#pragma once

#include "colour/Palettes.h"

#include <array>

// The 256 colours every picture is reduced to before it takes a scheme's colours:
//  - entries 0..215, a 6 x 6 x 6 cube with the levels 0, 51, 102, 153, 204 and 255 on each
//    channel, entry 36 r + 6 g + b for the level numbers r, g, b (so 0 is black, 215 white);
//  - entries 216..255, 40 greys in ascending order that fill the gaps between the cube's six
//    greys, 8 in each gap at 51 k + 51 j div 9 for j = 1..8.
// The cube keeps every hue; the extra greys keep the smooth grey and sepia ramps that most
// schemes are, which the cube alone would cut into six steps.
Palette halftonePalette();

// Finds the halftone colour nearest to a colour by squared RGB distance, the lowest index on a
// tie, without searching the palette: in the cube each channel can be matched on its own, and
// among the greys only the one nearest to the channel mean can win. A pixel then costs a few
// table lookups, which keeps recolouring a big picture quick.
class HalftoneMatcher {
  public:
    static const HalftoneMatcher& instance();

    int indexOf(int red, int green, int blue) const {
        const int cube = redPart_[red] + greenPart_[green] + levelOf_[blue];
        const int cubeDistance = levelError_[red] + levelError_[green] + levelError_[blue];
        const int sum = red + green + blue;
        const int grey = greyOfSum_[sum];
        const int greyDistance = (red - grey) * (red - grey) + (green - grey) * (green - grey) +
                                 (blue - grey) * (blue - grey);
        // A tie goes to the cube, whose entries come first.
        return greyDistance < cubeDistance ? greyIndexOfSum_[sum] : cube;
    }

    int indexOf(Colour c) const { return indexOf(redOf(c), greenOf(c), blueOf(c)); }

  private:
    HalftoneMatcher();

    std::array<int, 256> levelOf_{};        // nearest cube level number of a channel value
    std::array<int, 256> redPart_{};        // 36 times that
    std::array<int, 256> greenPart_{};      // 6 times that
    std::array<int, 256> levelError_{};     // squared distance to that level
    std::array<int, 766> greyOfSum_{};      // the extra grey nearest to a channel sum, as a value
    std::array<int, 766> greyIndexOfSum_{}; // and as a palette index
};
