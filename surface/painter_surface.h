#pragma once
// The picture box on any Qt paint device (an image, a widget, a PDF page): the screened
// surface's primitives drawn by a QPainter into a rectangle of the device, pen widths in
// picture pixels of a given size in device units.

#include <QFont>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <algorithm>
#include <cmath>

#include "platform/font.h"
#include "surface/screened_surface.h"

namespace velantra {

// A font of the definitions; fontconfig maps "Times New Roman" to Liberation Serif and
// "MS Sans Serif" to a Cyrillic sans face.
QFont font_of(const FontDef& def);

class PainterSurface : public ScreenedSurface {
  public:
    // Draws through `painter`, which the caller keeps active, into `area` (device units);
    // one picture pixel is `pixel` device units. Nothing is drawn outside `area`.
    PainterSurface(QPainter& painter, const QRectF& area, double pixel = 1.0);

    void setFont(const QFont& font) { font_ = font; }

    // User units to device units.
    QPointF to_device(double x, double y) const;

  protected:
    // For a realisation that opens its own painter on each drawing call.
    explicit PainterSurface(const QRectF& area);
    void setArea(const QRectF& area);
    // The device pixels per picture pixel of a raster device. At a fractional ratio picture
    // pixels end between device pixels, so boxes, one-pixel lines and dots and the text's
    // origin are put on whole device pixels instead; at a whole ratio they lie there already.
    void setDeviceRatio(double ratio);
    static QColor colour_of(Colour c);

    // The painter for one drawing call, in its default state; end_paint closes the call.
    virtual QPainter& begin_paint();
    virtual void end_paint();
    // After each drawing call: the device rectangle it may have changed, pen and
    // antialiasing margin included (not yet clipped to the area).
    virtual void drawn(const QRectF& /*changed*/) {}

  private:
    // Boxes, and one-pixel lines along an axis and dots, fill whole device pixels; other
    // lines and dots are drawn without antialiasing.
    void fill(double left, double top, double right, double bottom, Colour colour) override;
    void line(DevicePoint a, DevicePoint b, Colour colour) override;
    void dot(DevicePoint centre, Colour colour) override;
    // The area exactly, as the clip has it.
    void clear(Colour colour) override;
    // Antialiased; text at the font's ascent below the corner.
    void circle(DevicePoint centre, double radius, Colour colour) override;
    void text(DevicePoint corner, const std::string& utf8, Colour colour) override;

    QRectF area_rect() const;
    bool snapping() const { return snap_ > 0; }
    // The nearest device pixel edge, in picture pixels.
    double snap(double v) const { return std::round(v * snap_) / snap_; }
    // One picture pixel as whole device pixels, at least one.
    double snapped_pixel() const { return std::max(1.0, std::round(pixel() * snap_)) / snap_; }
    // Fills the snapped rectangle with the colour, with no antialiasing at its edges.
    void fill_snapped(double left, double top, double right, double bottom, Colour colour);

    QPainter* painter_ = nullptr;
    double snap_ = 0;
    QFont font_;
};

}  // namespace velantra
