#include <cmath>
#include <limits>

#include "model/format.h"
#include "model/simulation.h"
#include "model/simulation_detail.h"

namespace velantra {

using detail::kPi;
using detail::normal;
using detail::ray_line;

namespace {

// The catenary through (xs, ys) with direction theta from the downward vertical, for an
// index proportional to y + P: y = Yc·(sin²(θ/2)·e^(−u) + cos²(θ/2)·e^u) − P.
double path_y(double x, double xs, double Yc, double sin_theta, double theta, double P) {
    const double u = ((x - xs) / Yc) / sin_theta;
    return Yc * (std::pow(std::sin(theta / 2), 2) * std::exp(-u) +
                 std::pow(std::cos(theta / 2), 2) * std::exp(u)) -
           P;
}

const char* const kInfo = "Информация";

}  // namespace

void Simulation::curve_entry() {
    Run& r = run_;
    const double P = scene.n_otn_inv;
    const double theta = static_cast<double>(r.beta_rad);
    const double dx = r.beta > 0 ? 0.01 : -0.01;
    double xp = r.X1;
    float yp = 0.0f;
    double x = r.X1;
    double y = 0.0;
    const double Yc = 0 + P;
    while (y < 1) {
        if (r.beta == 0) return ray_line(picture_, xp, static_cast<double>(yp), xp, 1);
        x = xp + dx;
        y = path_y(x, r.X1, Yc, std::sin(theta), theta, P);
        // Overflowing exponentials end the walk as an edge would.
        if (!detail::drawable(x) || !detail::drawable(y)) return;
        ray_line(picture_, xp, static_cast<double>(yp), x, y);
        ++r.chords;
        xp = x;
        yp = static_cast<float>(y);
        if (y < 0) {
            normal(picture_, x);
            display_.message(
                "Во второй точке преломления отраженный в нижнюю среду луч и преломленный "
                "в верхнюю среду луч аналогичны первой точке!",
                kInfo);
            return;
        }
        if (x > 6) return;
        if (x < 0) return;
    }
}

void Simulation::curve_start() {
    Scene& s = scene;
    Run& r = run_;
    const double P = s.n_otn_inv;
    const double a = reduce_angle(s.a0);
    const double theta = static_cast<double>(s.a0rad);
    double dx = s.a0rad > 0.0f ? 0.01 : -0.01;
    double xp = s.X0;
    float yp = static_cast<float>(s.Yo);
    double x = s.X0;
    double y = s.Yo;
    double Yc = s.Yo + P;
    double sin_g = 0, tg_g = 0;
    float g_rad = 0;
    bool exited = false;
    while (y < 1) {
        if (a == 180 || a == -180) return ray_line(picture_, s.X0, 1, s.X0, -1);
        if (a == 0) return ray_line(picture_, s.X0, s.Yo, s.X0, 1);
        x = xp + dx;
        y = path_y(x, s.X0, Yc, std::sin(theta), theta, P);
        if (!detail::drawable(x) || !detail::drawable(y)) return;
        ray_line(picture_, xp, static_cast<double>(yp), x, y);
        ++r.chords;
        const double ddx = x - xp;
        const double ddy = y - static_cast<double>(yp);
        sin_g = ddx / std::sqrt(ddx * ddx + ddy * ddy);
        // A level chord has an infinite tangent: the chord runs at ±90°.
        tg_g = ddy != 0 ? ddx / ddy : std::copysign(std::numeric_limits<double>::infinity(), ddx);
        g_rad = static_cast<float>(std::atan(tg_g));
        xp = x;
        yp = static_cast<float>(y);
        if (y < 0) {
            exited = true;
            break;
        }
        if (x > 6) return;
        if (x < 0) return;
    }
    if (!exited) return;

    // Exit event: the path leaves the lower medium at (x, y just below 0).
    normal(picture_, x);
    picture_.setDrawWidth(2);
    const double sin_beta2 = (-s.nmin / s.n1) * sin_g;
    if (!(std::fabs(sin_beta2) < 1.0)) {
        display_.set_caption(ResultLabel::Label8,
                             "|beta|=" + format_fixed(90, 2, decimal_separator) + " ");
    } else {
        const double tg_beta2 = sin_beta2 / std::sqrt(1 - sin_beta2 * sin_beta2);
        const auto beta2 = static_cast<float>(std::atan(tg_beta2) * 180 / kPi);
        display_.set_caption(
            ResultLabel::Label8,
            "|beta|=" + format_fixed(std::fabs(static_cast<double>(beta2)), 2, decimal_separator) +
                " ");
        r.X1 = x;
        r.Y1 = 0;
        r.Y2 = -1;
        r.X2 = r.X1 + (r.Y2 - r.Y1) * tg_beta2;
        ray_line(picture_, r.X1, r.Y1, r.X2, r.Y2);
    }

    // The reflected path: the last chord mirrored in the boundary, keeping its x direction.
    const double xe = x;
    const double ye = y;
    Yc = ye + P;
    xp = xe;
    yp = static_cast<float>(ye);
    if (std::isfinite(tg_g)) dx = tg_g > 0 ? -0.01 : 0.01;
    const double g = static_cast<double>(g_rad);
    while (y < 1) {
        x = xp + dx;
        y = path_y(x, xe, Yc, sin_g, g, P);
        if (!detail::drawable(x) || !detail::drawable(y)) return;
        ray_line(picture_, xp, static_cast<double>(yp), x, y);
        ++r.chords;
        xp = x;
        yp = static_cast<float>(y);
        if (y < 0) {
            display_.message("Отражённый в нижнюю среду луч симметричен падающему", kInfo);
            return;
        }
        if (x > 6) return;
        if (x < 0) return;
    }
}

}  // namespace velantra
