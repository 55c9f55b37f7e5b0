#include "model/scene.h"

#include <cmath>
#include <limits>

#include "model/constants.h"

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
    if (degrees >= -180.0 && degrees <= 180.0) return degrees;
    // An angle without a value has no direction; straight down is as good as any.
    if (!std::isfinite(degrees)) return 0.0;
    double r = std::fmod(degrees, 360.0);  // exact, in (-360, 360)
    // Both corrections are exact: r and 360 lie within a factor of two of each other.
    if (r > 180.0) r -= 360.0;
    if (r <= -180.0) r += 360.0;
    return r;
}

float angle_rad(double a0_degrees) {
    return static_cast<float>(reduce_angle(a0_degrees) * kPi / 180.0);
}

std::int32_t beep_duration_ms(double d) {
    const double ms = std::nearbyint(d * 12.0);  // default rounding: halves to even
    if (!(ms == ms)) return 0;
    if (ms >= static_cast<double>(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    if (ms <= static_cast<double>(std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(ms);
}

}  // namespace velantra
