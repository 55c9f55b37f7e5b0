// Draws the icon (a ray bending in a graded cyan medium) and the Authors picture as PNG files.
// Usage: velantra_makeimages <output dir>
// Also the icon at the icon theme's sizes (icon-<size>.png) and as a scalable icon.svg.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QString>
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

// The icon is drawn on a 32-unit square, scaled to each size of the desktop's icon theme.
constexpr double kIconUnits = 32;
constexpr double kIconBoundary = 12;

QImage icon(int size) {
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / kIconUnits, size / kIconUnits);
    const QRectF r(0, 0, kIconUnits, kIconUnits);
    draw_media(p, r, kIconBoundary);
    p.setPen(QPen(QColor(220, 0, 0), 2.0));
    p.drawPath(ray(r, kIconBoundary));
    p.setPen(QPen(Qt::black, 1.0));
    p.drawLine(QPointF(0, kIconBoundary), QPointF(kIconUnits, kIconBoundary));
    return img;
}

// The same picture as a scalable SVG: the same media, ray and boundary, written out by hand.
constexpr const char* kIconSvg = R"svg(<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">
<defs><linearGradient id="graded" x1="0" y1="0" x2="0" y2="1">
<stop offset="0" stop-color="#c8ffff"/><stop offset="1" stop-color="#0096aa"/></linearGradient></defs>
<rect width="32" height="%1" fill="#fafaff"/>
<rect y="%1" width="32" height="%2" fill="url(#graded)"/>
<path d="%3" fill="none" stroke="#dc0000" stroke-width="2"/>
<line x1="0" y1="%1" x2="32" y2="%1" stroke="#000" stroke-width="1"/>
</svg>
)svg";

QByteArray icon_svg() {
    const QPainterPath path = ray(QRectF(0, 0, kIconUnits, kIconUnits), kIconBoundary);
    QString d;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        d += QStringLiteral("%1%2 %3")
                 .arg(i == 0 ? "M" : " L")
                 .arg(e.x, 0, 'f', 3)
                 .arg(e.y, 0, 'f', 3);
    }
    return QString::fromLatin1(kIconSvg)
        .arg(QString::number(kIconBoundary), QString::number(kIconUnits - kIconBoundary), d)
        .toUtf8();
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
    bool ok = icon(32).save(out.filePath(QStringLiteral("icon.png"))) &&
              authors().save(out.filePath(QStringLiteral("authors.png")));
    // The sizes a desktop's hicolor theme looks in, for the menu entry.
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        ok = ok && icon(size).save(out.filePath(QStringLiteral("icon-%1.png").arg(size)));
    }
    QFile svg(out.filePath(QStringLiteral("icon.svg")));
    ok = ok && svg.open(QIODevice::WriteOnly) && svg.write(icon_svg()) > 0;
    return ok ? 0 : 1;
}
