// Draws the icon (a ray bending in a graded cyan medium) and the Authors picture as PNG files.
// Usage: velantra_makeimages <output dir>

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <cstdio>

namespace {

// Upper medium on top, the graded medium below, darker cyan where the index is larger.
void draw_media(QPainter& p, const QRectF& r, double boundary) {
    p.fillRect(QRectF(r.left(), r.top(), r.width(), boundary - r.top()), QColor(250, 250, 255));
    QLinearGradient g(0, boundary, 0, r.bottom());
    g.setColorAt(0, QColor(200, 255, 255));
    g.setColorAt(1, QColor(0, 150, 170));
    p.fillRect(QRectF(r.left(), boundary, r.width(), r.bottom() - boundary), g);
}

// A catenary arc under the boundary: the ray turns back upwards as the index falls towards it.
QPainterPath ray(const QRectF& r, double boundary) {
    QPainterPath path(QPointF(r.left() + r.width() * 0.05, r.top() + r.height() * 0.05));
    const QPointF hit(r.left() + r.width() * 0.3, boundary);
    path.lineTo(hit);
    const double half = r.width() * 0.25;
    const double depth = (r.bottom() - boundary) * 0.75;
    const double a = half / std::acosh(1.0 + depth / (half * 0.35));
    for (int i = 0; i <= 40; ++i) {
        const double t = -half + 2.0 * half * i / 40.0;
        const double y = boundary + depth -
                         a * (std::cosh(t / a) - 1.0) * depth / (a * (std::cosh(half / a) - 1.0));
        path.lineTo(hit.x() + half + t, y);
    }
    path.lineTo(r.right() - r.width() * 0.05, r.top() + r.height() * 0.05);
    return path;
}

QImage icon() {
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0, 0, 32, 32);
    draw_media(p, r, 12);
    p.setPen(QPen(QColor(220, 0, 0), 2.0));
    p.drawPath(ray(r, 12));
    p.setPen(QPen(Qt::black, 1.0));
    p.drawLine(QPointF(0, 12), QPointF(32, 12));
    return img;
}

QImage authors() {
    QImage img(150, 180, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0, 0, 150, 180);
    draw_media(p, r, 70);
    p.setPen(QPen(QColor(220, 0, 0), 3.0));
    p.drawPath(ray(r, 70));
    p.setPen(QPen(Qt::black, 1.0));
    p.drawLine(QPointF(0, 70), QPointF(150, 70));
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(18);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0, 60, 80));
    p.drawText(QRectF(0, 130, 150, 40), Qt::AlignCenter, QStringLiteral("Velantra"));
    return img;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: velantra_makeimages <output dir>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const bool ok = icon().save(out.filePath(QStringLiteral("icon.png"))) &&
                    authors().save(out.filePath(QStringLiteral("authors.png")));
    return ok ? 0 : 1;
}
