#include "web/page_view.h"

#include <emscripten.h>

#include <string>

#include "model/catalogue.h"
#include "web/canvas_surface.h"
#include "window/accessible.h"

// Each function hands one thing to the page's script (page.js), which owns the elements.
EM_JS(void, velantra_make_control,
      (const char* name, const char* kind, const char* text, const char* tooltip, const char* font,
       int back, int fore, int read_only, int border, int right, int scroll_top, int scroll_bottom,
       int span, int large, int value, int position, int shape_fill, int shape_border,
       int shape_border_width),
      {
          Velantra.make({
              name : UTF8ToString(name),
              kind : UTF8ToString(kind),
              text : UTF8ToString(text),
              tooltip : UTF8ToString(tooltip),
              font : UTF8ToString(font),
              back,
              fore,
              readOnly : read_only != 0,
              border : border != 0,
              right : right != 0,
              top : scroll_top,
              bottom : scroll_bottom,
              span,
              large,
              value,
              position,
              shape : {fill : shape_fill, border : shape_border, borderWidth : shape_border_width}
          });
      });
EM_JS(void, velantra_describe,
      (const char* name, const char* role, const char* accessible_name, const char* description,
       int minimum, int maximum),
      {
          Velantra.describe(UTF8ToString(name), {
              role : UTF8ToString(role),
              name : UTF8ToString(accessible_name),
              description : UTF8ToString(description),
              minimum,
              maximum
          });
      });
// The scroll actions and keys as the page hands them in, by the DOM's key names, and the turn
// of one wheel notch.
EM_JS(void, velantra_scroll_codes,
      (int line_up, int line_down, int page_up, int page_down, int up, int down, int left,
       int right, int page_up_key, int page_down_key, int home, int end, int notch),
      {
          Velantra.scrollCodes = {
              lineUp : line_up,
              lineDown : line_down,
              pageUp : page_up,
              pageDown : page_down,
              keys : {
                  ArrowUp : up,
                  ArrowDown : down,
                  ArrowLeft : left,
                  ArrowRight : right,
                  PageUp : page_up_key,
                  PageDown : page_down_key,
                  Home : home,
                  End : end
              },
              notch
          };
      });
// The page's back colour is Form1's.
EM_JS(void, velantra_form_back, (int back),
      { document.documentElement.style.setProperty('--form1-back', Velantra.css(back)); });
EM_JS(void, velantra_make_menu, (const char* name, const char* caption),
      { Velantra.menus.make(UTF8ToString(name), UTF8ToString(caption)); });
EM_JS(void, velantra_make_entry,
      (const char* menu, const char* name, const char* caption, int separator), {
          Velantra.menus.entry(UTF8ToString(menu), UTF8ToString(name), UTF8ToString(caption),
                               separator);
      });
EM_JS(void, velantra_focus_next, (const char* name), { Velantra.focusNext(UTF8ToString(name)); });
EM_JS(void, velantra_built, (), { Velantra.built(); });
EM_JS(void, velantra_stack, (const char* name, int level),
      { Velantra.stack(UTF8ToString(name), level); });
EM_JS(void, velantra_set_text, (const char* name, const char* text, int caret),
      { Velantra.setText(UTF8ToString(name), UTF8ToString(text), caret); });
EM_JS(void, velantra_set_value, (const char* name, int value, int position),
      { Velantra.setValue(UTF8ToString(name), value, position); });
EM_JS(void, velantra_set_caption, (const char* name, const char* caption),
      { Velantra.setCaption(UTF8ToString(name), UTF8ToString(caption)); });
EM_JS(void, velantra_set_visible, (const char* name, int visible),
      { Velantra.setVisible(UTF8ToString(name), visible != 0); });
EM_JS(void, velantra_place, (const char* name, int left, int top, int width, int height),
      { Velantra.place(UTF8ToString(name), left, top, width, height); });
EM_JS(int, velantra_client_width, (), { return Velantra.frame().width; });
EM_JS(int, velantra_client_height, (), { return Velantra.frame().height; });

EM_JS(int, velantra_authors_exists, (), { return Velantra.authors.exists() ? 1 : 0; });
EM_JS(void, velantra_authors_create,
      (const char* caption, int width, int height, const char* image, int il, int it, int iw,
       int ih, const char* label, int ll, int lt, int lw, int lh, const char* font),
      {
          Velantra.authors.create(
              UTF8ToString(caption), width, height,
              {name : UTF8ToString(image), left : il, top : it, width : iw, height : ih}, {
                  name : UTF8ToString(label),
                  left : ll,
                  top : lt,
                  width : lw,
                  height : lh,
                  font : UTF8ToString(font)
              });
      });
EM_JS(void, velantra_authors_label, (const char* text),
      { Velantra.authors.label(UTF8ToString(text)); });
EM_JS(int, velantra_authors_visible, (), { return Velantra.authors.visible() ? 1 : 0; });
EM_JS(void, velantra_authors_show, (), { Velantra.authors.show(); });
EM_JS(int, velantra_authors_frame, (int part), { return Velantra.authors.frame()[part]; });
EM_JS(void, velantra_authors_move, (int left, int top), { Velantra.authors.move(left, top); });
EM_JS(void, velantra_authors_raise, (), { Velantra.authors.raise(); });
EM_JS(void, velantra_authors_close, (), { Velantra.authors.close(); });

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

}  // namespace

