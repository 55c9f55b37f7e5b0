#include "surface/painter_surface.h"

#include <QFontMetrics>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "surface/clip.h"

namespace velantra {

namespace {

bool finite(const QPointF& p) { return std::isfinite(p.x()) && std::isfinite(p.y()); }

}  // namespace

PainterSurface::PainterSurface(QPainter& painter, const QRectF& area, double pixel)
    : painter_(&painter), pixel_(pixel > 0 ? pixel : 1.0) {
    setArea(area);
}

PainterSurface::PainterSurface(const QRectF& area) { setArea(area); }

void PainterSurface::setArea(const QRectF& area) {
    area_ = area;
    map_.set_area(area.left(), area.top(), area.width(), area.height());
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
    painter_->setClipRect(area_, Qt::IntersectClip);
    painter_->setRenderHint(QPainter::Antialiasing, true);
    return *painter_;
}

void PainterSurface::end_paint() { painter_->restore(); }

QPointF PainterSurface::to_device(double x, double y) const {
    const DevicePoint p = map_.to_device(x, y);
    return {p.x, p.y};
}

void PainterSurface::Scale(float x1, float y1, float x2, float y2) { map_.scale(x1, y1, x2, y2); }

void PainterSurface::Cls() {
    QPainter& p = begin_paint();
    p.fillRect(area_, colour_of(back_));
    end_paint();
    drawn(area_);
}

void PainterSurface::Line(float x1, float y1, float x2, float y2, Colour colour) {
    const QPointF a = to_device(x1, y1), b = to_device(x2, y2);
    double ax = a.x(), ay = a.y(), bx = b.x(), by = b.y();
    const double m = (width_ + 2.0) * pixel_;
    if (!clip(ax, ay, bx, by, area_.left() - m, area_.top() - m, area_.right() + m,
              area_.bottom() + m))
        return;
    if (snapping() && width_ == 1 && (ax == bx || ay == by)) {
        // Whole device columns (rows) as wide as the pen, the caps square.
        const double w = snapped_pixel(), h = pixel_ / 2;
        if (ax == bx) {
            const double left = snap(ax - w / 2);
            fill_snapped(left, std::min(ay, by) - h, left + w, std::max(ay, by) + h, colour);
        } else {
            const double top = snap(ay - w / 2);
            fill_snapped(std::min(ax, bx) - h, top, std::max(ax, bx) + h, top + w, colour);
        }
        return;
    }
    QPainter& p = begin_paint();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(colour_of(colour), width_ * pixel_, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(ax, ay), QPointF(bx, by));
    end_paint();
    const double h = m / 2;
    drawn(QRectF(QPointF(std::min(ax, bx), std::min(ay, by)),
                 QPointF(std::max(ax, bx), std::max(ay, by)))
              .adjusted(-h, -h, h, h));
}

void PainterSurface::Box(float x1, float y1, float x2, float y2, Colour colour) {
    const QPointF a = to_device(x1, y1), b = to_device(x2, y2);
    if (!finite(a) || !finite(b)) return;
    auto clamp_x = [&](double v) {
        return std::clamp(v, area_.left() - pixel_, area_.right() + pixel_);
    };
    auto clamp_y = [&](double v) {
        return std::clamp(v, area_.top() - pixel_, area_.bottom() + pixel_);
    };
    const QRectF r(QPointF(clamp_x(std::min(a.x(), b.x())), clamp_y(std::min(a.y(), b.y()))),
                   QPointF(clamp_x(std::max(a.x(), b.x())), clamp_y(std::max(a.y(), b.y()))));
    // Neighbouring boxes share their snapped edge: they meet on a device pixel edge.
    if (snapping()) {
        fill_snapped(r.left(), r.top(), r.right(), r.bottom(), colour);
        return;
    }
    QPainter& p = begin_paint();
    p.fillRect(r.toAlignedRect(), colour_of(colour));
    end_paint();
    drawn(r.toAlignedRect());
}

void PainterSurface::PSet(float x, float y) {
    current_x_ = x;
    current_y_ = y;
    const QPointF c = to_device(x, y);
    if (!finite(c)) return;
    const double w = width_ * pixel_;
    if (c.x() < area_.left() - w || c.y() < area_.top() - w || c.x() > area_.right() + w ||
        c.y() > area_.bottom() + w)
        return;
    if (snapping() && width_ == 1) {
        const double side = snapped_pixel();
        const double left = snap(c.x() - side / 2), top = snap(c.y() - side / 2);
        fill_snapped(left, top, left + side, top + side, fore_);
        return;
    }
    QPainter& p = begin_paint();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(colour_of(fore_), w, Qt::SolidLine, Qt::RoundCap));
    p.drawPoint(c);
    end_paint();
    const double h = w / 2 + pixel_;
    drawn(QRectF(c.x() - h, c.y() - h, 2 * h, 2 * h));
}

void PainterSurface::Circle(float x, float y, float radius, Colour colour) {
    const QPointF c = to_device(x, y);
    const double r = std::fabs(static_cast<double>(radius) * area_.width() / map_.user_width());
    if (!finite(c) || !std::isfinite(r)) return;
    // A circle that cannot touch the picture, or larger than any picture, is skipped.
    const double w = width_ * pixel_;
    if (r > 100000.0 * pixel_ || c.x() + r < area_.left() - w || c.y() + r < area_.top() - w ||
        c.x() - r > area_.right() + w || c.y() - r > area_.bottom() + w)
        return;
    QPainter& p = begin_paint();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(colour_of(colour), w));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r, r);
    end_paint();
    const double h = r + w / 2 + pixel_;
    drawn(QRectF(c.x() - h, c.y() - h, 2 * h, 2 * h));
}

void PainterSurface::setDrawWidth(int pixels) { width_ = std::max(1, pixels); }

void PainterSurface::Print(const std::string& text) {
    const QPointF c = to_device(current_x_, current_y_);
    if (!finite(c)) return;
    if (std::fabs(c.x() - area_.left()) > 1e6 * pixel_ ||
        std::fabs(c.y() - area_.top()) > 1e6 * pixel_)
        return;
    QPainter& p = begin_paint();
    p.setFont(font_);
    p.setPen(colour_of(fore_));
    const QFontMetrics metrics(font_, p.device());
    const QString line = QString::fromStdString(text);
    const QPointF origin(c.x(), c.y() + metrics.ascent());
    p.drawText(snapping() ? QPointF(snap(origin.x()), snap(origin.y())) : origin, line);
    end_paint();
    drawn(QRectF(c.x(), c.y(), metrics.horizontalAdvance(line), metrics.height())
              .adjusted(-2 * pixel_, -pixel_, 2 * pixel_, pixel_));
}

}  // namespace velantra
