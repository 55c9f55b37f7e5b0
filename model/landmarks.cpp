#include <cmath>
#include <limits>

#include "model/format.h"
#include "model/simulation.h"
#include "model/simulation_detail.h"

namespace velantra {

// With P = n_otn_inv and u = y + P the path is u = |k|·cosh((x − X90)/k), k = u0·sin(angle).

void Simulation::vertex(double x, double y, float& angle) {
    Scene& s = scene;
    display_.set_visible(ResultLabel::Label13, true);
    const auto width = static_cast<std::int16_t>(picture_.DrawWidth());
    picture_.setDrawWidth(2);
    const double P = s.n_otn_inv;
    const double u0 = y + P;
    const double theta = static_cast<double>(angle);
    s.X90 = x + u0 * std::sin(theta) * std::log(std::tan(std::fabs(theta) / 2));
    s.Y90 = u0 * std::fabs(std::sin(theta)) - P;
    if (detail::drawable(s.X90) && detail::drawable(s.Y90)) {
        picture_.Circle(static_cast<float>(s.X90), static_cast<float>(s.Y90), 0.02f, detail::kRed);
    }
    display_.set_caption(ResultLabel::Label13,
                         "X90,Y90=" + format_fixed(s.X90, 2, decimal_separator) + ", " +
                             format_fixed(s.Y90, 2, decimal_separator));
    picture_.setDrawWidth(width);
}

void Simulation::crossings(double x, double y, float& angle) {
    const double P = scene.n_otn_inv;
    const double u0 = y + P;
    const double theta = static_cast<double>(angle);
    const double R = P / u0;
    const double sin_t = std::sin(theta);
    if (!(std::fabs(R) > std::fabs(sin_t))) return;
    const double S = std::sqrt(R * R - sin_t * sin_t);
    const double c2 = std::pow(std::cos(theta / 2), 2);
    const double A1 = (R + S) / c2 / 2;
    const double A2 = (R - S) / c2 / 2;
    // A crossing whose A is not positive has no value; its place shows a dash.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double X01 = A1 > 0 ? x + u0 * sin_t * std::log(A1) : nan;
    const double X02 = A2 > 0 ? x + u0 * sin_t * std::log(A2) : nan;

    display_.set_visible(ResultLabel::Label14, true);
    const auto width = static_cast<std::int16_t>(picture_.DrawWidth());
    picture_.setDrawWidth(2);
    if (detail::drawable(X01)) picture_.Circle(static_cast<float>(X01), 0.0f, 0.02f, detail::kRed);
    if (detail::drawable(X02)) picture_.Circle(static_cast<float>(X02), 0.0f, 0.02f, detail::kRed);
    display_.set_caption(ResultLabel::Label14,
                         "X01,X02=" + format_fixed(X01, 2, decimal_separator) + ", " +
                             format_fixed(X02, 2, decimal_separator));
    picture_.setDrawWidth(width);
}

}  // namespace velantra