void PageView::build(const Form1& form) {
    const auto code = [](auto e) { return static_cast<int>(e); };
    velantra_scroll_codes(
        code(ScrollAction::LineUp), code(ScrollAction::LineDown), code(ScrollAction::PageUp),
        code(ScrollAction::PageDown), code(ScrollKey::Up), code(ScrollKey::Down),
        code(ScrollKey::Left), code(ScrollKey::Right), code(ScrollKey::PageUp),
        code(ScrollKey::PageDown), code(ScrollKey::Home), code(ScrollKey::End), kWheelNotch);
    velantra_form_back(static_cast<int>(kForm1.back));
    for (const Control* c : form.controls()) {
        const ControlDef& d = c->def();
        std::string text = tr(d.text);
        int value = 0, position = 0, span = 0;
        if (d.kind == ControlKind::TextBox) text = static_cast<const TextBox*>(c)->text();
        if (d.kind == ControlKind::Label) text = static_cast<const Label*>(c)->caption();
        if (const auto* bar = dynamic_cast<const ScrollBar*>(c)) {
            value = bar->value();
            position = bar->position();
            span = bar->span();
        }
        velantra_make_control(d.name, kind_of(d.kind), text.c_str(), tr(d.tooltip).c_str(),
                              css_font(d.font).c_str(), css_back(d), css_fore(d), d.read_only,
                              d.border, d.align == Align::Right, d.scroll.top, d.scroll.bottom,
                              span, d.scroll.large, value, position, static_cast<int>(d.shape.fill),
                              static_cast<int>(d.shape.border), d.shape.border_width);
        const Accessible a = accessible(*c);
        velantra_describe(d.name, aria_role(a.role), a.name.c_str(), a.description.c_str(),
                          a.minimum, a.maximum);
        const PixelRect& p = c->pixels();
        velantra_place(d.name, p.left, p.top, p.width, p.height);
        velantra_set_visible(d.name, c->visible());
    }
    for (const MenuDef& menu : kMenus) {
        velantra_make_menu(menu.name, tr(menu.caption).c_str());
        for (const MenuEntryDef& entry : menu.entries)
            velantra_make_entry(menu.name, entry.name, tr(entry.caption).c_str(),
                                entry.separator() ? 1 : 0);
    }
    for (const char* name : kFocusOrder) velantra_focus_next(name);
    built_ = true;
    velantra_built();
    int level = 0;
    for (const ControlDef* d : stacking_order()) velantra_stack(d->name, ++level);
}

void PageView::changed(const Control& control, Aspect what) {
    // While the elements are made, the logic's first state is read from it directly.
    if (!built_) return;
    const char* name = control.name();
    switch (what) {
        case Aspect::Text:
        case Aspect::Caret: {
            const auto& box = static_cast<const TextBox&>(control);
            velantra_set_text(name, box.text().c_str(), box.caret());
            break;
        }
        case Aspect::Value: {
            const auto& bar = static_cast<const ScrollBar&>(control);
            velantra_set_value(name, bar.value(), bar.position());
            break;
        }
        case Aspect::Caption:
            velantra_set_caption(name, static_cast<const Label&>(control).caption().c_str());
            break;
        case Aspect::Visible:
            velantra_set_visible(name, control.visible());
            break;
        case Aspect::Geometry: {
            const PixelRect& p = control.pixels();
            velantra_place(name, p.left, p.top, p.width, p.height);
            break;
        }
    }
}

// The page is Form1's window: its outer frame is the viewport.
Frame PageView::frame() const { return {0, 0, velantra_client_width(), velantra_client_height()}; }

// The page asks no closing question of its own (the browser asks in its words before the page
// goes), so nothing answers Yes to end the program from inside: reaching this is a fault.
void PageView::end_program() { std::abort(); }

bool PageAuthorsWindow::exists() const { return velantra_authors_exists() != 0; }

void PageAuthorsWindow::create() {
    const auto& i = kForm2.image;
    const auto& l = kForm2.label;
    velantra_authors_create(tr(kForm2.caption).c_str(), kForm2.client_width, kForm2.client_height,
                            i.name, i.left, i.top, i.width, i.height, l.name, l.left, l.top,
                            l.width, l.height, css_font(kForm2.label_font).c_str());
}

void PageAuthorsWindow::set_label1(const std::string& utf8) {
    velantra_authors_label(utf8.c_str());
}
bool PageAuthorsWindow::visible() const { return velantra_authors_visible() != 0; }
void PageAuthorsWindow::show() { velantra_authors_show(); }
Frame PageAuthorsWindow::frame() const {
    return {velantra_authors_frame(0), velantra_authors_frame(1), velantra_authors_frame(2),
            velantra_authors_frame(3)};
}
void PageAuthorsWindow::move(int left, int top) { velantra_authors_move(left, top); }
void PageAuthorsWindow::raise() { velantra_authors_raise(); }
void PageAuthorsWindow::close() { velantra_authors_close(); }

}  // namespace velantra
