#pragma once

#include "platform/Geometry.h"

// Where a width x height picture goes in a boxWidth x boxHeight box, keeping its shape: it fills
// the full height when it is relatively taller, otherwise (ties included) the full width. The
// scales are whole thousandths, truncated, so the other side can come out a little larger than
// the box for a tiny picture (a 1 x 1 picture in 350 x 350 is 350 x 500); the preview clips it.
// The rectangle sits at the box's top-left corner, not centred. A zero size counts as 1.
Rect FitPictureRect(int width, int height, int boxWidth, int boxHeight);
