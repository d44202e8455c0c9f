#pragma once

// Pictures beyond these sizes would need gigabytes of memory; their headers are refused before
// anything is allocated for the pixels.
constexpr long long largestPictureSide = 30000;
constexpr long long largestPicturePixels = 300'000'000;

constexpr bool isDecodableSize(long long width, long long height) {
    return width > 0 && height > 0 && width <= largestPictureSide && height <= largestPictureSide &&
           width * height <= largestPicturePixels;
}
