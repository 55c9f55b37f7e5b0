#pragma once
// The window-level variables of the simulation, with the types they are held in.
// Lengths in metres, x to the right, y downward; the boundary is y = 0, the graded
// lower medium 0 <= y <= 1 with n(y) = nmin + (nmax - nmin)·y. Angles in degrees from
// the downward vertical, positive toward +x. Single precision where the values are
// rounded to single when stored: the printed figures depend on that rounding.

#include <cstdint>

#include "model/number.h"

namespace velantra {

struct Scene {
    // What the user sets.
    double X0 = 0.0;    // x of the ray's start
    double Yo = 0.0;    // y of the ray's start (positive: inside the lower medium)
    Number a0;          // start angle, degrees
    float a0rad = 0;    // a0 in radians, set with a0 by Simulation::set_angle
    double n1 = 0.0;    // upper medium
    double nmin = 0.0;  // lower medium at y = 0
    float nmax = 0;     // lower medium at y = 1

    // Derived by parametr; keeps its value while nmax equals nmin.
    double n_otn_inv = 0.0;  // nmin / (nmax - nmin)

    // The plot frame, set by minmax.
    std::int16_t Xmin = 0, Xmax = 0, Ymin = 0, Ymax = 0;

    // Where the path runs level, set by vertex.
    double X90 = 0.0, Y90 = 0.0;
};

// The start-up values: X0 2.5, Yo 0.6, a0 45 (integer), n1 1.000292, nmin 1.3333, nmax 1.4f.
void Form_Load(Scene& scene);

// The conversion of the angle input: single(a0 × kPi / 180) of the angle
// reduced to (-180, 180].
float angle_rad(double a0_degrees);

// Exactly reduces an angle to (-180, 180]; angles within ±180 come back untouched.
double reduce_angle(double degrees);

// The tone duration of beep(d) in milliseconds: d × 12 rounded half to even.
std::int32_t beep_duration_ms(double d);

}  // namespace velantra
