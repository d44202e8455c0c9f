#pragma once

// Pictures beyond these sizes would need gigabytes of memory; their headers are refused before
// anything is allocated for the pixels.
constexpr long long largestPictureSide = 30000;
constexpr long long largestPicturePixels = 300'000'000;

struct PictureLimits {
    long long side = largestPictureSide;
    long long pixels = largestPicturePixels;
};

// The limits every reader holds pictures to: the program keeps those above. The fuzzers lower
// them, since a file of a few bytes can declare a picture at the limits, and decoding one under
// the sanitizers takes longer than they give an input.
PictureLimits& pictureLimits();

inline bool isDecodableSize(long long width, long long height) {
    const PictureLimits& limits = pictureLimits();
    return width > 0 && height > 0 && width <= limits.side && height <= limits.side &&
           width * height <= limits.pixels;
}
