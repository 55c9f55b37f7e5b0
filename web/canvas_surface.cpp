#include "web/canvas_surface.h"

#include <emscripten.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "surface/device_pixels.h"

// The page's picture (web/page/picture.js) draws in picture pixels on a canvas of the device
// pixels given.
EM_JS(void, velantra_picture_resize,
      (int width, int height, int device_width, int device_height, int back),
      { Module.page.picture.resize(width, height, device_width, device_height, back); });
EM_JS(void, velantra_picture_fill, (double x, double y, double w, double h, int colour),
      { Module.page.picture.fill(x, y, w, h, colour); });
EM_JS(void, velantra_picture_line,
      (double x1, double y1, double x2, double y2, double width, int colour),
      { Module.page.picture.line(x1, y1, x2, y2, width, colour); });
EM_JS(void, velantra_picture_dot, (double x, double y, double width, int colour),
      { Module.page.picture.dot(x, y, width, colour); });
EM_JS(void, velantra_picture_circle, (double x, double y, double r, double width, int colour),
      { Module.page.picture.circle(x, y, r, width, colour); });
EM_JS(void, velantra_picture_text, (double x, double y, const char* text, int colour),
      { Module.page.picture.text(x, y, UTF8ToString(text), colour); });
EM_JS(void, velantra_picture_font, (const char* font),
      { Module.page.picture.font(UTF8ToString(font)); });

namespace velantra {

namespace {

int js_colour(Colour c) { return static_cast<int>(c & 0xFFFFFFu); }

}  // namespace

std::string css_font(const FontDef& font) {
    if (font.face == nullptr) return {};
    char size[32];
    std::snprintf(size, sizeof size, "%d %gpt ", font.weight, font.points);
    return std::string(size) + '"' + font.face + '"';
}

CanvasSurface::CanvasSurface() : ScreenedSurface(0, 0, 1, 1, 1.0) {}

void CanvasSurface::resize(int width_px, int height_px, double ratio) {
    const int w = std::max(1, width_px), h = std::max(1, height_px);
    set_area(0, 0, w, h);
    const double r = usable_ratio(ratio);
    velantra_picture_resize(w, h, device_pixels(w, r), device_pixels(h, r),
                            js_colour(back_colour()));
}

void CanvasSurface::set_look(Colour back, Colour fore, const FontDef& font) {
    set_colours(back, fore);
    velantra_picture_font(css_font(font).c_str());
}

void CanvasSurface::fill(double left, double top, double right, double bottom, Colour colour) {
    // Whole pixels covering the box, as the desktop fills it.
    const double l = std::floor(left), t = std::floor(top);
    velantra_picture_fill(l, t, std::ceil(right) - l, std::ceil(bottom) - t, js_colour(colour));
}

void CanvasSurface::line(DevicePoint a, DevicePoint b, Colour colour) {
    velantra_picture_line(a.x, a.y, b.x, b.y, pen(), js_colour(colour));
}

void CanvasSurface::dot(DevicePoint centre, Colour colour) {
    velantra_picture_dot(centre.x, centre.y, pen(), js_colour(colour));
}

void CanvasSurface::circle(DevicePoint centre, double radius, Colour colour) {
    velantra_picture_circle(centre.x, centre.y, radius, pen(), js_colour(colour));
}

void CanvasSurface::text(DevicePoint corner, const std::string& utf8, Colour colour) {
    velantra_picture_text(corner.x, corner.y, utf8.c_str(), js_colour(colour));
}

}  // namespace velantra
