#include <cmath>

#include "model/format.h"
#include "model/simulation.h"

namespace velantra {

void Simulation::set_angle(Number a0) {
    scene.a0 = a0;
    scene.a0rad = angle_rad(a0.value());
}

void Simulation::draw_frame() {
    parametr();
    picture_.Cls();
    minmax();
    axes();
}

void Simulation::minmax() {
    scene.Ymax = 1;
    scene.Ymin = -1;
    scene.Xmin = 0;
    scene.Xmax = 6;
    picture_.Scale(scene.Xmin, scene.Ymin, scene.Xmax, scene.Ymax);
}

void Simulation::axes() {
    Scene& s = scene;
    const double nmax = static_cast<double>(s.nmax);

    // The lower medium in 100 strips, deeper cyan toward the denser end.
    for (int i = 0; i < 100; ++i) {
        const float top = static_cast<float>(0.01 * i);
        const float bottom = static_cast<float>(0.01 * (i + 1));
        if (s.nmin > nmax) {
            picture_.Box(0, top, 6, bottom, RGB(i + 100, 255, 255));
        } else if (s.nmin < nmax) {
            picture_.Box(0, top, 6, bottom, RGB(200 - i, 255, 255));
        } else {
            picture_.Box(0, 0, 6, 1, RGB(200, 255, 255));
        }
    }

    s.grid_nx = 2 * s.Xmax;
    s.grid_dx = static_cast<double>(s.Xmax - s.Xmin) / s.grid_nx;
    s.grid_ny = static_cast<std::int16_t>(std::nearbyint(4.0 * s.Ymax));
    s.grid_dy = static_cast<float>(static_cast<double>(s.Ymax - s.Ymin) / s.grid_ny);

    picture_.setDrawWidth(1);
    const Colour grid = RGB(128, 255, 128);
    for (int i = 1; i <= s.grid_nx - 1; ++i) {
        const double x = i * s.grid_dx;
        picture_.Line(static_cast<float>(x), s.Ymax, static_cast<float>(x), s.Ymin, grid);
        picture_.PSet(static_cast<float>(x), static_cast<float>(-0.11 * s.Ymax));
        picture_.Print(format_fixed(x, 2, decimal_separator));
    }
    const double half = s.grid_ny / 2.0;
    // An odd grid puts the lines on half-integers of the cell, so the counter is a double.
    // NOLINTNEXTLINE(clang-analyzer-security.FloatLoopCounter)
    for (double j = -half + 1; j <= half - 1; j += 1) {
        const double y = j * static_cast<double>(s.grid_dy);
        picture_.Line(s.Xmin, static_cast<float>(y), s.Xmax, static_cast<float>(y), grid);
        picture_.PSet(static_cast<float>(0.01 * (s.Xmax - s.Xmin)), static_cast<float>(y));
        picture_.Print(format_fixed(y, 2, decimal_separator));
    }

    picture_.Line(0, s.Ymax, 0, s.Ymin, RGB(0, 0, 0));
    picture_.Line(s.Xmin, 0, s.Xmax, 0, RGB(0, 0, 0));

    picture_.setCurrentX(static_cast<float>(0.01 * (s.Xmax - s.Xmin)));
    picture_.setCurrentY(static_cast<float>(0.9 * s.Ymax));
    picture_.Print("Y");
    picture_.setCurrentX(static_cast<float>(s.Xmax - 0.02 * (s.Xmax - s.Xmin)));
    picture_.setCurrentY(static_cast<float>(-0.11 * s.Ymax));
    picture_.Print("X");

    picture_.setDrawWidth(4);
    display_.move_shape1(s.X0 - display_.shape1_width() / 2, s.Yo - display_.shape1_height() / 2);

    // a0rad comes from the reduced angle, so the marker points the way the run goes.
    s.arrow_dx = std::sin(static_cast<double>(s.a0rad)) / 2;
    s.arrow_dy = static_cast<float>(std::cos(static_cast<double>(s.a0rad)) / 2);
    picture_.Line(static_cast<float>(s.X0), static_cast<float>(s.Yo),
                  static_cast<float>(s.X0 + s.arrow_dx),
                  static_cast<float>(s.Yo + static_cast<double>(s.arrow_dy)), RGB(243, 130, 54));
    picture_.PSet(static_cast<float>(s.X0), static_cast<float>(s.Yo));
}

}  // namespace velantra
