// The nine change handlers. Each reads its control, stores the value, writes the
// canonical text back (which may raise the same handler again, nested) and redraws.

#include <cfloat>
#include <cmath>
#include <cstdlib>

#include "model/catalogue.h"
#include "model/format.h"
#include "window/form1.h"
#include "window/scene_keys.h"

namespace velantra {

namespace {

const char* const kIndexMessage =
    N_("Показатель преломления вверху должен быть меньше, чем внизу! Не вводите заново, а "
       "исправьте!");

// A number beyond the range a variable can hold keeps the variable's previous value.
double read_or(const TextBox& box, double previous) {
    return numval(box.text()).value_or(previous);
}

// The box that shows what a scroll bar sets, as the scene's keys pair them.
TextBox& box_beside(const Form1& form, const ScrollBar& bar) {
    return static_cast<TextBox&>(*form.find(box_set_by(bar.name())));
}

}  // namespace

void Form1::typed(TextBox& box, const std::string& text, int caret) { box.edit(text, caret); }

void Form1::scrolled(ScrollBar& bar, ScrollAction action) { bar.act(action); }

bool Form1::scroll_key(ScrollBar& bar, ScrollKey key, KeyModifiers modifiers) {
    if (modifiers.alt || modifiers.ctrl || modifiers.meta) return false;
    bar.key(key);
    return true;
}

void Form1::wheeled(ScrollBar& bar, WheelTurn turn, int lines) {
    const bool across =
        bar.def().kind == ControlKind::HScrollBar && std::abs(turn.x) > std::abs(turn.y);
    bar.wheel(across ? turn.x : turn.y, lines);
}

void Form1::thumb_moved(ScrollBar& bar, int position, bool released) {
    if (released) bar.set_value(bar.value_at(position));
}

void Form1::scrolled_to(ScrollBar& bar, int value) { bar.set_value(value); }

// The upper index must stay below the lower one at the boundary; equality breaks it too.
void Form1::check_index(double& value, double replacement) {
    if (sim_.scene.n1 < sim_.scene.nmin) return;
    beep(25);
    platform_.box.show(tr(kIndexMessage), tr("Ошибка"), Buttons::Ok);
    value = replacement;
}

void Form1::Text1_Change() {
    const std::optional<double> typed = numval(Text1.text());
    if (typed) {
        sim_.scene.n1 = *typed;
        check_index(sim_.scene.n1, 1.001);
    }
    Text1.set_text(numstr(sim_.scene.n1));
    Form_Resize();
}

void Form1::Text2_Change() {
    const std::optional<double> typed = numval(Text2.text());
    if (typed) {
        sim_.scene.nmin = *typed;
        check_index(sim_.scene.nmin, 1.333);
    }
    Text2.set_text(numstr(sim_.scene.nmin));
    Form_Resize();
}

void Form1::Text3_Change() {
    const double v = read_or(Text3, sim_.scene.nmax);
    // A single cannot hold magnitudes beyond FLT_MAX; such a number keeps the old nmax.
    if (std::fabs(v) <= static_cast<double>(FLT_MAX)) sim_.scene.nmax = static_cast<float>(v);
    Text3.set_text(numstr(sim_.scene.nmax));
    Form_Resize();
}

void Form1::Text4_Change() {
    sim_.scene.X0 = read_or(Text4, sim_.scene.X0);
    Text4.set_text(numstr(sim_.scene.X0));
    Form_Resize();
}

void Form1::Text5_Change() {
    sim_.scene.Yo = read_or(Text5, sim_.scene.Yo);
    Text5.set_text(numstr(sim_.scene.Yo));
    Form_Resize();
}

void Form1::Text6_Change() {
    sim_.set_angle(Number::real(read_or(Text6, sim_.scene.a0.value())));
    Text6.set_text(numstr(sim_.scene.a0));
    Form_Resize();
}

// The text box's handler reads the text back, so X0 is the value of the shown text.
void Form1::HScroll1_Change() {
    sim_.scene.X0 = HScroll1.value() * 0.01;
    box_beside(*this, HScroll1).set_text(numstr(sim_.scene.X0));
}

void Form1::VScroll1_Change() {
    sim_.scene.Yo = VScroll1.value() * 0.01;
    box_beside(*this, VScroll1).set_text(numstr(sim_.scene.Yo));
}

// Stepping past 180 continues at −179 and past −180 at 179; ±181 are never kept.
void Form1::VScroll2_Change() {
    const int v = VScroll2.value();
    if (v == 181) {
        VScroll2.set_value(-179);
    } else if (v == -181) {
        VScroll2.set_value(179);
    }
    sim_.set_angle(Number::integer(static_cast<std::int16_t>(VScroll2.value())));
    box_beside(*this, VScroll2).set_text(numstr(sim_.scene.a0));
}

}  // namespace velantra
