// The plots of the documents, drawn through the painter surface like the ray figures: the
// index profiles the program shades, and the index of solutions from a document's tables.

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "docs/figure.h"

namespace velantra::docs {

namespace {

struct Axis {
    double min, max, step;
    int decimals;
    QString title;
};

struct Series {
    QString name;
    Colour colour;
    std::vector<QPointF> points;
    bool dots = false;  // tabulated values, marked each
};

QString label(double v, int decimals, QChar decimal) {
    return QString::number(v, 'f', decimals).replace(u'.', decimal);
}

// A frame with a grid, numbered ticks and titles, and the series over it. With `down`
// the vertical axis grows downward, as depth does in the program's picture.
// The legend's first row sits at `legend`, in shares of the axes from the top left.
void draw_plot(QPainter& painter, const QRectF& area, QChar decimal, const Axis& ax, const Axis& ay,
               bool down, const std::vector<Series>& series, QPointF legend = {0.03, 0.0}) {
    const double pixel = area.width() / 600;
    PainterSurface s(painter, area, pixel);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(15 * pixel))));
    s.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    // The plot box inside the figure, in shares of its width and height.
    const double left = 0.11, right = 0.03, top = 0.06, bottom = 0.16;
    const double wx = (ax.max - ax.min) / (1 - left - right);
    const double wy = (ay.max - ay.min) / (1 - top - bottom);
    if (down) {
        s.Scale(static_cast<float>(ax.min - left * wx), static_cast<float>(ay.min - top * wy),
                static_cast<float>(ax.max + right * wx), static_cast<float>(ay.max + bottom * wy));
    } else {
        s.Scale(static_cast<float>(ax.min - left * wx), static_cast<float>(ay.max + top * wy),
                static_cast<float>(ax.max + right * wx), static_cast<float>(ay.min - bottom * wy));
    }
    s.Cls();
    const double ux = wx / area.width(), uy = wy / area.height();  // user units per device unit
    const double sign = down ? 1 : -1;                             // device down in user units
    auto text_at = [&](double x, double y, const QString& text, double align_x, double align_y) {
        s.setCurrentX(static_cast<float>(x - align_x * metrics.horizontalAdvance(text) * ux));
        s.setCurrentY(static_cast<float>(y - sign * align_y * metrics.height() * uy));
        s.Print(text.toStdString());
    };
    s.setDrawWidth(1);
    const int nx = static_cast<int>(std::lround((ax.max - ax.min) / ax.step));
    const int ny = static_cast<int>(std::lround((ay.max - ay.min) / ay.step));
    for (int i = 0; i <= nx; ++i) {
        const double x = ax.min + i * ax.step;
        s.Line(static_cast<float>(x), static_cast<float>(ay.min), static_cast<float>(x),
               static_cast<float>(ay.max), RGB(215, 215, 215));
        text_at(x, down ? ay.max : ay.min, label(x, ax.decimals, decimal), 0.5, -0.3);
    }
    for (int j = 0; j <= ny; ++j) {
        const double y = ay.min + j * ay.step;
        s.Line(static_cast<float>(ax.min), static_cast<float>(y), static_cast<float>(ax.max),
               static_cast<float>(y), RGB(215, 215, 215));
        text_at(ax.min - 8 * pixel * ux, y, label(y, ay.decimals, decimal), 1, 0.5);
    }
    const float x1 = static_cast<float>(ax.min), x2 = static_cast<float>(ax.max);
    const float y1 = static_cast<float>(ay.min), y2 = static_cast<float>(ay.max);
    s.Line(x1, y1, x2, y1, RGB(0, 0, 0));
    s.Line(x1, y2, x2, y2, RGB(0, 0, 0));
    s.Line(x1, y1, x1, y2, RGB(0, 0, 0));
    s.Line(x2, y1, x2, y2, RGB(0, 0, 0));
    text_at((ax.min + ax.max) / 2, down ? ay.max : ay.min, ax.title, 0.5, -1.45);
    text_at(ax.min - 8 * pixel * ux, down ? ay.min : ay.max, ay.title, 1, 1.5);
    for (std::size_t k = 0; k < series.size(); ++k) {
        const Series& line = series[k];
        s.setDrawWidth(2);
        for (std::size_t i = 1; i < line.points.size(); ++i)
            s.Line(static_cast<float>(line.points[i - 1].x()),
                   static_cast<float>(line.points[i - 1].y()),
                   static_cast<float>(line.points[i].x()), static_cast<float>(line.points[i].y()),
                   line.colour);
        if (line.dots)
            for (const QPointF& p : line.points)
                s.Circle(static_cast<float>(p.x()), static_cast<float>(p.y()),
                         static_cast<float>(4 * pixel * ux), line.colour);
        // The legend: a short stroke and the name, one row per series, top left inside.
        const double lx = ax.min + legend.x() * (ax.max - ax.min);
        const double ly =
            (down ? ay.min : ay.max) +
            sign * (legend.y() * (ay.max - ay.min) + (1.2 + 1.3 * k) * metrics.height() * uy);
        s.Line(static_cast<float>(lx), static_cast<float>(ly),
               static_cast<float>(lx + 30 * pixel * ux), static_cast<float>(ly), line.colour);
        text_at(lx + 38 * pixel * ux, ly, line.name, 0, 0.5);
    }
}

