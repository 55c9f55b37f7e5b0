#pragma once
// A scene prepared ahead of a lesson: the inputs and a run, given in the page's address
// ("n1=1.2&nmin=1.5&nmax=1.6&x0=2&yo=.5&a0=-30&run") or on the command line
// ("--n1 1.2 … --run"), by the keys of window/scene_keys.h. The values go into the window
// through the paths a user's input takes, so every rule of the inputs holds for them; what
// cannot be read is named, not guessed.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "window/scene_keys.h"

namespace velantra {

class Form1;
class MessageBox;

struct PreparedScene {
    // What was given for each key, by its row of kSceneKeys, the last one where a key comes
    // twice; a key without a value has an empty text.
    std::array<std::optional<std::string>, kSceneKeyCount> values;
    // One sentence for each part that was not understood, naming it.
    std::vector<std::string> problems;

    bool empty() const;
    // What was given for the key of that name, nothing for none.
    const std::optional<std::string>& value(std::string_view key) const;
    void forget(std::string_view key);
};

// The row of a key, in any case; null for a name that is no key.
const SceneKeyDef* scene_key(std::string_view name);

// Stores a key's value, or says in the scene's problems why it cannot be; `written` names the
// key as the user wrote it.
void take_value(PreparedScene& scene, const SceneKeyDef& key, std::string_view written,
                std::string_view value);

// A part of the address or an argument as a message shows it: in «», control characters as
// "?", a long one cut at a whole UTF-8 character.
std::string quoted(std::string_view s);

// The part of the address after "#" (the "#" itself may come first).
PreparedScene scene_from_address(std::string_view fragment);

// The key that names the language, rather than part of the scene.
inline constexpr std::string_view kLanguageKey = "lang";

// Chooses the language the scene names, else `otherwise` (the environment's, the browser's):
// before the window is made, which takes its captions as it is built.
void choose_language(const PreparedScene& scene, const std::string& otherwise);

// Puts the scene into the window after Form_Load, in an order that lets through every scene
// the inputs accept, and runs it when asked; the problems come first, in one message.
void prepare_scene(Form1& form, MessageBox& box, const PreparedScene& scene);

// The scene on screen in the address's form, "run" added while the picture shows a run, the
// language where asked.
std::string scene_address(const Form1& form, bool with_language = false);

// Follows the scene for the page's address: a new address only once the scene on screen differs
// from the one the address last named (a student's change, a run shown or erased), never for a
// redraw alone.
class AddressFollower {
  public:
    explicit AddressFollower(const Form1& form);  // the scene as it opens; nothing to write yet
    // An address was applied: its canonical form is written next, and each after it with the
    // language where the address named one.
    void prepared(bool with_language = false);
    std::string next(const Form1& form);  // after any call: the address to write, or empty

  private:
    // The scene the address names; empty until the window has first been laid out.
    std::string named_;
    bool prepared_ = false;
    bool language_ = false;
};

}  // namespace velantra
