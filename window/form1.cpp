// The window's controls made from their definitions, the redraw chain, the run, the tone
// and what the model shows through the Display.

#include "window/form1.h"

#include <cmath>
#include <stdexcept>
#include <utility>

namespace velantra {

namespace {

const ControlDef& defined(std::string_view name) {
    for (const ControlDef& d : kForm1Controls)
        if (name == d.name) return d;
    throw std::logic_error("no control of that name is defined");
}

}  // namespace

Form1::Form1(PictureSurface& picture, View& view, Platform platform)
    : view_(view),
      platform_(std::move(platform)),
      picture_(picture),
      sim_(picture_, *this),
      description_(platform_.decimal_separator),
      Picture1(defined("Picture1"), view),
      Shape1(defined("Shape1"), view),
      Text1(defined("Text1"), view),
      Text2(defined("Text2"), view),
      Text3(defined("Text3"), view),
      Text4(defined("Text4"), view),
      Text5(defined("Text5"), view),
      Text6(defined("Text6"), view),
      HScroll1(defined("HScroll1"), view),
      VScroll1(defined("VScroll1"), view),
      VScroll2(defined("VScroll2"), view),
      CmdOK(defined("CmdOK"), view),
      Label1(defined("Label1"), view),
      Label2(defined("Label2"), view),
      Label3(defined("Label3"), view),
      Label4(defined("Label4"), view),
      Label5(defined("Label5"), view),
      Label6(defined("Label6"), view),
      Label10(defined("Label10"), view),
      Label11(defined("Label11"), view),
      Label7(defined("Label7"), view),
      Label8(defined("Label8"), view),
      Label9(defined("Label9"), view),
      Label13(defined("Label13"), view),
      Label14(defined("Label14"), view),
      Label12(defined("Label12"), view),
      Label15(defined("Label15"), view) {
    Control* const all[] = {&Picture1, &Shape1,   &Text1,    &Text2,    &Text3,   &Text4,   &Text5,
                            &Text6,    &HScroll1, &VScroll1, &VScroll2, &CmdOK,   &Label1,  &Label2,
                            &Label3,   &Label4,   &Label5,   &Label6,   &Label10, &Label11, &Label7,
                            &Label8,   &Label9,   &Label13,  &Label14,  &Label12, &Label15};
    // In the order of the definition, whatever the order of the members.
    for (const ControlDef& d : kForm1Controls)
        for (Control* c : all)
            if (&c->def() == &d) controls_.push_back(c);
    sim_.decimal_separator = platform_.decimal_separator;
    sim_.listen(description_);
    picture_.set_look(Picture1.def().back, Picture1.def().fore_colour, Picture1.def().font);
    Form_Load();
    description_text_ = description_.scene(sim_.scene);
    Text1.Change = [this] { Text1_Change(); };
    Text2.Change = [this] { Text2_Change(); };
    Text3.Change = [this] { Text3_Change(); };
    Text4.Change = [this] { Text4_Change(); };
    Text5.Change = [this] { Text5_Change(); };
    Text6.Change = [this] { Text6_Change(); };
    HScroll1.Change = [this] { HScroll1_Change(); };
    VScroll1.Change = [this] { VScroll1_Change(); };
    VScroll2.Change = [this] { VScroll2_Change(); };
}

Control* Form1::find(std::string_view name) const {
    for (Control* c : controls_)
        if (name == c->name()) return c;
    return nullptr;
}

void Form1::Form_Load() { ::velantra::Form_Load(sim_.scene); }

void Form1::client_resized(int width_px, int height_px) {
    client_width_ = width_px;
    client_height_ = height_px;
    Form_Resize();
}

void Form1::resolution_changed(double ratio) {
    if (picture_.set_ratio(ratio)) Form_Resize();
}

void Form1::Form_Resize() {
    ++resize_passes_;
    shows_run_ = false;
    layout();
    sim_.draw_frame();
    describe(description_.scene(sim_.scene), false);
}

void Form1::CmdOK_Click() {
    sim_.raschet();
    shows_run_ = true;
    describe(description_.run(), true);
}

// Said again only when it says something new, or for a run.
void Form1::describe(std::string text, bool announce) {
    if (text == description_text_ && !announce) return;
    description_text_ = std::move(text);
    view_.description_changed(description_text_, announce);
}

void Form1::beep(double d) { platform_.tone.play(880, beep_duration_ms(d)); }

Label& Form1::result_label(ResultLabel label) {
    switch (label) {
        case ResultLabel::Label7:
            return Label7;
        case ResultLabel::Label8:
            return Label8;
        case ResultLabel::Label9:
            return Label9;
        case ResultLabel::Label13:
            return Label13;
        case ResultLabel::Label14:
            return Label14;
    }
    return Label7;
}

void Form1::set_caption(ResultLabel label, const std::string& utf8) {
    result_label(label).set_caption(utf8);
}

void Form1::set_visible(ResultLabel label, bool visible) {
    result_label(label).set_visible(visible);
}

double Form1::shape1_width() const {
    const UserMap& m = picture_.map();
    return m.to_user(Shape1.pixels().width, 0).x - m.to_user(0, 0).x;
}

double Form1::shape1_height() const {
    const UserMap& m = picture_.map();
    return m.to_user(0, Shape1.pixels().height).y - m.to_user(0, 0).y;
}

void Form1::move_shape1(double left, double top) {
    const DevicePoint p = picture_.map().to_device(left, top);
    // Halves away from zero, as the window system places a child at whole pixels; a place
    // beyond any screen (or none at all) stops a billion pixels out.
    auto whole = [](double v) {
        if (!(std::fabs(v) < 1e9)) return v < 0 ? -1000000000 : 1000000000;
        return static_cast<int>(v + std::copysign(0.5, v));
    };
    Shape1.move_to(whole(p.x), whole(p.y));
}

void Form1::message(const std::string& text, const std::string& title) {
    description_.message(text);
    platform_.box.show(text, title, Buttons::Ok);
}

}  // namespace velantra
