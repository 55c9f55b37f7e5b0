#pragma once
// The picture box on a Qt image: a back buffer that keeps everything until Cls, user
// units mapped over the whole image, pen width in image pixels (the device units).

#include <QImage>
#include <QPainter>
#include <optional>

#include "surface/painter_surface.h"

namespace velantra {

class RasterSurface : public PainterSurface {
  public:
    RasterSurface();

    // A new blank image of this size in pixels (at least 1 × 1); the scale stays.
    void resize(int width_px, int height_px);
    const QImage& image() const { return image_; }
    // Image pixels are the device units here.
    QPointF to_pixel(double x, double y) const { return to_device(x, y); }

  private:
    QPainter& begin_paint() override;
    void end_paint() override;

    QImage image_;
    std::optional<QPainter> painter_;
};

}  // namespace velantra
