#include "desktop/picture_box.h"

#include <QMouseEvent>

namespace velantra {

PictureBox::PictureBox(RasterSurface& surface, QWidget* parent)
    : QWidget(parent), surface_(surface) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The surface belongs to the window and goes before its child widgets do.
    surface_.on_changed = [this](const QRect& changed) { update(changed); };
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // The image carries its device pixel ratio: at the widget's own ratio this is a copy.
    const QRect r = event->rect();
    const double ratio = surface_.image().devicePixelRatio();
    painter.drawImage(QRectF(r), surface_.image(),
                      QRectF(r.x() * ratio, r.y() * ratio, r.width() * ratio, r.height() * ratio));
    ++paints_;
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    if (on_mouse_move) on_mouse_move(event->position().x(), event->position().y());
}

ShapeCircle::ShapeCircle(const ControlDef& def, QWidget* parent)
    : QWidget(parent), look_(def.shape) {
    setFixedSize(def.width, def.height);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeCircle::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paint_shape(painter, look_, QRectF(rect()));
}

void paint_shape(QPainter& painter, const ShapeDef& look, const QRectF& box) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // The pen straddles the outline, so the circle is inset by half the border.
    const auto colour = [](Colour c) { return QColor(red_of(c), green_of(c), blue_of(c)); };
    const double width = look.border_width;
    painter.setPen(QPen(colour(look.border), width));
    painter.setBrush(colour(look.fill));
    painter.drawEllipse(box.adjusted(width / 2, width / 2, -width / 2, -width / 2));
    painter.restore();
}

}  // namespace velantra
