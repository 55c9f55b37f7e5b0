#pragma once
// The one application object of the benchmark program, made on first use on the
// offscreen platform; every Qt benchmark shares it.

#include <QApplication>

namespace velantra {

inline QApplication& bench_app() {
    static int argc = 1;
    static char name[] = "velantra_bench";
    static char* argv[] = {name, nullptr};
    static QApplication* instance = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *instance;
}

}  // namespace velantra
