#pragma once
// Small helpers shared by the procedures of the simulation.

#include <cmath>

#include "surface/surface.h"

namespace velantra::detail {

inline constexpr double kPi = 3.1415926535;
inline constexpr Colour kRed = RGB(255, 0, 0);
inline constexpr Colour kBlack = RGB(0, 0, 0);

// The surface takes single precision: a value is drawable when it stays finite there.
inline bool drawable(double v) { return std::isfinite(static_cast<float>(v)); }

// A ray segment, handed over in single precision; nothing that is not finite reaches it.
inline void ray_line(Surface& s, double x1, double y1, double x2, double y2, Colour colour = kRed) {
    if (!drawable(x1) || !drawable(y1) || !drawable(x2) || !drawable(y2)) return;
    s.Line(static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2),
           static_cast<float>(y2), colour);
}

// The normal to the boundary at x: width 1 just before it.
inline void normal(Surface& s, double x) {
    s.setDrawWidth(1);
    ray_line(s, x, 0.5, x, -0.5, kBlack);
}

}  // namespace velantra::detail
