#pragma once
// The picture of a prepared scene for a worksheet or a slide, drawn by the window's own logic
// without a window: SVG (vectors, the labels as text) or PNG, each with its title and its
// description in words.

#include <string>

#include "desktop/command_line.h"
#include "surface/surface.h"
#include "window/controls.h"

namespace velantra {

// The picture's size as the window defines it (Picture1 in the window at its defined size).
struct PictureSize {
    int width = 0, height = 0;
};
PictureSize default_picture_size();

// What Picture1 shows once the scene is set and, with --run, run: the calls of the last redraw
// and of the run, drawn into `out`, which is `size` pixels large. Messages go to standard error.
// Returns where the start marker, Shape1, lies on it and how it looks (no look while hidden).
struct StartMarker {
    PixelRect box;
    const ShapeDef* look = nullptr;
};
StartMarker draw_picture(const CommandLine& line, PictureSize size, PictureSurface& out);

// The picture as assistive technology hears it in the window: its name and what it shows in
// words once the scene is set and, with --run, run. `tell`: its messages on standard error.
struct PictureWords {
    std::string name, description;
};
PictureWords picture_words(const CommandLine& line, bool tell);

// Writes line.picture in line.format; false, with the reason on standard error, when it cannot.
bool write_picture(const CommandLine& line);

}  // namespace velantra
