#pragma once
// The device pixels a picture's back buffer has across a length of logical (CSS) pixels.

#include <cmath>

namespace velantra {

// Rounded up, so a fractional ratio still covers the last picture pixel; a product a hair
// above a whole number (700 × 1.1) keeps that number.
inline int device_pixels(int css_pixels, double ratio) {
    return static_cast<int>(std::ceil(css_pixels * ratio - 1e-9));
}

}  // namespace velantra
