#pragma once
// The picture box on a Qt image: a back buffer that keeps everything until Cls, user
// units mapped over the whole picture. Coordinates and pen widths are in picture pixels
// (the widget's logical pixels); the image itself has the screen's resolution, so a
// ratio of 2 gives it four device pixels for each picture pixel.

#include <QImage>
#include <QPainter>
#include <QRect>
#include <functional>
#include <optional>

#include "surface/painter_surface.h"

namespace velantra {

class RasterSurface : public PainterSurface, public PictureSurface {
  public:
    RasterSurface();

    // At least 1 × 1; a ratio that is not a positive number is 1.
    void resize(int width_px, int height_px, double ratio) override;
    void set_look(Colour back, Colour fore, const FontDef& font) override;
    const QImage& image() const { return image_; }
    // The picture's size in picture pixels and its device pixels per picture pixel.
    QSize size() const { return size_; }
    double ratio() const { return image_.devicePixelRatio(); }
    QPointF to_pixel(double x, double y) const { return to_device(x, y); }

    // Told after every drawing call the rectangle of picture pixels it changed.
    std::function<void(const QRect&)> on_changed;

  private:
    QPainter& begin_paint() override;
    void end_paint() override;
    void drawn(const QRectF& changed) override;

    QImage image_;
    QSize size_;
    std::optional<QPainter> painter_;
};

}  // namespace velantra