// The index at a concentration of a table; a table without that row is a broken source.
double at(const Table& table, double concentration) {
    for (const auto& [c, n] : table)
        if (c == concentration) return n;
    throw std::runtime_error("the table lacks a row the figure needs");
}

std::vector<QPointF> points(const Table& table) {
    std::vector<QPointF> out;
    for (const auto& [c, n] : table) out.emplace_back(c, n);
    return out;
}

}  // namespace

std::map<QString, Figure> plot_figures(const std::vector<Table>& tables, const Edition& edition) {
    std::map<QString, Figure> f;
    const std::string program = edition.program.toStdString();
    const QChar decimal = edition.decimal;
    Figure profile;
    profile.width = 0.8;
    profile.aspect = 0.6;
    profile.caption =
        figure_text("Нарисовано средствами программы {program}.", {{"program", program}});
    profile.draw = [decimal](QPainter& painter, const QRectF& area) {
        draw_plot(
            painter, area, decimal, {1.30, 1.55, 0.05, 2, figure_text("показатель преломления n")},
            {0, 1, 0.25, 2, figure_text("y, м")}, true,
            {{figure_text("растёт: 1,3333 → 1,4"), RGB(0, 0, 255), {{1.3333, 0}, {1.4, 1}}},
             {figure_text("постоянен: 1,5"), RGB(0, 150, 0), {{1.5, 0}, {1.5, 1}}},
             {figure_text("убывает: 1,5 → 1,3333"), RGB(200, 0, 200), {{1.5, 0}, {1.3333, 1}}}},
            {0.42, 0.62});
    };
    f["profile"] = profile;
    if (tables.size() >= 2) {
        Figure solutions;
        solutions.width = 0.85;
        solutions.aspect = 0.62;
        solutions.caption =
            figure_text("По таблицам 1 и 2; нарисовано средствами программы {program}.",
                        {{"program", program}});
        const Table& sugar = tables[0];
        const Table& salt = tables[1];
        solutions.draw = [sugar, salt, decimal](QPainter& painter, const QRectF& area) {
            draw_plot(painter, area, decimal, {0, 70, 10, 0, figure_text("массовая доля, %")},
                      {1.33, 1.46, 0.02, 2, QStringLiteral("n (20 °C)")}, false,
                      {{figure_text("сахароза"), RGB(0, 0, 255), points(sugar), true},
                       {figure_text("хлорид натрия"), RGB(0, 150, 0), points(salt), true}});
        };
        f["solutions"] = solutions;
        // A tank of sugar water from 0 % at the top to 40 % at the bottom, lit from the side.
        f["tank"] = ray_figure({1.000292, at(sugar, 0), at(sugar, 40)}, {{0.3, 0.3, 85}}, edition);
    }
    return f;
}

}  // namespace velantra::docs
