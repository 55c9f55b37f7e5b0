#include "surface/screened_surface.h"

#include <algorithm>
#include <cmath>

#include "surface/clip.h"

namespace velantra {

namespace {

bool finite(DevicePoint p) { return std::isfinite(p.x) && std::isfinite(p.y); }

}  // namespace

ScreenedSurface::ScreenedSurface(double left, double top, double width, double height, double pixel)
    : pixel_(pixel > 0 ? pixel : 1.0) {
    set_area(left, top, width, height);
}

void ScreenedSurface::set_area(double left, double top, double width, double height) {
    map_.set_area(left, top, width, height);
}

void ScreenedSurface::set_colours(Colour back, Colour fore) {
    back_ = back;
    fore_ = fore;
}

void ScreenedSurface::Scale(float x1, float y1, float x2, float y2) { map_.scale(x1, y1, x2, y2); }

void ScreenedSurface::Cls() { clear(back_); }

void ScreenedSurface::clear(Colour colour) {
    fill(map_.left(), map_.top(), map_.right(), map_.bottom(), colour);
}

void ScreenedSurface::Line(float x1, float y1, float x2, float y2, Colour colour) {
    DevicePoint a = map_.to_device(x1, y1), b = map_.to_device(x2, y2);
    const double m = (width_ + 2.0) * pixel_;
    if (!clip(a.x, a.y, b.x, b.y, map_.left() - m, map_.top() - m, map_.right() + m,
              map_.bottom() + m))
        return;
    line(a, b, colour);
}

void ScreenedSurface::Box(float x1, float y1, float x2, float y2, Colour colour) {
    const DevicePoint a = map_.to_device(x1, y1), b = map_.to_device(x2, y2);
    if (!finite(a) || !finite(b)) return;
    auto clamp_x = [&](double v) {
        return std::clamp(v, map_.left() - pixel_, map_.right() + pixel_);
    };
    auto clamp_y = [&](double v) {
        return std::clamp(v, map_.top() - pixel_, map_.bottom() + pixel_);
    };
    fill(clamp_x(std::min(a.x, b.x)), clamp_y(std::min(a.y, b.y)), clamp_x(std::max(a.x, b.x)),
         clamp_y(std::max(a.y, b.y)), colour);
}

void ScreenedSurface::PSet(float x, float y) {
    current_x_ = x;
    current_y_ = y;
    const DevicePoint c = map_.to_device(x, y);
    if (!finite(c)) return;
    const double w = pen();
    if (c.x < map_.left() - w || c.y < map_.top() - w || c.x > map_.right() + w ||
        c.y > map_.bottom() + w)
        return;
    dot(c, fore_);
}

void ScreenedSurface::Circle(float x, float y, float radius, Colour colour) {
    const DevicePoint c = map_.to_device(x, y);
    const double r = std::fabs(static_cast<double>(radius) * map_.width() / map_.user_width());
    if (!finite(c) || !std::isfinite(r)) return;
    // A circle that cannot touch the picture, or larger than any picture, is skipped.
    const double w = pen();
    if (r > 100000.0 * pixel_ || c.x + r < map_.left() - w || c.y + r < map_.top() - w ||
        c.x - r > map_.right() + w || c.y - r > map_.bottom() + w)
        return;
    circle(c, r, colour);
}

void ScreenedSurface::setDrawWidth(int pixels) { width_ = std::max(1, pixels); }

void ScreenedSurface::Print(const std::string& text_utf8) {
    const DevicePoint c = map_.to_device(current_x_, current_y_);
    if (!finite(c)) return;
    if (std::fabs(c.x - map_.left()) > 1e6 * pixel_ || std::fabs(c.y - map_.top()) > 1e6 * pixel_)
        return;
    text(c, text_utf8, fore_);
}

}  // namespace velantra
