#include <QApplication>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "desktop/command_line.h"
#include "desktop/picture_file.h"
#include "desktop/program.h"
#include "model/catalogue.h"

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    // The language first, --lang or the user's, so that every message after it speaks it.
    velantra::choose_language(
        velantra::command_line(args).scene,
        velantra::language_from_environment(environment("LANGUAGE"), environment("LC_ALL"),
                                            environment("LC_MESSAGES"), environment("LANG")));
    // Help, version and a bad option answer before any display is asked for.
    const velantra::CommandLine line = velantra::command_line(args);
    if (!line.scene.problems.empty()) {
        std::fprintf(stderr, "velantra: %s\n", line.scene.problems.front().c_str());
        return 2;
    }
    if (line.help) {
        std::fputs(velantra::command_line_help().c_str(), stdout);
        return 0;
    }
    if (line.version) {
        std::puts("Velantra " VELANTRA_VERSION);
        return 0;
    }
    if (!line.picture.empty() || line.describe) {
        // The picture needs fonts, not a display.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        if (!line.picture.empty() && !velantra::write_picture(line)) return 1;
        // The picture's pass has told the scene's messages already.
        if (line.describe)
            std::puts(velantra::picture_words(line, line.picture.empty()).description.c_str());
        return 0;
    }
    QApplication app(argc, argv);
    velantra::DesktopProgram program;
    program.form1.show();
    velantra::prepare_scene(program.form1.form(), program.box, line.scene);
    return app.exec();
}
