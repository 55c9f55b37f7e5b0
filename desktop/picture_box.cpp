#include "desktop/picture_box.h"

#include <QMouseEvent>
#include <QPainter>

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

ShapeCircle::ShapeCircle(QWidget* parent) : QWidget(parent) {
    setFixedSize(12, 12);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeCircle::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // A 3 px black border around a grey fill; the pen straddles the outline, so inset by 1.5.
    painter.setPen(QPen(QColor(0, 0, 0), 3));
    painter.setBrush(QColor(128, 128, 128));
    painter.drawEllipse(QRectF(1.5, 1.5, 9, 9));
}

}  // namespace velantra
