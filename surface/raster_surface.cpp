#include "surface/raster_surface.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

namespace velantra {

namespace {

QColor colour_of(Colour c) { return QColor(red_of(c), green_of(c), blue_of(c)); }

// Liang–Barsky: clips the segment to the rectangle in double precision; false when
// nothing of it is inside or a coordinate is not finite.
bool clip(double& x1, double& y1, double& x2, double& y2, double xmin, double ymin, double xmax,
          double ymax) {
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
        return false;
    const double dx = x2 - x1, dy = y2 - y1;
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - xmin, xmax - x1, y1 - ymin, ymax - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        if (t0 > t1) return false;
    }
    const double nx1 = x1 + t0 * dx, ny1 = y1 + t0 * dy;
    x2 = x1 + t1 * dx;
    y2 = y1 + t1 * dy;
    x1 = nx1;
    y1 = ny1;
    return true;
}

}  // namespace

RasterSurface::RasterSurface() { resize(1, 1); }

void RasterSurface::resize(int width_px, int height_px) {
    image_ = QImage(std::max(1, width_px), std::max(1, height_px), QImage::Format_RGB32);
    image_.fill(colour_of(back_));
}

QPointF RasterSurface::to_pixel(double x, double y) const {
    return {(x - sx1_) * image_.width() / (sx2_ - sx1_),
            (y - sy1_) * image_.height() / (sy2_ - sy1_)};
}

QPointF RasterSurface::to_user(double px, double py) const {
    return {sx1_ + px * (sx2_ - sx1_) / image_.width(),
            sy1_ + py * (sy2_ - sy1_) / image_.height()};
}

void RasterSurface::Scale(float x1, float y1, float x2, float y2) {
    // A degenerate or non-finite frame keeps the previous mapping.
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2) ||
        x1 == x2 || y1 == y2)
        return;
    sx1_ = x1;
    sy1_ = y1;
    sx2_ = x2;
    sy2_ = y2;
}

void RasterSurface::Cls() { image_.fill(colour_of(back_)); }

void RasterSurface::Line(float x1, float y1, float x2, float y2, Colour colour) {
    const QPointF a = to_pixel(x1, y1), b = to_pixel(x2, y2);
    double ax = a.x(), ay = a.y(), bx = b.x(), by = b.y();
    const double m = width_ + 2.0;
    if (!clip(ax, ay, bx, by, -m, -m, image_.width() + m, image_.height() + m)) return;
    QPainter p(&image_);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(colour_of(colour), width_, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(ax, ay), QPointF(bx, by));
}

void RasterSurface::Box(float x1, float y1, float x2, float y2, Colour colour) {
    const QPointF a = to_pixel(x1, y1), b = to_pixel(x2, y2);
    if (!std::isfinite(a.x()) || !std::isfinite(a.y()) || !std::isfinite(b.x()) ||
        !std::isfinite(b.y()))
        return;
    auto clamp_x = [&](double v) { return std::clamp(v, -1.0, image_.width() + 1.0); };
    auto clamp_y = [&](double v) { return std::clamp(v, -1.0, image_.height() + 1.0); };
    const QRectF r(QPointF(clamp_x(std::min(a.x(), b.x())), clamp_y(std::min(a.y(), b.y()))),
                   QPointF(clamp_x(std::max(a.x(), b.x())), clamp_y(std::max(a.y(), b.y()))));
    QPainter p(&image_);
    p.fillRect(r.toAlignedRect(), colour_of(colour));
}

void RasterSurface::PSet(float x, float y) {
    current_x_ = x;
    current_y_ = y;
    const QPointF c = to_pixel(x, y);
    if (!std::isfinite(c.x()) || !std::isfinite(c.y())) return;
    if (c.x() < -width_ || c.y() < -width_ || c.x() > image_.width() + width_ ||
        c.y() > image_.height() + width_)
        return;
    QPainter p(&image_);
    p.setPen(QPen(colour_of(fore_), width_, Qt::SolidLine, Qt::RoundCap));
    p.drawPoint(c);
}

void RasterSurface::Circle(float x, float y, float radius, Colour colour) {
    const QPointF c = to_pixel(x, y);
    const double r = std::fabs(static_cast<double>(radius) * image_.width() / (sx2_ - sx1_));
    if (!std::isfinite(c.x()) || !std::isfinite(c.y()) || !std::isfinite(r)) return;
    // A circle that cannot touch the picture, or larger than any picture, is skipped.
    if (r > 100000.0 || c.x() + r < -width_ || c.y() + r < -width_ ||
        c.x() - r > image_.width() + width_ || c.y() - r > image_.height() + width_)
        return;
    QPainter p(&image_);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(colour_of(colour), width_));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r, r);
}

void RasterSurface::setDrawWidth(int pixels) { width_ = std::max(1, pixels); }

void RasterSurface::Print(const std::string& text) {
    const QPointF c = to_pixel(current_x_, current_y_);
    if (!std::isfinite(c.x()) || !std::isfinite(c.y())) return;
    if (std::fabs(c.x()) > 1e6 || std::fabs(c.y()) > 1e6) return;
    QPainter p(&image_);
    p.setFont(font_);
    p.setPen(colour_of(fore_));
    p.drawText(QPointF(c.x(), c.y() + QFontMetrics(font_).ascent()), QString::fromStdString(text));
}

}  // namespace velantra
