// Keystrokes and pastes into the four typed boxes of the window's logic, runs between them,
// the message boxes answered by the fake seam. After every edit the handlers have ended, each
// box shows the canonical text of its variable, and n1 < nmin holds unless a rejected
// entry's replacement left it otherwise.

#include <cmath>
#include <cstdint>
#include <functional>
#include <iterator>
#include <string>

#include "fuzz/fuzz_support.h"
#include "model/format.h"
#include "surface/null_surface.h"
#include "tests/support/editor.h"
#include "tests/support/form_rig.h"

using namespace velantra;
using fuzz::show;

namespace {

std::string canonical(const Scene& s, int box) {
    switch (box) {
        case 0:
            return numstr(s.n1);
        case 1:
            return numstr(s.nmin);
        case 2:
            return numstr(s.nmax);
        default:
            return numstr(s.a0);
    }
}

const char kTyped[] = "0123456789.-+eE ,x";
constexpr testing::EditKey kKeys[] = {
    testing::EditKey::Backspace, testing::EditKey::Delete,     testing::EditKey::Home,
    testing::EditKey::End,       testing::EditKey::Left,       testing::EditKey::Right,
    testing::EditKey::ShiftLeft, testing::EditKey::ShiftRight, testing::EditKey::SelectAll,
    testing::EditKey::Undo,      testing::EditKey::Redo,       testing::EditKey::ShiftHome,
    testing::EditKey::ShiftEnd};
constexpr int kTypedCount = static_cast<int>(sizeof kTyped) - 1;
constexpr int kKeyCount = static_cast<int>(std::size(kKeys));
static_assert(kTypedCount + kKeyCount == 31, "the action bytes keep their meaning");

// One keystroke, a run or one paste, as the input's bytes give it.
struct Action {
    enum { Type, Key, Click, Paste } kind;
    int index = 0;  // the typed character or the key
    std::string pasted;
};

Action next_action(fuzz::Reader& in) {
    const int action = (in.byte() % 36);
    if (action < kTypedCount) return {Action::Type, action, {}};
    if (action < kTypedCount + kKeyCount) return {Action::Key, action - kTypedCount, {}};
    if (action == kTypedCount + kKeyCount) return {Action::Click, 0, {}};
    // The remaining bytes paste: many printable characters in one edit, over the selection.
    std::string t(in.text(24));
    for (char& c : t) c = static_cast<char>(' ' + static_cast<unsigned char>(c) % 95);
    return {Action::Paste, 0, std::move(t)};
}

void apply(const Action& a, testing::Editor& editor, Form1& form) {
    switch (a.kind) {
        case Action::Type:
            editor.type(std::string_view(&kTyped[a.index], 1));
            break;
        case Action::Key:
            editor.key(kKeys[a.index]);
            break;
        case Action::Click:
            form.CmdOK_Click();
            break;
        case Action::Paste:
            editor.type(a.pasted);
            break;
    }
}

// The first `steps` actions of an input in words, read again only for a failure's report.
std::string history(const std::uint8_t* data, std::size_t size, int steps) {
    fuzz::Reader in(data, size);
    std::string log;
    for (int step = 0; step < steps && !in.empty(); ++step) {
        log += std::string(" | Text") + "1236"[in.byte() & 3] + ": ";
        const Action a = next_action(in);
        switch (a.kind) {
            case Action::Type:
                log += std::string("type '") + kTyped[a.index] + "'";
                break;
            case Action::Key:
                log += "key " + std::to_string(a.index);
                break;
            case Action::Click:
                log += "click ПУСК";
                break;
            case Action::Paste:
                log += "paste \"" + a.pasted + "\"";
                break;
        }
    }
    return log;
}

// Back at the start-up state for one pass, not the seven of the start-up cascade: the
// start-up values written into the inputs unseen by their handlers, the angle read back as
// its box's handler would, then one pass that finds every text canonical.
void start_up(Form1& form) {
    form.Form_Load();
    const Scene& s = form.simulation().scene;
    TextBox* boxes[] = {&form.Text1, &form.Text2, &form.Text3,
                        &form.Text4, &form.Text5, &form.Text6};
    std::function<void()> handlers[std::size(boxes) + 1];
    auto swap_handlers = [&] {
        for (std::size_t i = 0; i < std::size(boxes); ++i) std::swap(handlers[i], boxes[i]->Change);
        std::swap(handlers[std::size(boxes)], form.VScroll2.Change);
    };
    swap_handlers();
    form.simulation().set_angle(Number::real(s.a0));
    const std::string texts[] = {numstr(s.n1), numstr(s.nmin), numstr(s.nmax),
                                 numstr(s.X0), numstr(s.Yo),   numstr(s.a0)};
    for (std::size_t i = 0; i < std::size(boxes); ++i) boxes[i]->set_text(texts[i]);
    form.VScroll2.set_value(45);
    swap_handlers();
    form.Form_Resize();
}

// The window lives for the whole run: each input starts it from the start-up state.
testing::FormRigOf<NullSurface>& window() {
    static auto* rig = [] {
        auto* r = new testing::FormRigOf<NullSurface>;
        start_up(r->form);
        return r;
    }();
    return *rig;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto& rig = window();
    Form1& form = rig.form;
    rig.box.shown.clear();
    rig.tone.played.clear();
    rig.view.changes.clear();
    TextBox* boxes[] = {&form.Text1, &form.Text2, &form.Text3, &form.Text6};
    testing::Editor editors[] = {
        {form, form.Text1}, {form, form.Text2}, {form, form.Text3}, {form, form.Text6}};
    const Scene& s = form.simulation().scene;
    fuzz::Reader in(data, size);
    // Whether n1 >= nmin was left by a replacement, for the pair (n1, nmin) it holds for.
    double left_n1 = s.n1, left_nmin = s.nmin;
    bool left_by_reset = false;
    for (int step = 0; step < 200 && !in.empty(); ++step) {
        const int b = in.byte() & 3;
        const std::size_t beeps = rig.tone.played.size();
        const int passes = form.resize_passes();
        apply(next_action(in), editors[b], form);
        const auto log = [&] { return history(data, size, step + 1); };

        // One keystroke nests a few passes: the edit, the canonical rewrite, a replacement.
        FUZZ_CHECK(form.resize_passes() - passes <= 8,
                   log() + ": " + std::to_string(form.resize_passes() - passes) + " passes");
        for (int k = 0; k < 4; ++k)
            FUZZ_CHECK(boxes[k]->text() == canonical(s, k),
                       log() + ": Text" + "1236"[k] + " shows \"" + boxes[k]->text() + "\" for \"" +
                           canonical(s, k) + "\"");
        // A rejected index beeps before its box is told.
        const bool reset = rig.tone.played.size() > beeps;
        if (s.n1 < s.nmin) {
            left_by_reset = false;
        } else {
            const bool unchanged = left_by_reset && s.n1 == left_n1 && s.nmin == left_nmin;
            FUZZ_CHECK(reset || unchanged, log() + ": n1 " + show(s.n1) + " >= nmin " +
                                               show(s.nmin) + " after an edit");
            FUZZ_CHECK(s.n1 == 1.001 || s.nmin == 1.333,
                       log() + ": n1 >= nmin without replacement");
            left_by_reset = true;
            left_n1 = s.n1;
            left_nmin = s.nmin;
        }
        FUZZ_CHECK(std::isfinite(s.n1) && std::isfinite(s.nmin) &&
                       std::isfinite(static_cast<double>(s.nmax)) && std::isfinite(s.a0.value()),
                   log());
    }
    start_up(form);
    return 0;
}
