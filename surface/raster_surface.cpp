#include "surface/raster_surface.h"

#include <algorithm>

namespace velantra {

RasterSurface::RasterSurface() : PainterSurface(QRectF(0, 0, 1, 1)) { resize(1, 1); }

void RasterSurface::resize(int width_px, int height_px) {
    image_ = QImage(std::max(1, width_px), std::max(1, height_px), QImage::Format_RGB32);
    image_.fill(colour_of(back_colour()));
    setArea(QRectF(image_.rect()));
}

QPainter& RasterSurface::begin_paint() { return painter_.emplace(&image_); }

void RasterSurface::end_paint() { painter_.reset(); }

}  // namespace velantra
