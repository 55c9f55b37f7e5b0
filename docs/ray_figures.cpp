// The ray figures: each drawn by the simulation itself through the painter surface, at the
// program's picture size scaled to the figure, so pens and labels keep their proportions.

#include <QFont>
#include <QPainterPath>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "docs/figure.h"
#include "model/constants.h"
#include "model/simulation.h"
#include "surface/forwarding_surface.h"
#include "surface/painter_surface.h"
#include "surface/raster_surface.h"

namespace velantra::docs {

namespace {

// The picture box's width in the program's window, in pixels.
constexpr double kPictureWidth = 698;

// Keeps the result lines of a run for the caption; the information messages are stated
// in the text, not shown.
class CaptionDisplay : public Display {
  public:
    std::map<ResultLabel, std::string> captions;
    std::map<ResultLabel, bool> shown;
    void set_caption(ResultLabel label, const std::string& utf8) override {
        captions[label] = utf8;
    }
    void set_visible(ResultLabel label, bool visible) override { shown[label] = visible; }
    double shape1_width() const override { return 0.1; }
    double shape1_height() const override { return 0.04; }
    void move_shape1(double, double) override {}
    void message(const std::string&, const std::string&) override {}
};

QString number(double v, QChar decimal) {
    return QString::number(v, 'g', 7).replace(u'.', decimal).replace(u'-', QChar(0x2212));
}

QFont picture_font(double pixel) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(11 * pixel))));
    return font;
}

void set_up(Simulation& sim, const Media& media, const Ray& ray, QChar decimal) {
    Form_Load(sim.scene);
    sim.decimal_separator = QString(decimal).toStdString();
    sim.scene.n1 = media.n1;
    sim.scene.nmin = media.nmin;
    sim.scene.nmax = static_cast<float>(media.nmax);
    sim.scene.X0 = ray.X0;
    sim.scene.Yo = ray.Yo;
    sim.set_angle(Number::real(ray.a0));
}

// The program draws the frame for the first ray and runs every ray over it.
void draw_rays(Simulation& sim, const Media& media, const std::vector<Ray>& rays, QChar decimal) {
    for (std::size_t i = 0; i < rays.size(); ++i) {
        set_up(sim, media, rays[i], decimal);
        if (i == 0) sim.draw_frame();
        sim.raschet();
    }
}

// The result lines the program shows after the last run, as the window shows them.
QString results(const Media& media, const std::vector<Ray>& rays, QChar decimal) {
    RasterSurface surface;  // one pixel: only the result lines are wanted
    CaptionDisplay display;
    Simulation sim(surface, display);
    draw_rays(sim, media, rays, decimal);
    QStringList lines;
    for (ResultLabel label : {ResultLabel::Label7, ResultLabel::Label9, ResultLabel::Label8,
                              ResultLabel::Label13, ResultLabel::Label14}) {
        const auto it = display.captions.find(label);
        const bool hidden = display.shown.count(label) && !display.shown[label];
        if (it == display.captions.end() || hidden) continue;
        const QString text = QString::fromStdString(it->second).trimmed();
        if (!text.isEmpty()) lines << text;
    }
    return lines.join(QStringLiteral("; "));
}

QString parameters(const Media& media, const std::vector<Ray>& rays, QChar decimal) {
    auto number = [decimal](double v) { return docs::number(v, decimal).toStdString(); };
    QString text = QStringLiteral("n1 = %1; nmin = %2; nmax = %3")
                       .arg(QString::fromStdString(number(media.n1)),
                            QString::fromStdString(number(media.nmin)),
                            QString::fromStdString(number(media.nmax)));
    // Rays from one start point are named by their angles only.
    const bool one_start = std::all_of(rays.begin(), rays.end(), [&](const Ray& r) {
        return r.X0 == rays.front().X0 && r.Yo == rays.front().Yo;
    });
    if (one_start) {
        QStringList angles;
        for (const Ray& ray : rays)
            angles << QString::fromStdString(number(ray.a0)) + QStringLiteral("°");
        return text + QStringLiteral("; ") +
               figure_text("X0 = {x0} м; Yo = {yo} м; a0 = {a0}",
                           {{"x0", number(rays.front().X0)},
                            {"yo", number(rays.front().Yo)},
                            {"a0", angles.join(QStringLiteral(", ")).toStdString()}});
    }
    for (const Ray& ray : rays)
        text +=
            QStringLiteral("; ") +
            figure_text("X0 = {x0} м, Yo = {yo} м, a0 = {a0}°",
                        {{"x0", number(ray.X0)}, {"yo", number(ray.Yo)}, {"a0", number(ray.a0)}});
    return text;
}

