#include "web/canvas_surface.h"

#include <emscripten.h>

#include <algorithm>
#include <cmath>

// The page's picture (page.js) draws in picture pixels; its canvas holds ratio device
// pixels for each of them.
EM_JS(void, velantra_picture_resize, (int width, int height, double ratio, int back),
      { Velantra.picture.resize(width, height, ratio, back); });
EM_JS(void, velantra_picture_fill, (double x, double y, double w, double h, int colour),
      { Velantra.picture.fill(x, y, w, h, colour); });
EM_JS(void, velantra_picture_line,
      (double x1, double y1, double x2, double y2, double width, int colour),
      { Velantra.picture.line(x1, y1, x2, y2, width, colour); });
EM_JS(void, velantra_picture_dot, (double x, double y, double width, int colour),
      { Velantra.picture.dot(x, y, width, colour); });
EM_JS(void, velantra_picture_circle, (double x, double y, double r, double width, int colour),
      { Velantra.picture.circle(x, y, r, width, colour); });
EM_JS(void, velantra_picture_text, (double x, double y, const char* text, int colour),
      { Velantra.picture.text(x, y, UTF8ToString(text), colour); });
EM_JS(void, velantra_picture_font, (const char* font),
      { Velantra.picture.font = UTF8ToString(font); });

namespace velantra {

namespace {

// Liang–Barsky: clips the segment to the rectangle in double precision; false when
// nothing of it is inside or a coordinate is not finite.
bool clip(double& x1, double& y1, double& x2, double& y2, double xmin, double ymin, double xmax,
          double ymax) {
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
        return false;
    const double dx = x2 - x1, dy = y2 - y1;
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - xmin, xmax - x1, y1 - ymin, ymax - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        if (t0 > t1) return false;
    }
    const double nx1 = x1 + t0 * dx, ny1 = y1 + t0 * dy;
    x2 = x1 + t1 * dx;
    y2 = y1 + t1 * dy;
    x1 = nx1;
    y1 = ny1;
    return true;
}

int js_colour(Colour c) { return static_cast<int>(c & 0xFFFFFFu); }

}  // namespace

void CanvasSurface::resize(int width_px, int height_px, double ratio) {
    const double w = std::max(1, width_px), h = std::max(1, height_px);
    if (!(ratio > 0) || !std::isfinite(ratio)) ratio = 1.0;
    if (w == w_ && h == h_ && ratio == ratio_) return;
    w_ = w;
    h_ = h;
    ratio_ = ratio;
    map_.set_area(0, 0, w_, h_);
    velantra_picture_resize(static_cast<int>(w_), static_cast<int>(h_), ratio, js_colour(back_));
}

void CanvasSurface::setFont(const std::string& css_font) {
    velantra_picture_font(css_font.c_str());
}

void CanvasSurface::Scale(float x1, float y1, float x2, float y2) { map_.scale(x1, y1, x2, y2); }

void CanvasSurface::Cls() { velantra_picture_fill(0, 0, w_, h_, js_colour(back_)); }

void CanvasSurface::Line(float x1, float y1, float x2, float y2, Colour colour) {
    const auto [ax0, ay0] = map_.to_device(x1, y1);
    const auto [bx0, by0] = map_.to_device(x2, y2);
    double ax = ax0, ay = ay0, bx = bx0, by = by0;
    const double m = width_ + 2.0;
    if (!clip(ax, ay, bx, by, -m, -m, w_ + m, h_ + m)) return;
    velantra_picture_line(ax, ay, bx, by, width_, js_colour(colour));
}

void CanvasSurface::Box(float x1, float y1, float x2, float y2, Colour colour) {
    const auto [ax0, ay0] = map_.to_device(x1, y1);
    const auto [bx0, by0] = map_.to_device(x2, y2);
    double ax = ax0, ay = ay0, bx = bx0, by = by0;
    if (!std::isfinite(ax) || !std::isfinite(ay) || !std::isfinite(bx) || !std::isfinite(by))
        return;
    auto cx = [&](double v) { return std::clamp(v, -1.0, w_ + 1.0); };
    auto cy = [&](double v) { return std::clamp(v, -1.0, h_ + 1.0); };
    // Whole pixels covering the box, as the desktop fills it.
    const double left = std::floor(cx(std::min(ax, bx))), top = std::floor(cy(std::min(ay, by)));
    const double right = std::ceil(cx(std::max(ax, bx))), bottom = std::ceil(cy(std::max(ay, by)));
    velantra_picture_fill(left, top, right - left, bottom - top, js_colour(colour));
}

void CanvasSurface::PSet(float x, float y) {
    current_x_ = x;
    current_y_ = y;
    const auto [cx, cy] = map_.to_device(x, y);
    if (!std::isfinite(cx) || !std::isfinite(cy)) return;
    const double w = width_;
    if (cx < -w || cy < -w || cx > w_ + w || cy > h_ + w) return;
    velantra_picture_dot(cx, cy, w, js_colour(fore_));
}

void CanvasSurface::Circle(float x, float y, float radius, Colour colour) {
    const auto [cx, cy] = map_.to_device(x, y);
    const double r = std::fabs(static_cast<double>(radius) * w_ / map_.user_width());
    if (!std::isfinite(cx) || !std::isfinite(cy) || !std::isfinite(r)) return;
    // A circle that cannot touch the picture, or larger than any picture, is skipped.
    const double w = width_;
    if (r > 100000.0 || cx + r < -w || cy + r < -w || cx - r > w_ + w || cy - r > h_ + w) return;
    velantra_picture_circle(cx, cy, r, w, js_colour(colour));
}

void CanvasSurface::setDrawWidth(int pixels) { width_ = std::max(1, pixels); }

void CanvasSurface::Print(const std::string& text) {
    const auto [cx, cy] = map_.to_device(current_x_, current_y_);
    if (!std::isfinite(cx) || !std::isfinite(cy) || std::fabs(cx) > 1e6 || std::fabs(cy) > 1e6)
        return;
    velantra_picture_text(cx, cy, text.c_str(), js_colour(fore_));
}

}  // namespace velantra
