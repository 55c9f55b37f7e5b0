// The main window maximised on a 3840 × 2160 screen, at a device pixel ratio of 1 and of 2
// (the same panel at 200 %, 1920 × 1080 picture pixels): one resize pass, one keystroke in
// the angle box with its nested passes, and a run of the longest walk, each with the
// repaint of what it changed. One process has one ratio, so the figures for the other
// ratio come from a copy of this program started with QT_SCALE_FACTOR set.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QProcess>
#include <QScreen>
#include <chrono>
#include <map>
#include <memory>

#include "desktop/form1_window.h"
#include "desktop/picture_box.h"
#include "tests/support/fakes.h"
#include "tests/support/first_app.h"

namespace {

using namespace velantra;

// The window over the whole 4K screen, shown and painted once.
struct Maximised {
    testing::FakeBox box;
    testing::FakeTone tone;
    testing::FakeLauncher launcher;
    std::unique_ptr<Form1Window> form;

    Maximised() {
        testing::first_app();
        form = std::make_unique<Form1Window>(box, tone, launcher);
        form->show();
        const double ratio = form->devicePixelRatioF();
        form->resize(qRound(3840 / ratio), qRound(2160 / ratio));
        settle();
    }
    void settle() const {
        const int before = form->picture_box()->paints();
        for (int i = 0; i < 100 && form->picture_box()->paints() == before; ++i)
            QCoreApplication::processEvents();
    }
    template <class T>
    T* find(const char* name) const {
        return form->findChild<T*>(QString::fromLatin1(name));
    }
};

double process_ratio() {
    testing::first_app();
    return QGuiApplication::primaryScreen()->devicePixelRatio();
}

// Wall and CPU time per iteration in microseconds, and the run's own counters.
struct Figures {
    double wall_us = 0, cpu_us = 0;
    std::map<std::string, double> counters;
};

// Runs every benchmark of this file at `ratio` in a child process, once.
const std::map<QString, Figures>& figures_at(int ratio) {
    static std::map<int, std::map<QString, Figures>> cache;
    auto [it, fresh] = cache.try_emplace(ratio);
    if (!fresh) return it->second;
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(ratio));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::SeparateChannels);
    child.setStandardErrorFile(QProcess::nullDevice());
    child.start(QStringLiteral("/proc/self/exe"),
                {QStringLiteral("--benchmark_filter=^BM_Scale4K.*<%1>/").arg(ratio),
                 QStringLiteral("--benchmark_format=json")});
    child.waitForFinished(600000);
    const QJsonArray runs =
        QJsonDocument::fromJson(child.readAllStandardOutput())["benchmarks"].toArray();
    for (const auto& run : runs) {
        const QJsonObject r = run.toObject();
        const double to_us = r["time_unit"].toString() == QLatin1String("ms") ? 1000 : 1;
        Figures& f = it->second[r["name"].toString()];
        f = {r["real_time"].toDouble() * to_us, r["cpu_time"].toDouble() * to_us, {}};
        for (const char* counter : {"picture_px", "chords"})
            if (r.contains(QLatin1String(counter))) f.counters[counter] = r[counter].toDouble();
    }
    return it->second;
}

// True when this process has the wanted ratio; otherwise reports the child's figures.
bool here(benchmark::State& state, const char* name, int ratio) {
    if (qFuzzyCompare(process_ratio(), static_cast<double>(ratio))) return true;
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
        state.SkipWithError("QT_SCALE_FACTOR gives another ratio");
        return false;
    }
    const auto& got = figures_at(ratio);
    const auto found =
        got.find(QStringLiteral("%1<%2>/manual_time").arg(QLatin1String(name)).arg(ratio));
    if (found == got.end()) {
        state.SkipWithError("the child at this ratio gave no figure");
        return false;
    }
    for (auto _ : state) state.SetIterationTime(found->second.wall_us / 1e6);
    state.counters["child_cpu_us"] = found->second.cpu_us;
    for (const auto& [counter, value] : found->second.counters) state.counters[counter] = value;
    return false;
}

// Times one iteration's work by the wall clock, as the child-reported runs are.
template <class Work>
void timed(benchmark::State& state, Work work) {
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        work();
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
}

void key(QWidget* target, Qt::Key k, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, k, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

template <int Ratio>
void BM_Scale4K_ResizePass(benchmark::State& state) {
    if (!here(state, "BM_Scale4K_ResizePass", Ratio)) return;
    Maximised shown;
    timed(state, [&] {
        shown.form->form().Form_Resize();
        shown.settle();
    });
    state.counters["picture_px"] = shown.form->picture().image().width();
}

// Alternately types a digit at the end of ' 45' and erases it: one full redraw each.
template <int Ratio>
void BM_Scale4K_KeystrokeInText6(benchmark::State& state) {
    if (!here(state, "BM_Scale4K_KeystrokeInText6", Ratio)) return;
    Maximised shown;
    auto* text6 = shown.find<QLineEdit>("Text6");
    text6->setFocus();
    text6->end(false);
    bool typed = false;
    timed(state, [&] {
        if (typed)
            key(text6, Qt::Key_Backspace, QString());
        else
            key(text6, Qt::Key_7, QStringLiteral("7"));
        typed = !typed;
        shown.settle();
    });
}

// A level start at the left edge in a nearly uniform medium walks across the whole picture.
template <int Ratio>
void BM_Scale4K_RunLongest(benchmark::State& state) {
    if (!here(state, "BM_Scale4K_RunLongest", Ratio)) return;
    Maximised shown;
    shown.find<QLineEdit>("Text3")->setText(QStringLiteral("1.3333"));
    shown.form->form().HScroll1.set_value(0);
    shown.form->form().VScroll1.set_value(50);
    shown.find<QLineEdit>("Text6")->setText(QStringLiteral("90"));
    shown.settle();
    timed(state, [&] {
        shown.form->form().CmdOK_Click();
        shown.settle();
    });
}

BENCHMARK_TEMPLATE(BM_Scale4K_ResizePass, 1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Scale4K_ResizePass, 2)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Scale4K_KeystrokeInText6, 1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Scale4K_KeystrokeInText6, 2)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Scale4K_RunLongest, 1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Scale4K_RunLongest, 2)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