// What a ray figure shows, in a sentence: the scene, the program's result lines and the program.
QString caption(const Media& media, const std::vector<Ray>& rays, const Edition& edition) {
    return figure_text(
        "{parameters}. Программа показывает: {results}. Нарисовано моделью программы {program}.",
        {{"parameters", parameters(media, rays, edition.decimal).toStdString()},
         {"results", results(media, rays, edition.decimal).toStdString()},
         {"program", edition.program.toStdString()}});
}

// Forwards to a surface but draws the landmark circles with a larger radius, for a view
// in which the program's 0.02 m would be a dot.
class WideCircles : public ForwardingSurface {
  public:
    WideCircles(Surface& surface, float radius) : ForwardingSurface(surface), radius_(radius) {}
    void Circle(float x, float y, float, Colour c) override {
        ForwardingSurface::Circle(x, y, radius_, c);
    }

  private:
    float radius_;
};

// The whole catenary of one start in the lower medium, far beyond the program's picture
// (outlined): the program's run and landmarks, the curve of formula u = |k|·ch((x − X90)/k)
// through its vertex dashed, and the boundary with a scale in metres.
Figure catenary_figure(const Media& media, const Ray& ray, const Edition& edition) {
    constexpr float x1 = -25, x2 = 9, y1 = -7, y2 = 2;
    Figure figure;
    figure.aspect = (y2 - y1) / (x2 - x1);
    figure.caption = caption(media, {ray}, edition);
    const QChar decimal = edition.decimal;
    figure.draw = [media, ray, decimal](QPainter& painter, const QRectF& area) {
        const double pixel = area.width() / kPictureWidth;
        PainterSurface surface(painter, area, pixel);
        surface.setFont(picture_font(pixel));
        WideCircles wide(surface, 0.3f);
        CaptionDisplay display;
        Simulation sim(wide, display);
        set_up(sim, media, ray, decimal);
        sim.parametr();
        surface.Scale(x1, y1, x2, y2);
        surface.Cls();
        surface.setDrawWidth(1);
        surface.Box(x1, 0, x2, 1, RGB(170, 255, 255));
        for (float x = -25; x <= 5; x += 5) {
            surface.Line(x, -0.15f, x, 0.15f, RGB(0, 0, 0));
            surface.setCurrentX(x + 0.15f);
            surface.setCurrentY(0.15f);
            surface.Print(QString::number(x, 'f', 0).toStdString());
        }
        surface.Line(x1, 0, x2, 0, RGB(0, 0, 0));
        const Colour grey = RGB(110, 110, 110);
        surface.Line(0, -1, 6, -1, grey);
        surface.Line(6, -1, 6, 1, grey);
        surface.Line(6, 1, 0, 1, grey);
        surface.Line(0, 1, 0, -1, grey);
        // The landmarks first on their own, for the curve through them.
        RasterSurface dry;
        CaptionDisplay quiet;
        Simulation landmarks(dry, quiet);
        set_up(landmarks, media, ray, decimal);
        landmarks.parametr();
        landmarks.raschet();
        const double P = landmarks.scene.n_otn_inv, X90 = landmarks.scene.X90;
        const double k = landmarks.scene.Y90 + P;
        QPainterPath curve;
        for (double x = x1; x <= x2; x += 0.05) {
            const QPointF p = surface.to_device(x, std::fabs(k) * std::cosh((x - X90) / k) - P);
            if (x == x1) {
                curve.moveTo(p);
            } else {
                curve.lineTo(p);
            }
        }
        painter.save();
        painter.setClipRect(area, Qt::IntersectClip);
        painter.setPen(QPen(QColor(200, 0, 0), 1.2 * pixel, Qt::DashLine));
        painter.drawPath(curve);
        painter.restore();
        sim.raschet();
        const std::pair<const char*, QPointF> names[] = {
            {"X90, Y90", {X90 + 0.5, landmarks.scene.Y90 - 0.4}}, {"X01", {1.5, -0.9}}};
        for (const auto& [name, at] : names) {
            surface.setCurrentX(static_cast<float>(at.x()));
            surface.setCurrentY(static_cast<float>(at.y()));
            surface.Print(name);
        }
        painter.save();
        painter.setPen(QPen(Qt::black, pixel));
        painter.drawRect(area.adjusted(pixel / 2, pixel / 2, -pixel / 2, -pixel / 2));
        painter.restore();
    };
    return figure;
}

}  // namespace

