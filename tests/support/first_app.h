#pragma once
// The one application object of a program that is not a Qt Test program, made on first
// use on the offscreen platform.

#include <QApplication>

namespace velantra::testing {

inline QApplication& first_app() {
    static int argc = 1;
    static char name[] = "velantra";
    static char* argv[] = {name, nullptr};
    static QApplication* instance = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *instance;
}

}  // namespace velantra::testing
