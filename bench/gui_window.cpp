// The main window's redraw costs on the offscreen platform: one keystroke in the angle box
// with all its nested passes, one resize pass, and constructing and showing the window up
// to its first painted picture (the application object is made once, outside the timing).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <memory>

#include "desktop/form1_window.h"
#include "desktop/picture_box.h"
#include "tests/support/fakes.h"
#include "tests/support/first_app.h"

namespace {

struct Shown {
    velantra::testing::FakeBox box;
    velantra::testing::FakeTone tone;
    velantra::testing::FakeLauncher launcher;
    std::unique_ptr<velantra::Form1Window> form;
    Shown() {
        velantra::testing::first_app();
        form = std::make_unique<velantra::Form1Window>(box, tone, launcher);
        form->show();
        QElapsedTimer waited;
        waited.start();
        while (form->picture_box()->paints() == 0 && waited.elapsed() < 2000)
            QCoreApplication::processEvents();
    }
};

void key(QWidget* target, Qt::Key k, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, k, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

// Alternately types a digit at the end of ' 45' and erases it: one full redraw each.
void BM_KeystrokeInText6(benchmark::State& state) {
    Shown shown;
    auto* text6 = shown.form->findChild<QLineEdit*>(QStringLiteral("Text6"));
    text6->setFocus();
    text6->end(false);
    bool typed = false;
    for (auto _ : state) {
        if (typed)
            key(text6, Qt::Key_Backspace, QString());
        else
            key(text6, Qt::Key_7, QStringLiteral("7"));
        typed = !typed;
    }
    state.counters["passes"] =
        benchmark::Counter(shown.form->form().resize_passes(), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_KeystrokeInText6)->Unit(benchmark::kMicrosecond);

void BM_ResizePass(benchmark::State& state) {
    Shown shown;
    for (auto _ : state) shown.form->form().Form_Resize();
}
BENCHMARK(BM_ResizePass)->Unit(benchmark::kMicrosecond);

void BM_ConstructShowFirstFrame(benchmark::State& state) {
    velantra::testing::first_app();
    for (auto _ : state) {
        Shown shown;
        benchmark::DoNotOptimize(shown.form->picture_box()->paints());
        state.PauseTiming();
        shown.form.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ConstructShowFirstFrame)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