// Marks the angle between two directions (program angles, degrees from the downward
// vertical) at a point of the picture with an arc and a letter.
void mark_angle(QPainter& painter, const PainterSurface& surface, double x, double y, double from,
                double to, const QString& letter, double pixel) {
    const QPointF c = surface.to_device(x, y);
    const double r = 45 * pixel;
    painter.save();
    painter.setPen(QPen(QColor(0, 0, 160), 1.2 * pixel));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r),
                    static_cast<int>(std::lround((from - 90) * 16)),
                    static_cast<int>(std::lround((to - from) * 16)));
    const double mid = (from + to) / 2 * kPi / 180;
    const QPointF t = c + QPointF(std::sin(mid), std::cos(mid)) * r * 1.4;
    QFont font(QStringLiteral("Liberation Serif"));
    font.setItalic(true);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(17 * pixel))));
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 160));
    painter.drawText(QRectF(t.x() - 20 * pixel, t.y() - 12 * pixel, 40 * pixel, 24 * pixel),
                     Qt::AlignCenter, letter);
    painter.restore();
}

Figure ray_figure(const Media& media, const std::vector<Ray>& rays, const Edition& edition,
                  const Overlay& overlay) {
    Figure figure;
    figure.aspect = 1.0 / 3.0;  // 6 m by 2 m: one metre is as long across as down
    figure.caption = caption(media, rays, edition);
    const QChar decimal = edition.decimal;
    figure.draw = [media, rays, overlay, decimal](QPainter& painter, const QRectF& area) {
        const double pixel = area.width() / kPictureWidth;
        PainterSurface surface(painter, area, pixel);
        surface.setFont(picture_font(pixel));
        CaptionDisplay display;
        Simulation sim(surface, display);
        draw_rays(sim, media, rays, decimal);
        if (overlay) overlay(painter, surface, sim, pixel);
        painter.save();
        painter.setPen(QPen(Qt::black, pixel));
        painter.setBrush(Qt::NoBrush);
        // Inside the figure's area, so the frame's ink stays within it.
        painter.drawRect(area.adjusted(pixel / 2, pixel / 2, -pixel / 2, -pixel / 2));
        painter.restore();
    };
    return figure;
}

std::map<QString, Figure> ray_figures(const Edition& edition) {
    std::map<QString, Figure> f;
    const Media air_glass{1.000292, 1.5, 1.5};
    // From above into a homogeneous lower medium: incidence, reflection and refraction
    // angles at the boundary point.
    f["refraction"] =
        ray_figure(air_glass, {{1.6, -0.8, 40}}, edition,
                   [](QPainter& p, const PainterSurface& s, const Simulation& sim, double pixel) {
                       const double x = sim.run().X1, beta = sim.run().beta;
                       mark_angle(p, s, x, 0, 180, 220, QStringLiteral("α"), pixel);
                       mark_angle(p, s, x, 0, 140, 180, QStringLiteral("α′"), pixel);
                       mark_angle(p, s, x, 0, 0, beta, QStringLiteral("β"), pixel);
                   });
    // From below: past the critical angle (left) and just short of it (right).
    f["tir"] =
        ray_figure(air_glass, {{0.8, 0.8, 135}, {3.2, 0.8, 139}}, edition,
                   [](QPainter& p, const PainterSurface& s, const Simulation& sim, double pixel) {
                       mark_angle(p, s, 1.6, 0, -45, 0, QStringLiteral("α"), pixel);
                       // The last run is the right ray's: its boundary point and refraction.
                       const double x = sim.run().X1, beta = std::fabs(sim.run().beta);
                       mark_angle(p, s, x, 0, -41, 0, QStringLiteral("α"), pixel);
                       mark_angle(p, s, x, 0, 180 - beta, 180, QStringLiteral("β"), pixel);
                   });
    const Media water_rising{1.000292, 1.3333, 1.4};
    f["default"] = ray_figure(water_rising, {{2.5, 0.6, 45}}, edition);
    f["catenary"] = catenary_figure(water_rising, {2.5, 0.6, 45}, edition);
    f["vertex"] = ray_figure(water_rising, {{2.0, 0.6, 100}}, edition);
    f["upward"] = ray_figure(water_rising, {{2.5, 0.6, 135}}, edition);
    f["falling"] = ray_figure({1.000292, 1.5, 1.3333}, {{0.5, 0.3, 80}}, edition);
    std::vector<Ray> fan;
    for (int a0 = 30; a0 <= 150; a0 += 15) fan.push_back({3.0, 0.6, static_cast<double>(a0)});
    f["fan"] = ray_figure(water_rising, fan, edition);
    return f;
}

}  // namespace velantra::docs
