#include <cmath>

#include "model/format.h"
#include "model/simulation.h"
#include "model/simulation_detail.h"

namespace velantra {

using detail::kPi;
using detail::normal;
using detail::ray_line;

void Simulation::raschet() {
    Scene& s = scene;
    Run& r = run_;
    r = Run{};
    // The run works with the typed angle reduced to (-180, 180]; a0 itself stays as typed.
    const double a = reduce_angle(s.a0);
    const double t = static_cast<double>(s.a0rad);
    const bool homogeneous = s.nmin == static_cast<double>(s.nmax);
    auto beta_caption = [&](double degrees) {
        display_.set_caption(
            ResultLabel::Label8,
            "|beta|=" + format_fixed(std::fabs(degrees), 2, decimal_separator) + " ");
    };

    if (s.Yo < 0) {
        // Start in the upper medium.
        if (a == 90) return ray_line(picture_, s.X0, s.Yo, 6, s.Yo);
        if (a == -90) return ray_line(picture_, s.X0, s.Yo, 0, s.Yo);
        if (a > 90 || a < -90) {
            r.Y1 = -1;
            r.X1 = s.X0 + (r.Y1 - s.Yo) * std::tan(t);
            return ray_line(picture_, s.X0, s.Yo, r.X1, r.Y1);
        }
        r.Y1 = 0;
        r.X1 = s.X0 + (r.Y1 - s.Yo) * std::tan(t);
        ray_line(picture_, s.X0, s.Yo, r.X1, r.Y1);
        normal(picture_, r.X1);
        picture_.setDrawWidth(2);
        r.Y3 = -1.0f;
        r.X3 = r.X1 + ((static_cast<double>(r.Y3) - r.Y1) * (-1)) * std::tan(t);
        ray_line(picture_, r.X1, r.Y1, r.X3, static_cast<double>(r.Y3));

        r.sin_beta = (s.n1 / s.nmin) * std::sin(t);
        // n1 >= nmin (left by a reset) can bend the ray past the horizontal: reflect it all.
        if (!(std::fabs(r.sin_beta) < 1.0)) return beta_caption(90);
        r.tg_beta = r.sin_beta / std::sqrt(1 - r.sin_beta * r.sin_beta);
        r.beta_rad = static_cast<float>(std::atan(r.tg_beta));
        r.beta = static_cast<double>(r.beta_rad) * 180 / kPi;
        beta_caption(r.beta);
        r.Y2 = 1;
        if (homogeneous) {
            r.X2 = r.X1 + (r.Y2 - r.Y1) * r.tg_beta;
            return ray_line(picture_, r.X1, r.Y1, r.X2, r.Y2);
        }
        if (a != 0) {
            vertex(r.X1, r.Y1, r.beta_rad);
            crossings(r.X1, r.Y1, r.beta_rad);
        }
        return curve_entry();
    }

    if (s.Yo > 0) {
        if (!homogeneous) {
            if (a != 0 && a != 180 && a != -180) {
                float angle = s.a0rad;
                vertex(s.X0, s.Yo, angle);
                crossings(s.X0, s.Yo, angle);
            }
            return curve_start();
        }
        if (a == 90) return ray_line(picture_, s.X0, s.Yo, 6, s.Yo);
        if (a == -90) return ray_line(picture_, s.X0, s.Yo, 0, s.Yo);
        if (a > 90 || a < -90) {
            r.Y1 = 0;
            r.X1 = s.X0 + (r.Y1 - s.Yo) * std::tan(t);
            ray_line(picture_, s.X0, s.Yo, r.X1, r.Y1);
            normal(picture_, r.X1);
            picture_.setDrawWidth(2);
            r.Y3 = 1.0f;
            r.X3 = r.X1 + ((static_cast<double>(r.Y3) - r.Y1) * (-1)) * std::tan(t);
            ray_line(picture_, r.X1, r.Y1, r.X3, static_cast<double>(r.Y3));
            r.sin_beta = (-s.nmin / s.n1) * std::sin(t);
            if (!(std::fabs(r.sin_beta) < 1.0)) return beta_caption(90);
            r.tg_beta = r.sin_beta / std::sqrt(1 - r.sin_beta * r.sin_beta);
            r.beta = std::atan(r.tg_beta) * 180 / kPi;
            beta_caption(r.beta);
            r.Y2 = -1;
            r.X2 = r.X1 + (r.Y2 - r.Y1) * r.tg_beta;
            return ray_line(picture_, r.X1, r.Y1, r.X2, r.Y2);
        }
        r.Y1 = 1;
        r.X1 = s.X0 + (r.Y1 - s.Yo) * std::tan(t);
        return ray_line(picture_, s.X0, s.Yo, r.X1, r.Y1);
    }
    // A start on the boundary draws nothing.
}

}  // namespace velantra
