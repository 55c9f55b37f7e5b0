#pragma once
// What the desktop program is asked on its command line: the scene's keys as options
// ("--n1 1.2 … --run") and the program's own (a picture file, its size, the picture in words,
// help, version).
// Plain C++ without Qt.

#include <string>
#include <vector>

#include "window/prepared_scene.h"

namespace velantra {

enum class PictureFormat { Svg, Png };

struct CommandLine {
    // The scene, and one sentence for the first option not understood (the reading stops there).
    PreparedScene scene;
    bool help = false;
    bool version = false;
    // Where the picture goes, without opening a window; empty: the window.
    std::string picture;
    PictureFormat format = PictureFormat::Svg;  // by the file's ending, .svg or .png
    // The picture's size in pixels; 0 × 0: the picture's size in the window as defined.
    int width = 0, height = 0;
    // The picture in words on standard output, without opening a window.
    bool describe = false;
};

// The arguments after the program's name.
CommandLine command_line(const std::vector<std::string>& args);
// What --help prints.
std::string command_line_help();

}  // namespace velantra
