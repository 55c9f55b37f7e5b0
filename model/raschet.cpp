#include <cmath>

#include "model/constants.h"
#include "model/maths.h"
#include "model/simulation.h"

namespace velantra {

bool Simulation::horizontal_start(double a) {
    const Scene& s = scene;
    if (a != 90 && a != -90) return false;
    const double edge = a == 90 ? kXmax : kXmin;
    segment(s.X0, s.Yo, edge, s.Yo, kRay);
    events_->ray_ended(s.X0, s.Yo, edge, s.Yo);
    return true;
}

void Simulation::raschet() {
    const Scene& s = scene;
    Run& r = run_;
    // Angles typed beyond ±180 take their direction in (-180, 180]; a0rad already does.
    const double a = reduce_angle(s.a0);
    const double tan_a = maths::tan(static_cast<double>(s.a0rad));
    const double sin_a = maths::sin(static_cast<double>(s.a0rad));
    const bool homogeneous = static_cast<double>(s.nmax) == s.nmin;
    events_->run_started();

    if (s.Yo < 0) {
        if (horizontal_start(a)) return;
        if (a > 90 || a < -90) {
            r.Y1 = kYmin;
            r.X1 = s.X0 + (r.Y1 - s.Yo) * tan_a;
            segment(s.X0, s.Yo, r.X1, r.Y1, kRay);
            events_->ray_ended(s.X0, s.Yo, r.X1, r.Y1);
            return;
        }
        r.Y1 = 0;
        r.X1 = s.X0 + (r.Y1 - s.Yo) * tan_a;
        segment(s.X0, s.Yo, r.X1, r.Y1, kRay);
        normal(r.X1, After::GoesOn);
        const float Y3 = -1.0f;
        const double X3 = r.X1 + ((static_cast<double>(Y3) - r.Y1) * (-1)) * tan_a;
        segment(r.X1, r.Y1, X3, Y3, kRay);

        // Snell's law into the top of the lower medium: n1·sin(a0) = nmin·sin(beta).
        const double sin_beta = (s.n1 / s.nmin) * sin_a;
        // n1 >= nmin can be left by a reset entry: a sine of 1 or more (or none at all)
        // is total reflection, and nothing enters the lower medium.
        if (!(std::fabs(sin_beta) < 1)) {
            show_beta(90);
            events_->boundary_met(r.X1, true, {});
            events_->ray_ended(r.X1, r.Y1, X3, Y3);
            return;
        }
        const double tg_beta = sin_beta / std::sqrt(1 - maths::squared(sin_beta));
        r.beta_rad = static_cast<float>(maths::atan(tg_beta));
        r.beta = static_cast<double>(r.beta_rad) * 180 / kPi;
        events_->boundary_met(r.X1, true, show_beta(r.beta));
        r.Y2 = kYmax;
        if (homogeneous) {
            r.X2 = r.X1 + (r.Y2 - r.Y1) * tg_beta;
            segment(r.X1, r.Y1, r.X2, r.Y2, kRay);
            events_->ray_ended(r.X1, r.Y1, r.X2, r.Y2);
            return;
        }
        if (a != 0) {
            vertex(r.X1, r.Y1, r.beta_rad);
            crossings(r.X1, r.Y1, r.beta_rad);
        }
        curve_entry();
        return;
    }
    if (!(s.Yo > 0)) {  // on the boundary: no run
        events_->no_run();
        return;
    }

    if (homogeneous) {
        if (horizontal_start(a)) return;
        if (a > 90 || a < -90) {
            r.Y1 = 0;
            r.X1 = s.X0 + (r.Y1 - s.Yo) * tan_a;
            segment(s.X0, s.Yo, r.X1, r.Y1, kRay);
            normal(r.X1, After::GoesOn);
            const float Y3 = 1.0f;
            const double X3 = r.X1 + ((static_cast<double>(Y3) - r.Y1) * (-1)) * tan_a;
            segment(r.X1, r.Y1, X3, Y3, kRay);
            // Going up the sine changes sign, so the refracted leg keeps the ray's side.
            const double sin_beta = (-s.nmin / s.n1) * sin_a;
            if (!(std::fabs(sin_beta) < 1)) {
                show_beta(90);
                events_->boundary_met(r.X1, false, {});
                events_->ray_ended(r.X1, r.Y1, X3, Y3);
                return;
            }
            const double tg_beta = sin_beta / std::sqrt(1 - maths::squared(sin_beta));
            r.beta = maths::atan(tg_beta) * 180 / kPi;
            events_->boundary_met(r.X1, false, show_beta(r.beta));
            r.Y2 = kYmin;
            r.X2 = r.X1 + (r.Y2 - r.Y1) * tg_beta;
            segment(r.X1, r.Y1, r.X2, r.Y2, kRay);
            events_->ray_ended(r.X1, r.Y1, r.X2, r.Y2);
            return;
        }
        r.Y1 = kYmax;
        r.X1 = s.X0 + (r.Y1 - s.Yo) * tan_a;
        segment(s.X0, s.Yo, r.X1, r.Y1, kRay);
        events_->ray_ended(s.X0, s.Yo, r.X1, r.Y1);
        return;
    }

    if (a != 0 && a != 180 && a != -180) {
        vertex(s.X0, s.Yo, scene.a0rad);
        crossings(s.X0, s.Yo, scene.a0rad);
    }
    curve_start();
}

}  // namespace velantra
