#pragma once
// The fixed figures of the simulation, each said once: the π of every degree conversion,
// the colours it draws in, the extent of the picture and the step of the curved walk.

#include "surface/surface.h"

namespace velantra {

// Ten decimals, not the full-precision π: the printed angles are rounded from this one.
inline constexpr double kPi = 3.1415926535;  // NOLINT(modernize-use-std-numbers)

inline constexpr Colour kRay = RGB(255, 0, 0);  // rays and landmark circles
inline constexpr Colour kBlack = RGB(0, 0, 0);  // normals and axes
inline constexpr Colour kGrid = RGB(128, 255, 128);
inline constexpr Colour kArrow = RGB(243, 130, 54);  // the start-direction marker

// The picture in metres: x from 0 to 6, y from -1 (top) to 1 (bottom), boundary at y = 0.
inline constexpr int kXmin = 0, kXmax = 6, kYmin = -1, kYmax = 1;

// The curved path is drawn as chords this far apart in x.
inline constexpr double kStep = 0.01;

}  // namespace velantra
