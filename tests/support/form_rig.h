#pragma once
// The window's logic without a toolkit: a view that records what it is told, an Authors
// window that records what is done to it, and Form1 over them with the fakes, shown at its
// defined client size.

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "model/format.h"
#include "tests/support/checks.h"
#include "tests/support/fakes.h"
#include "tests/support/recording_surface.h"
#include "window/form1.h"

namespace velantra::testing {

class RecordingView : public View {
  public:
    std::vector<std::pair<std::string, Aspect>> changes;
    Frame outer{100, 80, 876, 345};
    bool ended = false;
    void changed(const Control& control, Aspect what) override {
        changes.emplace_back(control.name(), what);
    }
    Frame frame() const override { return outer; }
    void end_program() override { ended = true; }
    std::vector<std::pair<std::string, bool>> descriptions;  // each text told, and if announced
    void description_changed(const std::string& text, bool announce) override {
        descriptions.emplace_back(text, announce);
    }
};

class FakeAuthors : public AuthorsWindow {
  public:
    bool made = false, shown = false, closed = false;
    int created = 0, raised = 0;
    std::string label1;
    Frame outer{0, 0, 222, 297};
    bool exists() const override { return made; }
    void create() override {
        made = true;
        shown = false;
        ++created;
    }
    void set_label1(const std::string& utf8) override { label1 = utf8; }
    bool visible() const override { return shown; }
    void show() override {
        shown = true;
        outer.width = 230;  // the frame comes with the first showing
        outer.height = 320;
    }
    Frame frame() const override { return outer; }
    void move(int left, int top) override {
        outer.left = left;
        outer.top = top;
    }
    void raise() override { ++raised; }
    void close() override {
        closed = true;
        made = shown = false;
    }
};

// Empty when the window is consistent: every box shows the canonical text of its variable,
// the position bars stand at their variables, no caption shows nan or inf. Else what is wrong.
inline std::string inconsistency(const Form1& f) {
    const Scene& s = f.simulation().scene;
    const std::pair<const TextBox*, std::string> texts[] = {
        {&f.Text1, numstr(s.n1)}, {&f.Text2, numstr(s.nmin)}, {&f.Text3, numstr(s.nmax)},
        {&f.Text4, numstr(s.X0)}, {&f.Text5, numstr(s.Yo)},   {&f.Text6, numstr(s.a0)}};
    for (const auto& [box, canonical] : texts)
        if (box->text() != canonical) return box->name() + (": " + box->text());
    if (f.HScroll1.value() != std::lround(s.X0 * 100) ||
        f.VScroll1.value() != std::lround(s.Yo * 100))
        return "a position scroll bar is off its value";
    for (const Control* c : f.controls())
        if (const auto* label = dynamic_cast<const Label*>(c))
            if (!free_of_nan_inf(label->caption())) return label->caption();
    return {};
}

template <class Picture = RecordingSurface>
struct FormRigOf {
    Picture surface;
    RecordingView view;
    FakeBox box;
    FakeTone tone;
    FakeLauncher launcher;
    FakeAuthors authors;
    Form1 form;

    explicit FormRigOf(std::string separator = ".")
        : form(surface, view, Platform{box, tone, launcher, authors, std::move(separator)}) {
        form.client_resized(kForm1.client_width, kForm1.client_height);
    }
    TextBox& box_named(const char* name) { return static_cast<TextBox&>(*form.find(name)); }
    const std::string& text(const char* name) { return box_named(name).text(); }
    // A whole new text in one edit, as a paste over a selection gives it.
    void type_over(const char* name, const std::string& t) {
        form.typed(box_named(name), t, static_cast<int>(t.size()));
    }
    const std::string& caption(const char* name) {
        return static_cast<Label&>(*form.find(name)).caption();
    }
};
using FormRig = FormRigOf<>;

}  // namespace velantra::testing
