#pragma once
// The picture box on a Qt image: a back buffer that keeps everything until Cls, user
// units mapped over the whole image by Scale, pen width in device pixels. Coordinates
// that are not finite or lie far outside are clipped in double precision first.

#include <QFont>
#include <QImage>
#include <QPointF>

#include "surface/surface.h"

namespace velantra {

class RasterSurface : public Surface {
  public:
    RasterSurface();

    // A new blank image of this size in pixels (at least 1 × 1); the scale stays.
    void resize(int width_px, int height_px);
    const QImage& image() const { return image_; }
    void setFont(const QFont& font) { font_ = font; }
    void setBackColor(Colour colour) { back_ = colour; }
    void setForeColor(Colour colour) { fore_ = colour; }

    // The one mapping between user units and pixels, both ways.
    QPointF to_pixel(double x, double y) const;
    QPointF to_user(double px, double py) const;

    void Scale(float x1, float y1, float x2, float y2) override;
    void Cls() override;
    void Line(float x1, float y1, float x2, float y2, Colour colour) override;
    void Box(float x1, float y1, float x2, float y2, Colour colour) override;
    void PSet(float x, float y) override;
    void Circle(float x, float y, float radius, Colour colour) override;
    int DrawWidth() const override { return width_; }
    void setDrawWidth(int pixels) override;
    void setCurrentX(float x) override { current_x_ = x; }
    void setCurrentY(float y) override { current_y_ = y; }
    void Print(const std::string& text) override;

  private:
    QImage image_;
    QFont font_;
    Colour back_ = RGB(255, 255, 255);
    Colour fore_ = RGB(0, 0, 0);
    double sx1_ = 0, sy1_ = 0, sx2_ = 1, sy2_ = 1;  // user corners
    int width_ = 1;
    float current_x_ = 0, current_y_ = 0;
};

}  // namespace velantra
