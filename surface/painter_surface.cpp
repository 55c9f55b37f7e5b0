#include "surface/painter_surface.h"

#include <QFontMetrics>
#include <QPen>
#include <algorithm>
#include <cmath>

namespace velantra {

QFont font_of(const FontDef& def) {
    QFont font(QString::fromUtf8(def.face));
    font.setPointSizeF(def.points);
    font.setWeight(static_cast<QFont::Weight>(def.weight));
    return font;
}

PainterSurface::PainterSurface(QPainter& painter, const QRectF& area, double pixel)
    : ScreenedSurface(area.left(), area.top(), area.width(), area.height(), pixel),
      painter_(&painter) {}

PainterSurface::PainterSurface(const QRectF& area)
    : ScreenedSurface(area.left(), area.top(), area.width(), area.height(), 1.0) {}

void PainterSurface::setArea(const QRectF& area) {
    set_area(area.left(), area.top(), area.width(), area.height());
}

QRectF PainterSurface::area_rect() const {
    return {area().left(), area().top(), area().width(), area().height()};
}

void PainterSurface::setDeviceRatio(double ratio) {
    snap_ = std::isfinite(ratio) && ratio > 0 && std::fabs(ratio - std::round(ratio)) > 1e-9 ? ratio
                                                                                             : 0;
}

void PainterSurface::fill_snapped(double left, double top, double right, double bottom,
                                  Colour colour) {
    const QRectF r(QPointF(snap(left), snap(top)), QPointF(snap(right), snap(bottom)));
    QPainter& p = begin_paint();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(r, colour_of(colour));
    end_paint();
    drawn(r.adjusted(-1, -1, 1, 1));
}

QColor PainterSurface::colour_of(Colour c) { return QColor(red_of(c), green_of(c), blue_of(c)); }

QPainter& PainterSurface::begin_paint() {
    painter_->save();
    painter_->setClipRect(area_rect(), Qt::IntersectClip);
    painter_->setRenderHint(QPainter::Antialiasing, true);
    return *painter_;
}

void PainterSurface::end_paint() { painter_->restore(); }

QPointF PainterSurface::to_device(double x, double y) const {
    const DevicePoint p = device_point(x, y);
    return {p.x, p.y};
}

void PainterSurface::clear(Colour colour) {
    const QRectF all = area_rect();
    QPainter& p = begin_paint();
    p.fillRect(all, colour_of(colour));
    end_paint();
    drawn(all);
}

void PainterSurface::fill(double left, double top, double right, double bottom, Colour colour) {
    // Neighbouring boxes share their snapped edge: they meet on a device pixel edge.
    if (snapping()) {
        fill_snapped(left, top, right, bottom, colour);
        return;
    }
    const QRect r = QRectF(QPointF(left, top), QPointF(right, bottom)).toAlignedRect();
    QPainter& p = begin_paint();
    p.fillRect(r, colour_of(colour));
    end_paint();
    drawn(r);
}

void PainterSurface::line(DevicePoint a, DevicePoint b, Colour colour) {
    const double pixel = this->pixel();
    if (snapping() && DrawWidth() == 1 && (a.x == b.x || a.y == b.y)) {
        // Whole device columns (rows) as wide as the pen, the caps square.
        const double w = snapped_pixel(), h = pixel / 2;
        if (a.x == b.x) {
            const double left = snap(a.x - w / 2);
            fill_snapped(left, std::min(a.y, b.y) - h, left + w, std::max(a.y, b.y) + h, colour);
        } else {
            const double top = snap(a.y - w / 2);
            fill_snapped(std::min(a.x, b.x) - h, top, std::max(a.x, b.x) + h, top + w, colour);
        }
        return;
    }
    QPainter& p = begin_paint();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(colour_of(colour), pen(), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(a.x, a.y), QPointF(b.x, b.y));
    end_paint();
    const double h = (DrawWidth() + 2.0) * pixel / 2;
    drawn(QRectF(QPointF(std::min(a.x, b.x), std::min(a.y, b.y)),
                 QPointF(std::max(a.x, b.x), std::max(a.y, b.y)))
              .adjusted(-h, -h, h, h));
}

void PainterSurface::dot(DevicePoint centre, Colour colour) {
    if (snapping() && DrawWidth() == 1) {
        const double side = snapped_pixel();
        const double left = snap(centre.x - side / 2), top = snap(centre.y - side / 2);
        fill_snapped(left, top, left + side, top + side, colour);
        return;
    }
    const double w = pen();
    QPainter& p = begin_paint();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(colour_of(colour), w, Qt::SolidLine, Qt::RoundCap));
    p.drawPoint(QPointF(centre.x, centre.y));
    end_paint();
    const double h = w / 2 + pixel();
    drawn(QRectF(centre.x - h, centre.y - h, 2 * h, 2 * h));
}

void PainterSurface::circle(DevicePoint centre, double radius, Colour colour) {
    const double w = pen();
    QPainter& p = begin_paint();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(colour_of(colour), w));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(centre.x, centre.y), radius, radius);
    end_paint();
    const double h = radius + w / 2 + pixel();
    drawn(QRectF(centre.x - h, centre.y - h, 2 * h, 2 * h));
}

void PainterSurface::text(DevicePoint corner, const std::string& utf8, Colour colour) {
    QPainter& p = begin_paint();
    p.setFont(font_);
    p.setPen(colour_of(colour));
    const QFontMetrics metrics(font_, p.device());
    const QString line = QString::fromStdString(utf8);
    const QPointF origin(corner.x, corner.y + metrics.ascent());
    p.drawText(snapping() ? QPointF(snap(origin.x()), snap(origin.y())) : origin, line);
    end_paint();
    const double px = pixel();
    drawn(QRectF(corner.x, corner.y, metrics.horizontalAdvance(line), metrics.height())
              .adjusted(-2 * px, -px, 2 * px, px));
}

}  // namespace velantra
