#pragma once
// A scene prepared ahead of a lesson: the six inputs and a run, given in the page's address
// ("n1=1.2&nmin=1.5&nmax=1.6&x0=2&yo=.5&a0=-30&run") or on the command line
// ("--n1 1.2 … --run"). The values go into the window through the paths a user's input takes,
// so every rule of the inputs holds for them; what cannot be read is named, not guessed.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velantra {

class Form1;
class MessageBox;

// The inputs in the order the address names them.
enum class SceneKey { n1, nmin, nmax, x0, yo, a0 };
constexpr int kSceneKeys = 6;

struct PreparedScene {
    // The number text given for each key, the last one where a key comes twice.
    std::array<std::optional<std::string>, kSceneKeys> values;
    bool run = false;
    // One sentence for each part that was not understood, naming it.
    std::vector<std::string> problems;

    bool empty() const;
};

// The part of the address after "#" (the "#" itself may come first).
PreparedScene scene_from_address(std::string_view fragment);

// What the desktop program was asked on its command line.
struct CommandLine {
    PreparedScene scene;
    bool help = false;
    bool version = false;
    // Where the picture goes (".svg" or ".png"), without opening a window; empty: the window.
    std::string picture;
    // The picture's size in pixels; 0 × 0: the picture's size in the window as defined.
    int width = 0, height = 0;
};

// The arguments after the program's name.
CommandLine command_line(const std::vector<std::string>& args);
// What --help prints.
std::string command_line_help();

// Puts the scene into the window after Form_Load, in an order that lets through every scene
// the inputs accept, and runs it when asked; the problems come first, in one message.
void prepare_scene(Form1& form, MessageBox& box, const PreparedScene& scene);

// The scene on screen in the address's form, "run" added while the picture shows a run.
std::string scene_address(const Form1& form);

}  // namespace velantra
