// The ray in the graded lower medium. With u = y + n_otn_inv the index is proportional
// to u, n·sin(angle) is kept along the ray, and the path through (xs, ys) at angle θ is
//   y = Yc·(sin²(θ/2)·e^(−w) + cos²(θ/2)·e^(w)) − n_otn_inv,  w = ((x − xs)/Yc)/sin θ,
// with Yc = ys + n_otn_inv: a catenary walked in chords 0.01 apart in x.

#include <cmath>

#include "model/format.h"
#include "model/simulation.h"

namespace velantra {

namespace {

constexpr Colour kRay = RGB(255, 0, 0);
constexpr double kPi = 3.1415926535;

double path_y(double x, double xs, double Yc, double sin_theta, double theta, double P) {
    const double u = ((x - xs) / Yc) / sin_theta;
    return Yc * (std::pow(std::sin(theta / 2), 2) * std::exp(-u) +
                 std::pow(std::cos(theta / 2), 2) * std::exp(u)) -
           P;
}

// The surface takes floats: a point without a finite single value ends the walk.
bool finite_point(double y) { return std::isfinite(y) && std::isfinite(static_cast<float>(y)); }

}  // namespace

void Simulation::curve_entry() {
    Run& r = run_;
    const double P = scene.n_otn_inv;
    const double dx = r.beta > 0 ? 0.01 : -0.01;
    double xp = r.X1;
    float yp = 0;
    double x = r.X1;  // NOLINT(clang-analyzer-deadcode.DeadStores): the walk's start, kept as the
                      // procedure states it
    double y = 0;
    const double Yc = 0 + P;
    const double theta = static_cast<double>(r.beta_rad);
    while (y < 1) {
        if (r.beta == 0) {
            segment(xp, static_cast<double>(yp), xp, 1, kRay);
            return;
        }
        x = xp + dx;
        y = path_y(x, r.X1, Yc, std::sin(theta), theta, P);
        if (!finite_point(y)) return;
        segment(xp, static_cast<double>(yp), x, y, kRay);
        ++r.chords;
        xp = x;
        yp = static_cast<float>(y);
        if (y < 0) {
            // Back at the boundary: the second point repeats the first; the width stays 1.
            picture_.setDrawWidth(1);
            segment(x, 0.5, x, -0.5, RGB(0, 0, 0));
            display_.message(
                "Во второй точке преломления отраженный в нижнюю среду луч и преломленный в "
                "верхнюю среду луч аналогичны первой точке!",
                "Информация");
            return;
        }
        if (x > 6) return;
        if (x < 0) return;
    }
}

void Simulation::curve_start() {
    Run& r = run_;
    const Scene& s = scene;
    const double P = s.n_otn_inv;
    const double a = reduce_angle(s.a0);
    double dx = s.a0rad > 0 ? 0.01 : -0.01;
    double xp = s.X0;
    float yp = static_cast<float>(s.Yo);
    double x = s.X0;
    double y = s.Yo;
    double Yc = s.Yo + P;
    const double theta = static_cast<double>(s.a0rad);
    double sin_g = 0, tg_g = 0;
    float g_rad = 0;
    bool exited = false;
    while (y < 1) {
        if (a == 180 || a == -180) {
            segment(s.X0, 1, s.X0, -1, kRay);
            return;
        }
        if (a == 0) {
            segment(s.X0, s.Yo, s.X0, 1, kRay);
            return;
        }
        x = xp + dx;
        y = path_y(x, s.X0, Yc, std::sin(theta), theta, P);
        if (!finite_point(y)) return;
        segment(xp, static_cast<double>(yp), x, y, kRay);
        ++r.chords;
        // The chord's direction from the vertical; a level chord has an infinite tangent
        // and g_rad = ±π/2.
        const double ddx = x - xp;
        const double ddy = y - static_cast<double>(yp);
        sin_g = ddx / std::sqrt(std::pow(ddx, 2) + std::pow(ddy, 2));
        tg_g = ddx / ddy;
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

    // Leaving through the boundary: refracted ray up, or total internal reflection.
    picture_.setDrawWidth(1);
    segment(x, 0.5, x, -0.5, RGB(0, 0, 0));
    picture_.setDrawWidth(2);
    const double sin_beta2 = (-s.nmin / s.n1) * sin_g;
    if (!(std::fabs(sin_beta2) < 1)) {
        display_.set_caption(ResultLabel::Label8,
                             "|beta|=" + format_fixed(90, 2, decimal_separator) + " ");
    } else {
        const double tg_beta2 = sin_beta2 / std::sqrt(1 - std::pow(sin_beta2, 2));
        const float beta2 = static_cast<float>(std::atan(tg_beta2) * 180 / kPi);
        display_.set_caption(
            ResultLabel::Label8,
            "|beta|=" + format_fixed(std::fabs(static_cast<double>(beta2)), 2, decimal_separator) +
                " ");
        r.X1 = x;
        r.Y1 = 0;
        r.Y2 = -1;
        r.X2 = r.X1 + (r.Y2 - r.Y1) * tg_beta2;
        segment(r.X1, r.Y1, r.X2, r.Y2, kRay);
    }

    // The reflected path starts down at the last chord's angle mirrored in the boundary:
    // sin_g is that angle's sine, and the half-angle squares are even in g_rad.
    const double xe = x, ye = y;
    Yc = ye + P;
    xp = xe;
    yp = static_cast<float>(ye);
    // Heading up, the tangent's sign is opposite to dx; a level chord's infinite tangent
    // has dx's sign. Either way the walk keeps its horizontal direction.
    if (!std::isinf(tg_g)) dx = tg_g > 0 ? -0.01 : 0.01;
    const double g = static_cast<double>(g_rad);
    while (y < 1) {
        x = xp + dx;
        y = path_y(x, xe, Yc, sin_g, g, P);
        if (!finite_point(y)) return;
        segment(xp, static_cast<double>(yp), x, y, kRay);
        ++r.chords;
        xp = x;
        yp = static_cast<float>(y);
        if (y < 0) {
            display_.message("Отражённый в нижнюю среду луч симметричен падающему", "Информация");
            return;
        }
        if (x > 6) return;
        if (x < 0) return;
    }
}

}  // namespace velantra
