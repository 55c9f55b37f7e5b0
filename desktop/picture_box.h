#pragma once
// Picture1: shows the raster surface's back buffer and reports pointer moves in pixels.
// Every drawing call schedules a repaint of what it changed, so whatever has been drawn
// is on screen the next time the event loop runs, a modal box's loop included.
// Shape1: the start-point marker, a small filled circle lying on the picture.

#include <QPainter>
#include <QWidget>
#include <functional>

#include "surface/raster_surface.h"
#include "window/definition.h"

namespace velantra {

class PictureBox : public QWidget {
  public:
    PictureBox(RasterSurface& surface, QWidget* parent);
    // Called with the pointer position in pixels of the picture.
    std::function<void(double px, double py)> on_mouse_move;
    int paints() const { return paints_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    RasterSurface& surface_;
    int paints_ = 0;
};

// Shape1's circle filling `box`, as the window and a picture file show it.
void paint_shape(QPainter& painter, const ShapeDef& look, const QRectF& box);

class ShapeCircle : public QWidget {
  public:
    ShapeCircle(const ControlDef& def, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const ShapeDef& look_;
};

}  // namespace velantra
