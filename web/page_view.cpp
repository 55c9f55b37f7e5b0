#include "web/page_view.h"

#include <emscripten.h>

#include <string>
#include <vector>

#include "model/catalogue.h"
#include "web/canvas_surface.h"
#include "web/record.h"
#include "window/accessible.h"

// Each function hands one thing to the page's script (web/page/), by the names of its handlers
// (web/page/start.js); a record goes as JSON.
EM_JS(void, velantra_make_control, (const char* record),
      { Module.page.make(JSON.parse(UTF8ToString(record))); });
EM_JS(void, velantra_changed, (const char* record),
      { Module.page.changed(JSON.parse(UTF8ToString(record))); });
EM_JS(void, velantra_built, (const char* record),
      { Module.page.built(JSON.parse(UTF8ToString(record))); });
EM_JS(void, velantra_make_menu, (const char* record),
      { Module.page.menu(JSON.parse(UTF8ToString(record))); });
EM_JS(void, velantra_describe, (const char* text, int announce),
      { Module.page.picture.describe(UTF8ToString(text), announce != 0); });
EM_JS(void, velantra_form_back, (int back), { Module.page.back(back); });
EM_JS(int, velantra_client_width, (), { return Module.page.frame().width; });
EM_JS(int, velantra_client_height, (), { return Module.page.frame().height; });

EM_JS(int, velantra_authors_exists, (), { return Module.page.authors.exists() ? 1 : 0; });
EM_JS(void, velantra_authors_create, (const char* record),
      { Module.page.authors.create(JSON.parse(UTF8ToString(record))); });
EM_JS(void, velantra_authors_label, (const char* text),
      { Module.page.authors.label(UTF8ToString(text)); });
EM_JS(int, velantra_authors_visible, (), { return Module.page.authors.visible() ? 1 : 0; });
EM_JS(void, velantra_authors_show, (), { Module.page.authors.show(); });
// Into four ints: left, top, width, height.
EM_JS(void, velantra_authors_frame, (int* frame), {
    const f = Module.page.authors.frame();
    HEAP32.set([ f.left, f.top, f.width, f.height ], frame >> 2);
});
EM_JS(void, velantra_authors_move, (int left, int top), { Module.page.authors.move(left, top); });
EM_JS(void, velantra_authors_raise, (), { Module.page.authors.raise(); });
EM_JS(void, velantra_authors_close, (), { Module.page.authors.close(); });

