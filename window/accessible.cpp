#include "window/accessible.h"

#include <algorithm>
#include <string_view>

#include "model/catalogue.h"
#include "window/scene_keys.h"

namespace velantra {

namespace {

// A tooltip's subject, without the hint in brackets that follows it.
std::string subject(std::string_view tooltip) {
    return std::string(tooltip.substr(0, tooltip.find(" (")));
}

// A scroll bar sets what the box beside it shows, and is named as that box.
const ControlDef* box_beside(std::string_view bar) {
    const std::string_view box = box_set_by(bar);
    for (const ControlDef& d : kForm1Controls)
        if (!box.empty() && box == d.name) return &d;
    return nullptr;
}

}  // namespace

Accessible accessible(const Control& control) {
    const ControlDef& d = control.def();
    Accessible a;
    a.description = tr(d.tooltip);
    switch (d.kind) {
        case ControlKind::Picture:
            a.role = AccessibleRole::Graphic;
            a.name = subject(a.description);
            break;
        case ControlKind::Shape:
            break;
        case ControlKind::TextBox:
            a.role = AccessibleRole::Text;
            a.name = subject(a.description);
            break;
        case ControlKind::HScrollBar:
        case ControlKind::VScrollBar: {
            a.role = AccessibleRole::ScrollBar;
            const ControlDef* box = box_beside(d.name);
            a.name = box != nullptr ? subject(tr(box->tooltip)) : d.name;
            a.minimum = std::min(d.scroll.top, d.scroll.bottom);
            a.maximum = std::max(d.scroll.top, d.scroll.bottom);
            break;
        }
        case ControlKind::Button:
            a.role = AccessibleRole::Button;
            a.name = tr(d.text);
            break;
        case ControlKind::Label:
            a.role = AccessibleRole::StaticText;
            a.name = static_cast<const Label&>(control).caption();
            break;
    }
    return a;
}

}  // namespace velantra
