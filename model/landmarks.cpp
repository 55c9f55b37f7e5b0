#include <cmath>

#include "model/format.h"
#include "model/maths.h"
#include "model/simulation.h"

namespace velantra {

// The path through (x, y) is u = |k|·cosh((x − X90)/k) with u = y + n_otn_inv and
// k = u0·sin(angle): the vertex is where the ray runs horizontally.
void Simulation::vertex(double x, double y, float& angle) {
    const double P = scene.n_otn_inv;
    const double a = static_cast<double>(angle);
    const double u0 = y + P;
    display_.set_visible(ResultLabel::Label13, true);
    const auto width = static_cast<std::int16_t>(picture_.DrawWidth());
    picture_.setDrawWidth(2);
    const double sin_a = maths::sin(a);
    scene.X90 = x + u0 * sin_a * maths::log(maths::tan(std::fabs(a) / 2));
    scene.Y90 = u0 * std::fabs(sin_a) - P;
    mark(scene.X90, scene.Y90);
    // A value without a finite figure shows as a dash.
    const std::string x90 = format_fixed(scene.X90, 2, decimal_separator);
    const std::string y90 = format_fixed(scene.Y90, 2, decimal_separator);
    display_.set_caption(ResultLabel::Label13, "X90,Y90=" + x90 + ", " + y90);
    events_->vertex_found(scene.X90, scene.Y90, x90, y90);
    picture_.setDrawWidth(width);
}

void Simulation::crossings(double x, double y, float& angle) {
    const double P = scene.n_otn_inv;
    const double a = static_cast<double>(angle);
    const double u0 = y + P;
    const double R = P / u0;  // nmin over the index at the point
    const double s = maths::sin(a);
    if (!(std::fabs(R) > std::fabs(s))) return;
    const double S = std::sqrt(maths::squared(R) - maths::squared(s));
    const double c2 = maths::squared(maths::cos(a / 2));
    const double A1 = (R + S) / c2 / 2;
    const double A2 = (R - S) / c2 / 2;
    // A root whose A is not positive has no crossing; it shows as a dash, like a root
    // without a finite value.
    const double nan = std::nan("");
    const double X01 = A1 > 0 ? x + u0 * s * maths::log(A1) : nan;
    const double X02 = A2 > 0 ? x + u0 * s * maths::log(A2) : nan;

    display_.set_visible(ResultLabel::Label14, true);
    const auto width = static_cast<std::int16_t>(picture_.DrawWidth());
    picture_.setDrawWidth(2);
    mark(X01, 0);
    mark(X02, 0);
    const std::string x01 = format_fixed(X01, 2, decimal_separator);
    const std::string x02 = format_fixed(X02, 2, decimal_separator);
    display_.set_caption(ResultLabel::Label14, "X01,X02=" + x01 + ", " + x02);
    events_->crossings_found(X01, X02, x01, x02);
    picture_.setDrawWidth(width);
}

}  // namespace velantra
