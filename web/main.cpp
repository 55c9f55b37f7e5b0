// The browser edition's entry points: the page's script (web/page/bridge.js, which declares
// each of them with its fields) starts the program once and then hands in each user action by
// control name, as raw facts. Every call answers with a record: the scene's address to write
// ("" while it is unchanged) and what else the page asked. The program's objects live as long
// as the page.

#include <emscripten.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/catalogue.h"
#include "platform/web/launcher.h"
#include "platform/web/message_box.h"
#include "platform/web/tone.h"
#include "web/canvas_surface.h"
#include "web/page_view.h"
#include "web/record.h"
#include "window/definition.h"
#include "window/form1.h"
#include "window/prepared_scene.h"
#include "window/wheel.h"

namespace {

using namespace velantra;

struct Program {
    CanvasSurface picture;
    PageView view;
    WebMessageBox box;
    WebTone tone;
    WebLauncher launcher;
    PageAuthorsWindow authors;
    std::unique_ptr<Form1> form;
    std::unique_ptr<AddressFollower> address;
};

Program* program = nullptr;

template <class T>
T* control(const char* name) {
    return program == nullptr ? nullptr : dynamic_cast<T*>(program->form->find(name));
}

// The answer to a call, once it has run to its end (message boxes and all).
const char* reply(Record answer = {}) {
    static std::string json;
    std::string next;
    if (program != nullptr && program->address) next = program->address->next(*program->form);
    json = answer.set("address", next).json();
    return json.c_str();
}

// The DOM's names of the scroll actions and keys.
std::optional<ScrollAction> scroll_action(std::string_view name) {
    if (name == "LineUp") return ScrollAction::LineUp;
    if (name == "LineDown") return ScrollAction::LineDown;
    if (name == "PageUp") return ScrollAction::PageUp;
    if (name == "PageDown") return ScrollAction::PageDown;
    return std::nullopt;
}

std::optional<ScrollKey> scroll_key(std::string_view key) {
    if (key == "ArrowUp") return ScrollKey::Up;
    if (key == "ArrowDown") return ScrollKey::Down;
    if (key == "ArrowLeft") return ScrollKey::Left;
    if (key == "ArrowRight") return ScrollKey::Right;
    if (key == "PageUp") return ScrollKey::PageUp;
    if (key == "PageDown") return ScrollKey::PageDown;
    if (key == "Home") return ScrollKey::Home;
    if (key == "End") return ScrollKey::End;
    return std::nullopt;
}

}  // namespace

