#include "surface/raster_surface.h"

#include <algorithm>

#include "surface/device_pixels.h"

namespace velantra {

// Its own resize, named: no derived surface exists yet while this one is made.
RasterSurface::RasterSurface() : PainterSurface(QRectF(0, 0, 1, 1)) {
    RasterSurface::resize(1, 1, 1.0);
}

void RasterSurface::resize(int width_px, int height_px, double ratio) {
    size_ = QSize(std::max(1, width_px), std::max(1, height_px));
    ratio = usable_ratio(ratio);
    image_ = QImage(device_pixels(size_.width(), ratio), device_pixels(size_.height(), ratio),
                    QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio);
    setDeviceRatio(ratio);
    image_.fill(colour_of(back_colour()));
    setArea(QRectF(QPointF(0, 0), QSizeF(size_)));
    if (on_changed) on_changed(QRect(QPoint(0, 0), size_));
}

void RasterSurface::set_look(Colour back, Colour fore, const FontDef& font) {
    set_colours(back, fore);
    setFont(font_of(font));
}

// The image's own ratio makes the painter work in picture pixels and rasterise at the
// image's resolution.
QPainter& RasterSurface::begin_paint() { return painter_.emplace(&image_); }

void RasterSurface::end_paint() { painter_.reset(); }

void RasterSurface::drawn(const QRectF& changed) {
    if (!on_changed) return;
    const QRect r = changed.toAlignedRect() & QRect(QPoint(0, 0), size_);
    if (!r.isEmpty()) on_changed(r);
}

}  // namespace velantra