namespace velantra {

namespace {

const char* kind_of(ControlKind kind) {
    switch (kind) {
        case ControlKind::Picture:
            return "picture";
        case ControlKind::Shape:
            return "shape";
        case ControlKind::TextBox:
            return "text";
        case ControlKind::HScrollBar:
            return "hscroll";
        case ControlKind::VScrollBar:
            return "vscroll";
        case ControlKind::Button:
            return "button";
        case ControlKind::Label:
            return "label";
    }
    return "label";
}

// The ARIA role; "" for a label, which its caption names, and "hidden" for what no one hears.
const char* aria_role(AccessibleRole role) {
    switch (role) {
        case AccessibleRole::Graphic:
            return "img";
        case AccessibleRole::Text:
            return "textbox";
        case AccessibleRole::ScrollBar:
            return "scrollbar";
        case AccessibleRole::Button:
            return "button";
        case AccessibleRole::StaticText:
            return "";
        case AccessibleRole::Hidden:
            break;
    }
    return "hidden";
}

// -1 for the system's colours, which the page's styles give.
int css_back(const ControlDef& d) { return d.has_back ? static_cast<int>(d.back) : -1; }
int css_fore(const ControlDef& d) {
    switch (d.fore) {
        case ForeKind::Own:
            return static_cast<int>(d.fore_colour);
        case ForeKind::Window:
            return -2;
        case ForeKind::Button:
            return -1;
    }
    return -1;
}

Record place(const Control& c) {
    const PixelRect& p = c.pixels();
    return Record()
        .set("left", p.left)
        .set("top", p.top)
        .set("width", p.width)
        .set("height", p.height);
}

// What the page makes a control from: its looks, its first state, what is heard of it, its
// place and whether it shows; each field only for the kinds that read it.
Record control_record(const Control& c) {
    const ControlDef& d = c.def();
    Record r;
    r.set("name", d.name).set("kind", kind_of(d.kind));
    if (d.kind != ControlKind::Picture)
        r.set("font", css_font(d.font)).set("back", css_back(d)).set("fore", css_fore(d));
    switch (d.kind) {
        case ControlKind::TextBox:
            r.set("text", static_cast<const TextBox&>(c).text()).set("readOnly", d.read_only);
            break;
        case ControlKind::Label:
            r.set("text", static_cast<const Label&>(c).caption()).set("border", d.border);
            r.set("right", d.align == Align::Right);
            break;
        case ControlKind::Button:
            r.set("text", tr(d.text));
            break;
        case ControlKind::HScrollBar:
        case ControlKind::VScrollBar: {
            const auto& bar = static_cast<const ScrollBar&>(c);
            r.set("span", bar.span()).set("large", d.scroll.large);
            r.set("value", bar.value()).set("position", bar.position());
            break;
        }
        case ControlKind::Shape:
            r.set("shape", Record()
                               .set("fill", static_cast<int>(d.shape.fill))
                               .set("border", static_cast<int>(d.shape.border))
                               .set("borderWidth", d.shape.border_width));
            break;
        case ControlKind::Picture:
            break;
    }
    const Accessible a = accessible(c);
    r.set("access", Record()
                        .set("role", aria_role(a.role))
                        .set("name", a.name)
                        .set("description", a.description)
                        .set("minimum", a.minimum)
                        .set("maximum", a.maximum));
    return r.set("place", place(c)).set("visible", c.visible());
}

}  // namespace

void PageView::build(const Form1& form) {
    velantra_form_back(static_cast<int>(kForm1.back));
    for (const Control* c : form.controls()) {
        Record r = control_record(*c);
        if (c == &form.Picture1) r.set("words", form.description());
        velantra_make_control(r.c_str());
    }
    for (const MenuDef& menu : kMenus) {
        std::vector<Record> entries;
        for (const MenuEntryDef& entry : menu.entries) {
            entries.push_back(Record()
                                  .set("name", entry.name)
                                  .set("caption", tr(entry.caption))
                                  .set("separator", entry.separator()));
        }
        velantra_make_menu(Record()
                               .set("name", menu.name)
                               .set("caption", tr(menu.caption))
                               .set("entries", entries)
                               .c_str());
    }
    std::vector<const char*> stacking;
    for (const ControlDef* d : stacking_order()) stacking.push_back(d->name);
    built_ = true;
    velantra_built(
        Record()
            .set("focus", std::vector<const char*>(kFocusOrder.begin(), kFocusOrder.end()))
            .set("stacking", stacking)
            .c_str());
}

void PageView::changed(const Control& control, Aspect what) {
    // While the elements are made, the logic's first state is read from it directly.
    if (!built_) return;
    Record r;
    r.set("name", control.name());
    switch (what) {
        case Aspect::Text:
        case Aspect::Caret: {
            const auto& box = static_cast<const TextBox&>(control);
            r.set("text", box.text()).set("caret", box.caret());
            break;
        }
        case Aspect::Value: {
            const auto& bar = static_cast<const ScrollBar&>(control);
            r.set("value", bar.value()).set("position", bar.position());
            break;
        }
        case Aspect::Caption:
            r.set("caption", static_cast<const Label&>(control).caption());
            break;
        case Aspect::Visible:
            r.set("visible", control.visible());
            break;
        case Aspect::Geometry:
            r.set("place", place(control));
            break;
    }
    velantra_changed(r.c_str());
}

void PageView::description_changed(const std::string& text, bool announce) {
    // While the elements are made, the picture takes the description from its record.
    if (built_) velantra_describe(text.c_str(), announce ? 1 : 0);
}

// The page is Form1's window: its outer frame is the viewport.
Frame PageView::frame() const { return {0, 0, velantra_client_width(), velantra_client_height()}; }

// The page asks no closing question of its own (the browser asks in its words before the page
// goes), so nothing answers Yes to end the program from inside: reaching this is a fault.
void PageView::end_program() { std::abort(); }

bool PageAuthorsWindow::exists() const { return velantra_authors_exists() != 0; }

void PageAuthorsWindow::create() {
    const auto at = [](const Form2Def::Place& p) {
        return Record()
            .set("name", p.name)
            .set("left", p.left)
            .set("top", p.top)
            .set("width", p.width)
            .set("height", p.height);
    };
    velantra_authors_create(
        Record()
            .set("caption", tr(kForm2.caption))
            .set("width", kForm2.client_width)
            .set("height", kForm2.client_height)
            .set("image", at(kForm2.image))
            .set("label", at(kForm2.label).set("font", css_font(kForm2.label_font)))
            .c_str());
}

void PageAuthorsWindow::set_label1(const std::string& utf8) {
    velantra_authors_label(utf8.c_str());
}
bool PageAuthorsWindow::visible() const { return velantra_authors_visible() != 0; }
void PageAuthorsWindow::show() { velantra_authors_show(); }
Frame PageAuthorsWindow::frame() const {
    int f[4] = {};
    velantra_authors_frame(f);
    return {f[0], f[1], f[2], f[3]};
}
void PageAuthorsWindow::move(int left, int top) { velantra_authors_move(left, top); }
void PageAuthorsWindow::raise() { velantra_authors_raise(); }
void PageAuthorsWindow::close() { velantra_authors_close(); }

}  // namespace velantra
