#pragma once
// A figure of a reference document: drawn at build time into its place on the page, as
// vectors when the page is a PDF.

#include <QPainter>
#include <QRectF>
#include <QString>
#include <functional>
#include <map>
#include <vector>

#include "model/simulation.h"
#include "surface/painter_surface.h"

namespace velantra::docs {

struct Figure {
    double width = 1.0;         // share of the text column
    double aspect = 1.0 / 3.0;  // height over width
    QString caption;            // what the figure shows: its parameters and results
    std::function<void(QPainter&, const QRectF&)> draw;
};

// A scene of the program: its media and the rays started one after another without
// clearing, as repeated presses of the start button draw them.
struct Media {
    double n1 = 1.000292, nmin = 1.3333, nmax = 1.4;
};
struct Ray {
    double X0 = 2.5, Yo = 0.6, a0 = 45;
};
// What a figure adds over the program's drawing (angle marks), in the program's units.
using Overlay = std::function<void(QPainter&, const PainterSurface&, const Simulation&, double)>;
Figure ray_figure(const Media& media, const std::vector<Ray>& rays, const QString& program,
                  const Overlay& overlay = {});

// A column of numbers of a document's table: (first column, second column) per row.
using Table = std::vector<std::pair<double, double>>;

// The program's own ray figures and plots, by the name a document gives them;
// `tables` are the document's tables in their order, `program` names the drawing program.
std::map<QString, Figure> ray_figures(const QString& program);
std::map<QString, Figure> plot_figures(const std::vector<Table>& tables, const QString& program);

}  // namespace velantra::docs
