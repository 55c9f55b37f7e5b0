#include <cmath>

#include "model/format.h"
#include "model/simulation.h"
#include "model/simulation_detail.h"

namespace velantra {

void Simulation::minmax() {
    Scene& s = scene;
    s.Ymax = 1;
    s.Ymin = -1;
    s.Xmin = 0;
    s.Xmax = 6;
    picture_.Scale(s.Xmin, s.Ymin, s.Xmax, s.Ymax);
}

void Simulation::axes() {
    Scene& s = scene;
    const Colour grid = RGB(128, 255, 128);

    // The lower medium in 100 strips, lighter where the index is lower.
    const double nmax = static_cast<double>(s.nmax);
    for (int i = 0; i < 100; ++i) {
        if (s.nmin > nmax) {
            picture_.Box(0.0f, static_cast<float>(0.01 * i), 6.0f,
                         static_cast<float>(0.01 * (i + 1)), RGB(i + 100, 255, 255));
        } else if (s.nmin < nmax) {
            picture_.Box(0.0f, static_cast<float>(0.01 * i), 6.0f,
                         static_cast<float>(0.01 * (i + 1)), RGB(200 - i, 255, 255));
        } else {
            picture_.Box(0.0f, 0.0f, 6.0f, 1.0f, RGB(200, 255, 255));
        }
    }

    s.grid_nx = 2 * s.Xmax;
    s.grid_dx = static_cast<double>(s.Xmax - s.Xmin) / s.grid_nx;
    s.grid_ny = static_cast<std::int16_t>(std::lround(4.0 * s.Ymax));
    s.grid_dy = static_cast<float>(static_cast<double>(s.Ymax - s.Ymin) / s.grid_ny);
    picture_.setDrawWidth(1);

    for (int i = 1; i <= s.grid_nx - 1; ++i) {
        const double x = i * s.grid_dx;
        const auto fx = static_cast<float>(x);
        picture_.Line(fx, s.Ymax, fx, s.Ymin, grid);
        picture_.PSet(fx, static_cast<float>(-0.11 * s.Ymax));
        picture_.Print(format_fixed(x, 2, decimal_separator));
    }
    for (int j = -s.grid_ny / 2 + 1; j <= s.grid_ny / 2 - 1; ++j) {
        const float y = static_cast<float>(j) * s.grid_dy;
        picture_.Line(s.Xmin, y, s.Xmax, y, grid);
        picture_.PSet(static_cast<float>(0.01 * (s.Xmax - s.Xmin)), y);
        picture_.Print(format_fixed(static_cast<double>(y), 2, decimal_separator));
    }

    // The y axis at x = 0, then the x axis, which is also the boundary of the media.
    picture_.Line(0.0f, s.Ymax, 0.0f, s.Ymin, detail::kBlack);
    picture_.Line(s.Xmin, 0.0f, s.Xmax, 0.0f, detail::kBlack);

    picture_.setCurrentX(static_cast<float>(0.01 * (s.Xmax - s.Xmin)));
    picture_.setCurrentY(static_cast<float>(0.9 * s.Ymax));
    picture_.Print("Y");
    picture_.setCurrentX(static_cast<float>(s.Xmax - 0.02 * (s.Xmax - s.Xmin)));
    picture_.setCurrentY(static_cast<float>(-0.11 * s.Ymax));
    picture_.Print("X");

    picture_.setDrawWidth(4);
    display_.move_shape1(s.X0 - display_.shape1_width() / 2, s.Yo - display_.shape1_height() / 2);

    // The start direction: half a metre along (sin a0, cos a0).
    s.arrow_dx = std::sin(static_cast<double>(s.a0rad)) / 2;
    s.arrow_dy = static_cast<float>(std::cos(static_cast<double>(s.a0rad)) / 2);
    detail::ray_line(picture_, s.X0, s.Yo, s.X0 + s.arrow_dx,
                     s.Yo + static_cast<double>(s.arrow_dy), RGB(243, 130, 54));
    if (detail::drawable(s.X0) && detail::drawable(s.Yo)) {
        picture_.PSet(static_cast<float>(s.X0), static_cast<float>(s.Yo));
    }
}

}  // namespace velantra
