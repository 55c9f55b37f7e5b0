// The ray in the graded lower medium. With u = y + n_otn_inv the index is proportional
// to u, n·sin(angle) is kept along the ray, and the path through (xs, ys) at angle θ is
//   y = Yc·(sin²(θ/2)·e^(−w) + cos²(θ/2)·e^(w)) − n_otn_inv,  w = ((x − xs)/Yc)/sin θ,
// with Yc = ys + n_otn_inv: a catenary walked in chords kStep apart in x.

#include <cmath>

#include "model/catalogue.h"
#include "model/constants.h"
#include "model/maths.h"
#include "model/simulation.h"

namespace velantra {

Simulation::Walk Simulation::walk_from(double xs, double ys, double sin_theta, double theta,
                                       double dx) const {
    return Walk{xs, ys + scene.n_otn_inv, sin_theta, theta, dx, xs, static_cast<float>(ys), xs, ys};
}

bool Simulation::walk(Walk& w) {
    const bool back = chords(w);
    if (back) {
        events_->boundary_returned(w.x);
    } else if (w.xp == w.x) {  // past an edge: the last chord is drawn
        events_->ray_ended(w.x - w.chord_dx, w.y - w.chord_dy, w.x, w.y);
    } else {
        events_->ray_ended(w.xp, static_cast<double>(w.yp), w.x, w.y);
    }
    return back;
}

// Chords from the previous point until the bottom edge (the loop's test), the boundary,
// the right edge or the left edge, tested in that order after each chord.
bool Simulation::chords(Walk& w) {
    const double P = scene.n_otn_inv;
    // The weights of the two exponentials stay the same along the walk.
    const double sin2 = maths::squared(maths::sin(w.theta / 2));
    const double cos2 = maths::squared(maths::cos(w.theta / 2));
    while (w.y < kYmax) {
        w.x = w.xp + w.dx;
        const double u = ((w.x - w.xs) / w.Yc) / w.sin_theta;
        w.y = w.Yc * (sin2 * maths::exp(-u) + cos2 * maths::exp(u)) - P;
        // A point without a finite single-precision value ends the walk undrawn.
        if (!segment(w.xp, static_cast<double>(w.yp), w.x, w.y, kRay)) return false;
        w.chord_dx = w.x - w.xp;
        w.chord_dy = w.y - static_cast<double>(w.yp);
        w.xp = w.x;
        w.yp = static_cast<float>(w.y);
        if (w.y < 0) return true;
        if (w.x > kXmax) return false;
        if (w.x < kXmin) return false;
    }
    return false;
}

void Simulation::curve_entry() {
    const Run& r = run_;
    const double dx = r.beta > 0 ? kStep : -kStep;
    const double theta = static_cast<double>(r.beta_rad);
    Walk w = walk_from(r.X1, 0, maths::sin(theta), theta, dx);
    // The walk starts on the boundary, above the bottom edge: its first pass would draw this.
    if (r.beta == 0) {
        segment(w.xp, static_cast<double>(w.yp), w.xp, kYmax, kRay);
        events_->ray_ended(w.xp, static_cast<double>(w.yp), w.xp, kYmax);
        return;
    }
    if (!walk(w)) return;
    // Back at the boundary: the second point repeats the first; the width stays 1.
    normal(w.x, After::Ends);
    display_.message(
        tr("Во второй точке преломления отраженный в нижнюю среду луч и преломленный в "
           "верхнюю среду луч аналогичны первой точке!"),
        tr("Информация"));
}

void Simulation::curve_start() {
    const Scene& s = scene;
    const double a = reduce_angle(s.a0);
    const double dx = s.a0rad > 0 ? kStep : -kStep;
    const double theta = static_cast<double>(s.a0rad);
    Walk w = walk_from(s.X0, s.Yo, maths::sin(theta), theta, dx);
    // The vertical starts are the first pass's own tests: only a start above the bottom
    // edge draws them.
    if (w.y < 1 && (a == 180 || a == -180)) {
        segment(s.X0, kYmax, s.X0, kYmin, kRay);
        events_->ray_ended(s.X0, kYmax, s.X0, kYmin);
        return;
    }
    if (w.y < 1 && a == 0) {
        segment(s.X0, s.Yo, s.X0, kYmax, kRay);
        events_->ray_ended(s.X0, s.Yo, s.X0, kYmax);
        return;
    }
    if (walk(w)) curve_exit(w);
}

// Leaving through the boundary: refracted ray up, or total internal reflection, and the
// reflected path.
void Simulation::curve_exit(const Walk& up) {
    const Scene& s = scene;
    Run& r = run_;
    // The last chord's direction from the vertical; a level chord has an infinite tangent
    // and g_rad = ±π/2.
    const double sin_g =
        up.chord_dx / std::sqrt(maths::squared(up.chord_dx) + maths::squared(up.chord_dy));
    const double tg_g = up.chord_dx / up.chord_dy;
    const float g_rad = static_cast<float>(maths::atan(tg_g));

    normal(up.x, After::GoesOn);
    const double sin_beta2 = (-s.nmin / s.n1) * sin_g;
    if (!(std::fabs(sin_beta2) < 1)) {
        show_beta(90);
        events_->boundary_met(up.x, false, {});
    } else {
        const double tg_beta2 = sin_beta2 / std::sqrt(1 - maths::squared(sin_beta2));
        const float beta2 = static_cast<float>(maths::atan(tg_beta2) * 180 / kPi);
        events_->boundary_met(up.x, false, show_beta(static_cast<double>(beta2)));
        r.X1 = up.x;
        r.Y1 = 0;
        r.Y2 = kYmin;
        r.X2 = r.X1 + (r.Y2 - r.Y1) * tg_beta2;
        segment(r.X1, r.Y1, r.X2, r.Y2, kRay);
    }

    // The reflected path starts down at the last chord's angle mirrored in the boundary:
    // sin_g is that angle's sine, and the half-angle squares are even in g_rad. Heading
    // up, the tangent's sign is opposite to dx; a level chord's infinite tangent has dx's
    // sign. Either way the walk keeps its horizontal direction.
    double dx = up.dx;
    if (!std::isinf(tg_g)) dx = tg_g > 0 ? -kStep : kStep;
    Walk down = walk_from(up.x, up.y, sin_g, static_cast<double>(g_rad), dx);
    if (walk(down))
        display_.message(tr("Отражённый в нижнюю среду луч симметричен падающему"),
                         tr("Информация"));
}

}  // namespace velantra
