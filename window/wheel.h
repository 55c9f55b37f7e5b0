#pragma once
// A wheel's turn as the logic reads it, from whichever platform turned it.

namespace velantra {

// A wheel notch as the logic counts its turn, and the lines it steps where the user's system
// sets nothing else.
inline constexpr int kWheelNotch = 120;
inline constexpr int kWheelLines = 3;

// In 1/kWheelNotch notches: y positive away from the user, x positive to the left, toward
// the top (left) end of a bar either way.
struct WheelTurn {
    int x = 0;
    int y = 0;
};

// A browser's notch: 100 pixels, or the system's lines a notch, which a page cannot read. The
// notch counted at the default lines steps those lines again at kWheelLines, whatever the system
// sets.
inline constexpr double kBrowserNotchPixels = 100;
inline constexpr double kBrowserNotchLines = kWheelLines;

// A browser wheel event's deltas (positive right and down) in pixels (mode 0), lines (1) or
// pages (2, a page a notch), as a turn rounded to the nearest unit, halves upward.
WheelTurn page_wheel_turn(double delta_x, double delta_y, int delta_mode);

}  // namespace velantra
