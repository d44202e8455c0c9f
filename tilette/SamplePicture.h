#pragma once

#include "platform/Bitmap.h"

constexpr int samplePictureSize = 350;

// The built-in 350 × 350 landscape the About page's tilette is drawn from: sky, sun, hills,
// a cottage and a tree. Painted once, on first use.
const Bitmap& SamplePicture();
