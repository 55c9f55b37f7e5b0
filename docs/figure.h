#pragma once
// A figure of a reference document: drawn at build time into its place on the page, as
// vectors when the page is a PDF.

#include <QPainter>
#include <QRectF>
#include <QString>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "model/catalogue.h"
#include "model/simulation.h"
#include "surface/painter_surface.h"

namespace velantra::docs {

struct Figure {
    double width = 1.0;         // share of the text column
    double aspect = 1.0 / 3.0;  // height over width
    QString caption;            // what the figure shows: its parameters and results
    std::function<void(QPainter&, const QRectF&)> draw;
};

// What a document's language asks of its figures beside their texts, which come from the
// catalogue of the language chosen.
struct Edition {
    QString program;       // names the drawing program
    QChar decimal = u',';  // the separator of the numbers the figures print
};

// A figure's text in the language chosen, with its "{name}" placeholders filled.
inline QString figure_text(
    std::string_view source,
    std::initializer_list<std::pair<std::string_view, std::string_view>> values = {}) {
    return QString::fromStdString(fill(tr(source), values));
}

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
Figure ray_figure(const Media& media, const std::vector<Ray>& rays, const Edition& edition,
                  const Overlay& overlay = {});

// A column of numbers of a document's table: (first column, second column) per row.
using Table = std::vector<std::pair<double, double>>;

// The program's own ray figures and plots, by the name a document gives them;
// `tables` are the document's tables in their order.
std::map<QString, Figure> ray_figures(const Edition& edition);
std::map<QString, Figure> plot_figures(const std::vector<Table>& tables, const Edition& edition);

}  // namespace velantra::docs
