// The browser edition's entry points: the page's script starts the program once and then
// hands in each user action by control name. The program's objects live as long as the page.

#include <emscripten.h>

#include <memory>
#include <string>

#include "platform/web/launcher.h"
#include "platform/web/message_box.h"
#include "platform/web/tone.h"
#include "web/canvas_surface.h"
#include "web/page_view.h"
#include "window/definition.h"
#include "window/form1.h"
#include "window/prepared_scene.h"

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
};

Program* program = nullptr;

template <class T>
T* control(const char* name) {
    return program == nullptr ? nullptr : dynamic_cast<T*>(program->form->find(name));
}

}  // namespace

extern "C" {

// Form1's defined client size, the least the page lays it out at: the page scales below it.
EMSCRIPTEN_KEEPALIVE int velantra_defined_width() { return kForm1.client_width; }
EMSCRIPTEN_KEEPALIVE int velantra_defined_height() { return kForm1.client_height; }

// The decimal separator of the browser's language; the device pixels to a picture pixel.
EMSCRIPTEN_KEEPALIVE void velantra_start(const char* decimal_separator, double ratio) {
    if (program != nullptr) return;
    program = new Program;
    program->form = std::make_unique<Form1>(program->picture, program->view,
                                            Platform{program->box, program->tone, program->launcher,
                                                     program->authors, decimal_separator});
    program->form->resolution_changed(ratio);
    program->view.build(*program->form);
}

// The client area's size, the first showing included.
EMSCRIPTEN_KEEPALIVE void velantra_resized(int width, int height) {
    if (program != nullptr) program->form->client_resized(width, height);
}

// A new device pixel ratio (browser zoom, another screen).
EMSCRIPTEN_KEEPALIVE void velantra_ratio_changed(double ratio) {
    if (program != nullptr) program->form->resolution_changed(ratio);
}

// The text a keystroke or paste left in the box and the caret in UTF-16 units.
EMSCRIPTEN_KEEPALIVE void velantra_typed(const char* name, const char* text, int caret) {
    if (auto* box = control<TextBox>(name)) program->form->typed(*box, text, caret);
}

// An arrow or the trough: a ScrollAction, by the codes the page was given.
EMSCRIPTEN_KEEPALIVE void velantra_scrolled(const char* name, int action) {
    const int last = static_cast<int>(ScrollAction::ToBottom);
    if (action < 0 || action > last) return;
    if (auto* bar = control<ScrollBar>(name))
        program->form->scrolled(*bar, static_cast<ScrollAction>(action));
}

// A key on the focused bar: a ScrollKey.
EMSCRIPTEN_KEEPALIVE void velantra_scroll_key(const char* name, int key) {
    if (key < 0 || key > static_cast<int>(ScrollKey::End)) return;
    if (auto* bar = control<ScrollBar>(name))
        program->form->scroll_key(*bar, static_cast<ScrollKey>(key));
}

// The wheel's turn in 1/kWheelNotch notches, away from the user positive; the page has no
// setting of its own for the lines a notch steps.
EMSCRIPTEN_KEEPALIVE void velantra_wheeled(const char* name, int delta) {
    if (auto* bar = control<ScrollBar>(name)) program->form->wheeled(*bar, delta, kWheelLines);
}

// The thumb released at a position from the bar's top (left) end.
EMSCRIPTEN_KEEPALIVE void velantra_thumb_released(const char* name, int position) {
    if (auto* bar = control<ScrollBar>(name))
        program->form->scrolled_to(*bar, bar->value_at(position));
}

EMSCRIPTEN_KEEPALIVE void velantra_clicked() {
    if (program != nullptr) program->form->CmdOK_Click();
}

// Picture pixels within Picture1; the buttons and shift keys as masks (1 left/shift, 2
// right/ctrl, 4 middle/alt).
EMSCRIPTEN_KEEPALIVE void velantra_pointer(int button, int shift, double px, double py) {
    if (program != nullptr) program->form->pointer_moved(button, shift, px, py);
}

EMSCRIPTEN_KEEPALIVE void velantra_menu(const char* entry) {
    if (program != nullptr) program->form->menu_chosen(entry);
}

// The scene given in the page's address, after the "#".
EMSCRIPTEN_KEEPALIVE void velantra_prepare(const char* fragment) {
    if (program != nullptr)
        prepare_scene(*program->form, program->box, scene_from_address(fragment));
}

// The scene on screen in the address's form; valid until the next call.
EMSCRIPTEN_KEEPALIVE const char* velantra_address() {
    static std::string address;
    address = program == nullptr ? std::string() : scene_address(*program->form);
    return address.c_str();
}

}  // extern "C"
