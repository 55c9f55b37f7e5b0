#pragma once
// The picture box on any Qt paint device (an image, a widget, a PDF page): user units
// mapped linearly onto a rectangle of the device by Scale, pen widths in picture pixels
// of a given size in device units. Coordinates that are not finite or lie far outside
// are clipped in double precision first.

#include <QFont>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <algorithm>
#include <cmath>

#include "surface/surface.h"
#include "surface/user_map.h"

namespace velantra {

class PainterSurface : public Surface {
  public:
    // Draws through `painter`, which the caller keeps active, into `area` (device units);
    // one picture pixel is `pixel` device units. Nothing is drawn outside `area`.
    PainterSurface(QPainter& painter, const QRectF& area, double pixel = 1.0);

    void setFont(const QFont& font) { font_ = font; }
    void setBackColor(Colour colour) { back_ = colour; }
    void setForeColor(Colour colour) { fore_ = colour; }

    // User units to device units.
    QPointF to_device(double x, double y) const;

    void Scale(float x1, float y1, float x2, float y2) override;
    // Fills the area with the back colour.
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

  protected:
    // For a realisation that opens its own painter on each drawing call.
    explicit PainterSurface(const QRectF& area);
    void setArea(const QRectF& area);
    // The device pixels per picture pixel of a raster device. At a fractional ratio picture
    // pixels end between device pixels, so boxes, one-pixel lines and dots and the text's
    // origin are put on whole device pixels instead; at a whole ratio they lie there already.
    void setDeviceRatio(double ratio);
    Colour back_colour() const { return back_; }
    static QColor colour_of(Colour c);

    // The painter for one drawing call, in its default state; end_paint closes the call.
    virtual QPainter& begin_paint();
    virtual void end_paint();
    // After each drawing call: the device rectangle it may have changed, pen and
    // antialiasing margin included (not yet clipped to the area).
    virtual void drawn(const QRectF& /*changed*/) {}

  private:
    bool snapping() const { return snap_ > 0; }
    // The nearest device pixel edge, in picture pixels.
    double snap(double v) const { return std::round(v * snap_) / snap_; }
    // One picture pixel as whole device pixels, at least one.
    double snapped_pixel() const { return std::max(1.0, std::round(pixel_ * snap_)) / snap_; }
    // Fills the snapped rectangle with the colour, with no antialiasing at its edges.
    void fill_snapped(double left, double top, double right, double bottom, Colour colour);

    QPainter* painter_ = nullptr;
    double snap_ = 0;
    QRectF area_;
    double pixel_ = 1.0;
    QFont font_;
    Colour back_ = RGB(255, 255, 255);
    Colour fore_ = RGB(0, 0, 0);
    UserMap map_;
    int width_ = 1;
    float current_x_ = 0, current_y_ = 0;
};

}  // namespace velantra
