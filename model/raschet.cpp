#include <cmath>

#include "model/format.h"
#include "model/simulation.h"

namespace velantra {

namespace {
constexpr Colour kRay = RGB(255, 0, 0);
constexpr double kPi = 3.1415926535;
}  // namespace

bool Simulation::segment(double x1, double y1, double x2, double y2, Colour colour) {
    const float fx1 = static_cast<float>(x1), fy1 = static_cast<float>(y1);
    const float fx2 = static_cast<float>(x2), fy2 = static_cast<float>(y2);
    if (!std::isfinite(fx1) || !std::isfinite(fy1) || !std::isfinite(fx2) || !std::isfinite(fy2))
        return false;
    picture_.Line(fx1, fy1, fx2, fy2, colour);
    return true;
}

// The perpendicular to the boundary at x, drawn thin; the ray goes on at width 2.
void Simulation::normal(double x) {
    picture_.setDrawWidth(1);
    segment(x, 0.5, x, -0.5, RGB(0, 0, 0));
}

void Simulation::raschet() {
    const Scene& s = scene;
    Run& r = run_;
    r.chords = 0;
    // Angles typed beyond ±180 take their direction in (-180, 180]; a0rad already does.
    const double a = reduce_angle(s.a0);
    const double tan_a = std::tan(static_cast<double>(s.a0rad));
    const double sin_a = std::sin(static_cast<double>(s.a0rad));
    const bool homogeneous = static_cast<double>(s.nmax) == s.nmin;

    if (s.Yo < 0) {
        if (a == 90) {
            segment(s.X0, s.Yo, 6, s.Yo, kRay);
            return;
        }
        if (a == -90) {
            segment(s.X0, s.Yo, 0, s.Yo, kRay);
            return;
        }
        if (a > 90 || a < -90) {
            r.Y1 = -1;
            r.X1 = s.X0 + (r.Y1 - s.Yo) * tan_a;
            segment(s.X0, s.Yo, r.X1, r.Y1, kRay);
            return;
        }
        r.Y1 = 0;
        r.X1 = s.X0 + (r.Y1 - s.Yo) * tan_a;
        segment(s.X0, s.Yo, r.X1, r.Y1, kRay);
        normal(r.X1);
        picture_.setDrawWidth(2);
        r.Y3 = -1.0f;
        r.X3 = r.X1 + ((static_cast<double>(r.Y3) - r.Y1) * (-1)) * tan_a;
        segment(r.X1, r.Y1, r.X3, r.Y3, kRay);

        // Snell's law into the top of the lower medium: n1·sin(a0) = nmin·sin(beta).
        r.sin_beta = (s.n1 / s.nmin) * sin_a;
        // n1 >= nmin can be left by a reset entry: a sine of 1 or more (or none at all)
        // is total reflection, and nothing enters the lower medium.
        if (!(std::fabs(r.sin_beta) < 1)) {
            display_.set_caption(ResultLabel::Label8,
                                 "|beta|=" + format_fixed(90, 2, decimal_separator) + " ");
            return;
        }
        r.tg_beta = r.sin_beta / std::sqrt(1 - std::pow(r.sin_beta, 2));
        r.beta_rad = static_cast<float>(std::atan(r.tg_beta));
        r.beta = static_cast<double>(r.beta_rad) * 180 / kPi;
        display_.set_caption(
            ResultLabel::Label8,
            "|beta|=" + format_fixed(std::fabs(r.beta), 2, decimal_separator) + " ");
        r.Y2 = 1;
        if (homogeneous) {
            r.X2 = r.X1 + (r.Y2 - r.Y1) * r.tg_beta;
            segment(r.X1, r.Y1, r.X2, r.Y2, kRay);
            return;
        }
        if (a != 0) {
            vertex(r.X1, r.Y1, r.beta_rad);
            crossings(r.X1, r.Y1, r.beta_rad);
        }
        curve_entry();
        return;
    }
    if (!(s.Yo > 0)) return;  // on the boundary: no run

    if (homogeneous) {
        if (a == 90) {
            segment(s.X0, s.Yo, 6, s.Yo, kRay);
            return;
        }
        if (a == -90) {
            segment(s.X0, s.Yo, 0, s.Yo, kRay);
            return;
        }
        if (a > 90 || a < -90) {
            r.Y1 = 0;
            r.X1 = s.X0 + (r.Y1 - s.Yo) * tan_a;
            segment(s.X0, s.Yo, r.X1, r.Y1, kRay);
            normal(r.X1);
            picture_.setDrawWidth(2);
            r.Y3 = 1.0f;
            r.X3 = r.X1 + ((static_cast<double>(r.Y3) - r.Y1) * (-1)) * tan_a;
            segment(r.X1, r.Y1, r.X3, r.Y3, kRay);
            // Going up the sine changes sign, so the refracted leg keeps the ray's side.
            r.sin_beta = (-s.nmin / s.n1) * sin_a;
            if (!(std::fabs(r.sin_beta) < 1)) {
                display_.set_caption(ResultLabel::Label8,
                                     "|beta|=" + format_fixed(90, 2, decimal_separator) + " ");
                return;
            }
            r.tg_beta = r.sin_beta / std::sqrt(1 - std::pow(r.sin_beta, 2));
            r.beta = std::atan(r.tg_beta) * 180 / kPi;
            display_.set_caption(
                ResultLabel::Label8,
                "|beta|=" + format_fixed(std::fabs(r.beta), 2, decimal_separator) + " ");
            r.Y2 = -1;
            r.X2 = r.X1 + (r.Y2 - r.Y1) * r.tg_beta;
            segment(r.X1, r.Y1, r.X2, r.Y2, kRay);
            return;
        }
        r.Y1 = 1;
        r.X1 = s.X0 + (r.Y1 - s.Yo) * tan_a;
        segment(s.X0, s.Yo, r.X1, r.Y1, kRay);
        return;
    }

    if (a != 0 && a != 180 && a != -180) {
        vertex(s.X0, s.Yo, scene.a0rad);
        crossings(s.X0, s.Yo, scene.a0rad);
    }
    curve_start();
}

}  // namespace velantra
