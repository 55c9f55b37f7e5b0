#include "window/wheel.h"

#include <cmath>
#include <limits>

namespace velantra {

namespace {

// v − floor(v) is exact, so a half goes up as a browser rounds it, −1.5 to −1 included.
int units_of(double delta, int mode) {
    const double notches = mode == 0   ? delta / kBrowserNotchPixels
                           : mode == 1 ? delta / kBrowserNotchLines
                                       : delta;
    const double turn = -notches * kWheelNotch;
    if (!std::isfinite(turn)) return 0;
    double whole = std::floor(turn);
    if (turn - whole >= 0.5) whole += 1;
    constexpr double lo = std::numeric_limits<int>::min(), hi = std::numeric_limits<int>::max();
    return static_cast<int>(whole < lo ? lo : whole > hi ? hi : whole);
}

}  // namespace

WheelTurn page_wheel_turn(double delta_x, double delta_y, int delta_mode) {
    return {units_of(delta_x, delta_mode), units_of(delta_y, delta_mode)};
}

}  // namespace velantra
