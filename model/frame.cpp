#include <cmath>

#include "model/constants.h"
#include "model/format.h"
#include "model/maths.h"
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

const std::string& Simulation::grid_label(std::size_t k, double value) {
    if (k >= grid_labels_.size()) grid_labels_.resize(k + 1, {0.0, std::string()});
    auto& [held, text] = grid_labels_[k];
    // -0 prints "-0.00", so the sign counts too; a nan is never equal and always formatted.
    if (text.empty() || held != value || std::signbit(held) != std::signbit(value)) {
        held = value;
        text = format_fixed(value, 2, decimal_separator);
    }
    return text;
}

void Simulation::minmax() {
    scene.Ymax = kYmax;
    scene.Ymin = kYmin;
    scene.Xmin = kXmin;
    scene.Xmax = kXmax;
    picture_.Scale(scene.Xmin, scene.Ymin, scene.Xmax, scene.Ymax);
}

void Simulation::axes() {
    const Scene& s = scene;
    const double nmax = static_cast<double>(s.nmax);

    // The lower medium in 100 strips, deeper cyan toward the denser end.
    for (int i = 0; i < 100; ++i) {
        const float top = static_cast<float>(0.01 * i);
        const float bottom = static_cast<float>(0.01 * (i + 1));
        if (s.nmin > nmax) {
            picture_.Box(kXmin, top, kXmax, bottom, RGB(i + 100, 255, 255));
        } else if (s.nmin < nmax) {
            picture_.Box(kXmin, top, kXmax, bottom, RGB(200 - i, 255, 255));
        } else {
            picture_.Box(kXmin, 0, kXmax, kYmax, RGB(200, 255, 255));
        }
    }

    const int grid_nx = 2 * s.Xmax;
    const double grid_dx = static_cast<double>(s.Xmax - s.Xmin) / grid_nx;
    const auto grid_ny = static_cast<std::int16_t>(std::nearbyint(4.0 * s.Ymax));
    const auto grid_dy = static_cast<float>(static_cast<double>(s.Ymax - s.Ymin) / grid_ny);

    if (grid_separator_ != decimal_separator) {
        grid_labels_.clear();
        grid_separator_ = decimal_separator;
    }
    std::size_t label = 0;
    picture_.setDrawWidth(1);
    for (int i = 1; i <= grid_nx - 1; ++i) {
        const double x = i * grid_dx;
        picture_.Line(static_cast<float>(x), s.Ymax, static_cast<float>(x), s.Ymin, kGrid);
        picture_.PSet(static_cast<float>(x), static_cast<float>(-0.11 * s.Ymax));
        picture_.Print(grid_label(label++, x));
    }
    const double half = grid_ny / 2.0;
    // An odd grid puts the lines on half-integers of the cell, so the counter is a double.
    // NOLINTNEXTLINE(clang-analyzer-security.FloatLoopCounter)
    for (double j = -half + 1; j <= half - 1; j += 1) {
        const double y = j * static_cast<double>(grid_dy);
        picture_.Line(s.Xmin, static_cast<float>(y), s.Xmax, static_cast<float>(y), kGrid);
        picture_.PSet(static_cast<float>(0.01 * (s.Xmax - s.Xmin)), static_cast<float>(y));
        picture_.Print(grid_label(label++, y));
    }

    picture_.Line(0, s.Ymax, 0, s.Ymin, kBlack);
    picture_.Line(s.Xmin, 0, s.Xmax, 0, kBlack);

    picture_.setCurrentX(static_cast<float>(0.01 * (s.Xmax - s.Xmin)));
    picture_.setCurrentY(static_cast<float>(0.9 * s.Ymax));
    picture_.Print("Y");
    picture_.setCurrentX(static_cast<float>(s.Xmax - 0.02 * (s.Xmax - s.Xmin)));
    picture_.setCurrentY(static_cast<float>(-0.11 * s.Ymax));
    picture_.Print("X");

    picture_.setDrawWidth(4);
    display_.move_shape1(s.X0 - display_.shape1_width() / 2, s.Yo - display_.shape1_height() / 2);

    // a0rad comes from the reduced angle, so the marker points the way the run goes.
    const double arrow_dx = maths::sin(static_cast<double>(s.a0rad)) / 2;
    const auto arrow_dy = static_cast<float>(maths::cos(static_cast<double>(s.a0rad)) / 2);
    picture_.Line(static_cast<float>(s.X0), static_cast<float>(s.Yo),
                  static_cast<float>(s.X0 + arrow_dx),
                  static_cast<float>(s.Yo + static_cast<double>(arrow_dy)), kArrow);
    picture_.PSet(static_cast<float>(s.X0), static_cast<float>(s.Yo));
}

}  // namespace velantra
