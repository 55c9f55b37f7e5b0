// Keystrokes into the four typed boxes of the main window on the offscreen platform, the
// message boxes answered by the fake seam. After every edit the handlers have ended, each
// box shows the canonical text of its variable, and n1 < nmin holds unless a rejected
// entry's replacement left it otherwise.

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <memory>
#include <string>

#include "fuzz/fuzz_support.h"
#include "model/format.h"
#include "tests/support/fakes.h"
#include "tests/support/first_app.h"
#include "window/form1.h"

using namespace velantra;
using fuzz::show;

namespace {

// The window and its seams live for the whole run: making them costs more than an input.
struct Window {
    testing::FakeBox box;
    testing::FakeTone tone;
    testing::FakeLauncher launcher;
    std::unique_ptr<Form1> form;
    QLineEdit* boxes[4] = {};
    QPushButton* run = nullptr;
};

Window& window() {
    static Window* w = [] {
        testing::first_app();
        auto* made = new Window;
        made->form = std::make_unique<Form1>(made->box, made->tone, made->launcher);
        made->form->show();
        QCoreApplication::processEvents();
        int i = 0;
        for (const char* n : {"Text1", "Text2", "Text3", "Text6"})
            made->boxes[i++] = made->form->findChild<QLineEdit*>(QString::fromLatin1(n));
        made->run = made->form->findChild<QPushButton*>(QStringLiteral("CmdOK"));
        return made;
    }();
    return *w;
}

QString canonical(const Scene& s, int box) {
    switch (box) {
        case 0:
            return QString::fromStdString(numstr(s.n1));
        case 1:
            return QString::fromStdString(numstr(s.nmin));
        case 2:
            return QString::fromStdString(numstr(s.nmax));
        default:
            return QString::fromStdString(numstr(s.a0));
    }
}

// The boxes back at the start-up values, written in the order that keeps n1 < nmin.
void start_up(Window& w) {
    w.form->Form_Load();
    const Scene& s = w.form->simulation().scene;
    for (int b = 0; b < 4; ++b) {
        // Through an empty text unseen by the handler: setText clears the undo history.
        w.boxes[b]->blockSignals(true);
        w.boxes[b]->setText(QString());
        w.boxes[b]->blockSignals(false);
        w.boxes[b]->setText(canonical(s, b));
        w.boxes[b]->setCursorPosition(0);
    }
    w.box.shown.clear();
    w.tone.played.clear();
}

const char kTyped[] = "0123456789.-+eE ,x";

struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* name;
};

// The editing keys, in the order of the action bytes after the typed characters.
const Key kKeys[] = {
    {Qt::Key_Backspace, Qt::NoModifier, "Backspace"},
    {Qt::Key_Delete, Qt::NoModifier, "Delete"},
    {Qt::Key_Home, Qt::NoModifier, "Home"},
    {Qt::Key_End, Qt::NoModifier, "End"},
    {Qt::Key_Left, Qt::NoModifier, "Left"},
    {Qt::Key_Right, Qt::NoModifier, "Right"},
    {Qt::Key_Left, Qt::ShiftModifier, "Shift+Left"},
    {Qt::Key_Right, Qt::ShiftModifier, "Shift+Right"},
    {Qt::Key_A, Qt::ControlModifier, "Ctrl+A"},
    {Qt::Key_Z, Qt::ControlModifier, "Ctrl+Z"},
    {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, "Ctrl+Shift+Z"},
    {Qt::Key_Home, Qt::ShiftModifier, "Shift+Home"},
    {Qt::Key_End, Qt::ShiftModifier, "Shift+End"},
};
constexpr int kTypedCount = static_cast<int>(sizeof kTyped) - 1;
constexpr int kKeyCount = static_cast<int>(std::size(kKeys));
static_assert(kTypedCount + kKeyCount == 31, "the action bytes keep their meaning");

// One keystroke or one paste; returns what was done, for the report of a failure.
std::string act(fuzz::Reader& in, QLineEdit* box, QPushButton* run) {
    const int action = (in.byte() % 36);
    if (action < kTypedCount) {
        QTest::keyClick(box, kTyped[action]);
        return std::string("type '") + kTyped[action] + "'";
    }
    if (action < kTypedCount + kKeyCount) {
        const Key& k = kKeys[action - kTypedCount];
        QTest::keyClick(box, k.key, k.modifiers);
        return k.name;
    }
    if (action == kTypedCount + kKeyCount) {
        run->click();
        return "click ПУСК";
    }
    // The remaining bytes paste: many characters in one edit, over the selection if any.
    const std::string_view t = in.text(24);
    box->insert(QString::fromLatin1(t.data(), static_cast<qsizetype>(t.size())));
    return "paste \"" + std::string(t) + "\"";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Window& w = window();
    start_up(w);
    const Scene& s = w.form->simulation().scene;
    fuzz::Reader in(data, size);
    std::string log;
    // Whether n1 >= nmin was left by a replacement, for the pair (n1, nmin) it holds for.
    double left_n1 = s.n1, left_nmin = s.nmin;
    bool left_by_reset = false;
    for (int step = 0; step < 200 && !in.empty(); ++step) {
        const int b = in.byte() & 3;
        const std::size_t beeps = w.tone.played.size();
        const int passes = w.form->resize_passes();
        log += std::string(" | Text") + "1236"[b] + ": " + act(in, w.boxes[b], w.run);

        // One keystroke nests a few passes: the edit, the canonical rewrite, a replacement.
        FUZZ_CHECK(w.form->resize_passes() - passes <= 8,
                   log + ": " + std::to_string(w.form->resize_passes() - passes) + " passes");
        for (int k = 0; k < 4; ++k)
            FUZZ_CHECK(w.boxes[k]->text() == canonical(s, k),
                       log + ": Text" + "1236"[k] + " shows \"" + w.boxes[k]->text().toStdString() +
                           "\" for \"" + canonical(s, k).toStdString() + "\"");
        // A rejected index beeps before its box is told.
        const bool reset = w.tone.played.size() > beeps;
        if (s.n1 < s.nmin) {
            left_by_reset = false;
        } else {
            const bool unchanged = left_by_reset && s.n1 == left_n1 && s.nmin == left_nmin;
            FUZZ_CHECK(reset || unchanged,
                       log + ": n1 " + show(s.n1) + " >= nmin " + show(s.nmin) + " after an edit");
            FUZZ_CHECK(s.n1 == 1.001 || s.nmin == 1.333, log + ": n1 >= nmin without replacement");
            left_by_reset = true;
            left_n1 = s.n1;
            left_nmin = s.nmin;
        }
        FUZZ_CHECK(std::isfinite(s.n1) && std::isfinite(s.nmin) &&
                       std::isfinite(static_cast<double>(s.nmax)) && std::isfinite(s.a0.value()),
                   log);
    }
    // Let the picture paint what the run drew.
    QCoreApplication::processEvents();
    return 0;
}
