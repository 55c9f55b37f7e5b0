#include "window/description.h"

#include <algorithm>
#include <cmath>

#include "model/catalogue.h"
#include "model/constants.h"
#include "model/format.h"
#include "surface/clip.h"

namespace velantra {

namespace {

// A figure as its input box shows it, with a zero before the point and the user's separator.
std::string typed(std::string text, const std::string& separator) {
    if (!text.empty() && text.front() == ' ') text.erase(0, 1);
    const std::size_t point = text.find('.');
    if (point == std::string::npos) return text;
    if (point == 0 || text[point - 1] == '-') text.insert(point, "0");
    text.replace(text.find('.'), 1, separator);
    return text;
}

bool in_picture(double x, double y) { return x >= kXmin && x <= kXmax && y >= kYmin && y <= kYmax; }

// Which way the start marker points, from the angle reduced to (-180, 180].
const std::string& direction(double a) {
    if (a == 0) return tr("direction", "вниз");
    if (a == 180) return tr("direction", "вверх");
    if (a == 90) return tr("direction", "вправо");
    if (a == -90) return tr("direction", "влево");
    if (a > 90) return tr("direction", "вверх и вправо");
    if (a < -90) return tr("direction", "вверх и влево");
    if (a > 0) return tr("direction", "вниз и вправо");
    return tr("direction", "вниз и влево");
}

std::string ended_with_stop(std::string text) {
    if (!text.empty() && std::string_view(".!?").find(text.back()) == std::string_view::npos)
        text += '.';
    return text;
}

std::string joined(const std::vector<std::string>& sentences) {
    std::string out;
    for (const std::string& s : sentences) {
        if (!out.empty()) out += ' ';
        out += s;
    }
    return out;
}

}  // namespace

std::string Description::scene(const Scene& s) const {
    const std::string n1 = typed(numstr(s.n1), separator_);
    const std::string nmin = typed(numstr(s.nmin), separator_);
    std::string media =
        static_cast<double>(s.nmax) == s.nmin
            ? fill(tr("description",
                      "Вверху среда с показателем преломления {n1}, внизу однородная среда "
                      "с показателем {nmin}."),
                   {{"n1", n1}, {"nmin", nmin}})
            : fill(tr("description",
                      "Вверху среда с показателем преломления {n1}, внизу среда, показатель "
                      "которой меняется от {nmin} у границы до {nmax} у нижнего края."),
                   {{"n1", n1}, {"nmin", nmin}, {"nmax", typed(numstr(s.nmax), separator_)}});

    const std::string x = typed(numstr(s.X0), separator_);
    const std::string y = typed(numstr(s.Yo), separator_);
    const std::string angle = typed(numstr(s.a0), separator_);
    const std::string& way = direction(reduce_angle(s.a0));
    std::string_view start;
    if (!(s.Yo < 0) && !(s.Yo > 0)) {
        start =
            tr("description",
               "Начальная точка X0 = {x}, Yo = {y} лежит на границе сред: из неё луч не строится.");
    } else if (!in_picture(s.X0, s.Yo)) {
        start =
            tr("description",
               "Начальная точка X0 = {x}, Yo = {y} лежит вне рисунка; луч направлен {direction}, "
               "α0 = {angle}°.");
    } else if (s.Yo < 0) {
        start = tr("description",
                   "Луч начинается в верхней среде в точке X0 = {x}, Yo = {y} и направлен "
                   "{direction}, α0 = {angle}°.");
    } else {
        start = tr("description",
                   "Луч начинается в нижней среде в точке X0 = {x}, Yo = {y} и направлен "
                   "{direction}, α0 = {angle}°.");
    }
    return media + ' ' + fill(start, {{"x", x}, {"y", y}, {"direction", way}, {"angle", angle}});
}

std::string Description::run() const {
    std::vector<std::string> all = sentences_;
    if (!pending_.empty()) all.push_back(pending_);
    return joined(all);
}

void Description::flush() {
    if (!pending_.empty()) sentences_.push_back(std::move(pending_));
    pending_.clear();
}

std::string Description::on_boundary(const char* name, double x, const std::string& text) const {
    std::string place = std::string(name) + " = " + text;
    if (!(x < kXmin) && !(x > kXmax)) return place;
    return fill(tr("description", "{place} (вне рисунка)"), {{"place", place}});
}

void Description::run_started() {
    sentences_.clear();
    pending_.clear();
}

void Description::no_run() {
    sentences_.push_back(
        tr("description", "Начальная точка лежит на границе сред: луч не строится."));
}

void Description::message(const std::string& text) {
    flush();
    sentences_.push_back(ended_with_stop(text));
}

void Description::boundary_met(double x, bool from_above, const std::string& beta) {
    // The path's return to the boundary is this same point, where the ray goes on.
    pending_.clear();
    const std::string point = on_boundary("X", x, format_fixed(x, 2, separator_));
    std::string_view text;
    if (beta.empty()) {
        text = tr("description",
                  "Луч доходит до границы сред в точке {point} и испытывает полное внутреннее "
                  "отражение.");
    } else if (from_above) {
        text = tr("description",
                  "Луч доходит до границы сред в точке {point}, отражается вверх и преломляется в "
                  "нижнюю среду под углом {beta}° к нормали.");
    } else {
        text = tr("description",
                  "Луч доходит до границы сред в точке {point}, отражается вниз и преломляется в "
                  "верхнюю среду под углом {beta}° к нормали.");
    }
    sentences_.push_back(fill(text, {{"point", point}, {"beta", beta}}));
}

void Description::vertex_found(double x, double y, const std::string& x_text,
                               const std::string& y_text) {
    if (!std::isfinite(x) || !std::isfinite(y)) return;
    std::string point = "X90 = " + x_text + ", Y90 = " + y_text;
    if (!in_picture(x, y))
        point = fill(tr("description", "{place} (вне рисунка)"), {{"place", point}});
    sentences_.push_back(
        fill(tr("description", "Вершина траектории — в точке {point}."), {{"point", point}}));
}

void Description::crossings_found(double x1, double x2, const std::string& x1_text,
                                  const std::string& x2_text) {
    std::vector<std::string> points;
    if (std::isfinite(x1)) points.push_back(on_boundary("X01", x1, x1_text));
    if (std::isfinite(x2)) points.push_back(on_boundary("X02", x2, x2_text));
    if (points.size() == 2) {
        sentences_.push_back(fill(
            tr("description", "Траектория пересекает границу сред в точках {first} и {second}."),
            {{"first", points[0]}, {"second", points[1]}}));
    } else if (points.size() == 1) {
        sentences_.push_back(
            fill(tr("description", "Траектория пересекает границу сред в точке {point}."),
                 {{"point", points[0]}}));
    }
}

void Description::boundary_returned(double x) {
    flush();
    pending_ = fill(tr("description", "Луч снова доходит до границы сред в точке {point}."),
                    {{"point", on_boundary("X", x, format_fixed(x, 2, separator_))}});
}

// Where the last leg crosses the picture's edge.
void Description::ray_ended(double x1, double y1, double x2, double y2) {
    flush();
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) {
        sentences_.push_back(tr("description", "Дальше траектория не строится."));
        return;
    }
    enum Edge { Left, Right, Top, Bottom };
    const auto span = clip_span(x1, y1, x2, y2, kXmin, kYmin, kXmax, kYmax);
    if (!span) {
        sentences_.push_back(tr("description", "Луч идёт вне рисунка."));
        return;
    }
    const double t1 = span->t1, dx = x2 - x1, dy = y2 - y1;
    const std::string x = format_fixed(x1 + t1 * dx, 2, separator_);
    const std::string y = format_fixed(y1 + t1 * dy, 2, separator_);
    switch (span->exit) {
        case Left:
            sentences_.push_back(
                fill(tr("description", "Луч уходит за левый край рисунка в точке Y = {y}."),
                     {{"y", y}}));
            break;
        case Right:
            sentences_.push_back(
                fill(tr("description", "Луч уходит за правый край рисунка в точке Y = {y}."),
                     {{"y", y}}));
            break;
        case Top:
            sentences_.push_back(
                fill(tr("description", "Луч уходит за верхний край рисунка в точке X = {x}."),
                     {{"x", x}}));
            break;
        case Bottom:
            sentences_.push_back(
                fill(tr("description", "Луч уходит за нижний край рисунка в точке X = {x}."),
                     {{"x", x}}));
            break;
        default:  // it ends inside the picture
            break;
    }
}

}  // namespace velantra