extern "C" {

// Form1's defined client size, the least the page lays it out at: the page scales below it.
EMSCRIPTEN_KEEPALIVE const char* velantra_defined() {
    static std::string json;
    json = Record().set("width", kForm1.client_width).set("height", kForm1.client_height).json();
    return json.c_str();
}

// The language, before the start: the one the address names, else the first of the browser's
// preferred ones (comma-separated) with a catalogue. The answer holds it and the page's own
// words: its title, the close box's name, the message box's button and the notice of a fault.
EMSCRIPTEN_KEEPALIVE const char* velantra_language(const char* preferences, const char* fragment) {
    std::vector<std::string> tags;
    for (std::string_view rest = preferences; !rest.empty();) {
        const std::string_view tag = rest.substr(0, rest.find(','));
        if (!tag.empty()) tags.emplace_back(tag);
        rest.remove_prefix(std::min(rest.size(), tag.size() + 1));
    }
    choose_language(scene_from_address(fragment), language_from_preferences(tags));
    return reply(Record()
                     .set("language", language())
                     .set("title", tr("page title", "Velantra"))
                     .set("close", tr("Закрыть"))
                     .set("ok", tr("OK"))
                     .set("fault", tr("Программа остановилась из-за внутренней ошибки:\n{error}\n\n"
                                      "Откройте страницу заново.")));
}

// The decimal separator of the browser's language; the device pixels to a picture pixel.
EMSCRIPTEN_KEEPALIVE const char* velantra_start(const char* separator, double ratio) {
    if (program != nullptr) return reply();
    program = new Program;
    program->form = std::make_unique<Form1>(
        program->picture, program->view,
        Platform{program->box, program->tone, program->launcher, program->authors, separator});
    program->form->resolution_changed(ratio);
    program->view.build(*program->form);
    program->address = std::make_unique<AddressFollower>(*program->form);
    return reply();
}

// The client area's size, the first showing included.
EMSCRIPTEN_KEEPALIVE const char* velantra_resized(int width, int height) {
    if (program == nullptr) return reply();
    program->form->client_resized(width, height);
    return reply();
}

// A new device pixel ratio (browser zoom, another screen).
EMSCRIPTEN_KEEPALIVE const char* velantra_ratio_changed(double ratio) {
    if (program != nullptr) program->form->resolution_changed(ratio);
    return reply();
}

// The text a keystroke or paste left in the box and the caret in UTF-16 units.
EMSCRIPTEN_KEEPALIVE const char* velantra_typed(const char* name, const char* text, int caret) {
    if (auto* box = control<TextBox>(name)) program->form->typed(*box, text, caret);
    return reply();
}

// An arrow or the trough.
EMSCRIPTEN_KEEPALIVE const char* velantra_scrolled(const char* name, const char* action) {
    const auto a = scroll_action(action);
    if (auto* bar = control<ScrollBar>(name); bar != nullptr && a)
        program->form->scrolled(*bar, *a);
    return reply();
}

// A key on the focused bar; the answer says whether the bar took it.
EMSCRIPTEN_KEEPALIVE const char* velantra_scroll_key(const char* name, const char* key, int alt,
                                                     int ctrl, int meta) {
    bool taken = false;
    const auto k = scroll_key(key);
    if (auto* bar = control<ScrollBar>(name); bar != nullptr && k) {
        taken = program->form->scroll_key(*bar, *k, KeyModifiers{alt != 0, ctrl != 0, meta != 0});
    }
    return reply(Record().set("taken", taken));
}

// The wheel event's deltaX, deltaY and deltaMode as the browser gives them.
EMSCRIPTEN_KEEPALIVE const char* velantra_wheeled(const char* name, double dx, double dy,
                                                  int mode) {
    if (auto* bar = control<ScrollBar>(name))
        program->form->wheeled(*bar, page_wheel_turn(dx, dy, mode), kWheelLines);
    return reply();
}

// The thumb dragged to a position from the bar's top (left) end, at each step and on release.
EMSCRIPTEN_KEEPALIVE const char* velantra_thumb_moved(const char* name, int position,
                                                      int released) {
    if (auto* bar = control<ScrollBar>(name))
        program->form->thumb_moved(*bar, position, released != 0);
    return reply();
}

EMSCRIPTEN_KEEPALIVE const char* velantra_clicked() {
    if (program != nullptr) program->form->CmdOK_Click();
    return reply();
}

// Picture pixels within Picture1.
EMSCRIPTEN_KEEPALIVE const char* velantra_pointer_moved(double px, double py) {
    if (program != nullptr) program->form->pointer_moved(px, py);
    return reply();
}

EMSCRIPTEN_KEEPALIVE const char* velantra_menu_chosen(const char* entry) {
    if (program != nullptr) program->form->menu_chosen(entry);
    return reply();
}

// The scene given in the page's address, after the "#".
EMSCRIPTEN_KEEPALIVE const char* velantra_prepare(const char* fragment) {
    if (program == nullptr) return reply();
    const PreparedScene scene = scene_from_address(fragment);
    // The window speaks the language it was built in: another one needs the page anew.
    const std::optional<std::string>& named = scene.value(kLanguageKey);
    if (named && *named != language()) return reply(Record().set("reload", true));
    prepare_scene(*program->form, program->box, scene);
    program->address->prepared(named.has_value());
    return reply();
}

}  // extern "C"
