#include "model/scene.h"

#include <cmath>

namespace velantra {

void Form_Load(Scene& scene) {
    scene.X0 = 2.5;
    scene.Yo = 0.6;
    scene.a0 = Number::integer(45);
    scene.n1 = 1.000292;
    scene.nmin = 1.3333;
    scene.nmax = 1.4f;
}

double reduce_angle(double degrees) {
    if (!std::isfinite(degrees)) return 0.0;
    if (degrees >= -180.0 && degrees <= 180.0) return degrees;
    // fmod is exact, so a typed 200 becomes exactly -160 and 1e41 a true direction.
    double r = std::fmod(degrees, 360.0);
    if (r > 180.0) r -= 360.0;
    if (r <= -180.0) r += 360.0;
    return r;
}

float angle_rad(double a0_degrees) {
    return static_cast<float>(reduce_angle(a0_degrees) * 3.1415926535 / 180.0);
}

std::int32_t beep_duration_ms(double d) {
    // nearbyint rounds exact halves to the even neighbour in the default rounding mode.
    return static_cast<std::int32_t>(std::nearbyint(d * 12.0));
}

}  // namespace velantra
