#pragma once

#include <cmath>

namespace velantra {

// Scroll values round half to even, as a 16-bit integer; beyond that range (a start point
// far outside the picture) they stop at its ends, and the bar holds them within its own.
inline int scroll_value(double v) {
    if (!(std::fabs(v) < 32768.0)) return v < 0 ? -32768 : 32767;
    return static_cast<int>(std::nearbyint(v));
}

}  // namespace velantra
