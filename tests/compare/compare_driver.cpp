// Prints everything the window shows over a scene: every change of a control (texts, carets,
// values, captions, visibility, layout), messages, tones, documents opened, every drawn call
// of the last frame and of the run, and pointer readouts, for the start-up scene, the edge
// cases and random scenes of typed texts and scroll steps. The native and the WebAssembly
// builds must print the same lines.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "desktop/command_line.h"
#include "model/catalogue.h"
#include "model/format.h"
#include "tests/support/fakes.h"
#include "tests/support/form_rig.h"
#include "tests/support/recording_surface.h"
#include "window/definition.h"
#include "window/form1.h"
#include "window/prepared_scene.h"

namespace velantra::testing {
namespace {

// The same numbers on every platform: no library function between the seed and a value.
struct Random {
    std::uint64_t state;
    std::uint64_t next() {
        std::uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
    double unit() { return static_cast<double>(next() >> 11) * 0x1p-53; }
    double in(double lo, double hi) { return lo + unit() * (hi - lo); }
};

// The lines go out in large writes: node writes each of its own calls at once.
class Printer {
  public:
    void line(const std::string& text) {
        buffer_ += text + '\n';
        if (buffer_.size() > (1u << 20)) flush();
    }
    void flush() {
        std::fwrite(buffer_.data(), 1, buffer_.size(), stdout);
        buffer_.clear();
    }

  private:
    std::string buffer_;
};

std::string g9(float v) {
    char b[32];
    std::snprintf(b, sizeof b, "%.9g", static_cast<double>(v));
    return b;
}

const char* kind_name(DrawCall::Kind k) {
    static const char* names[] = {"Scale",  "Cls",      "Line",     "Box",      "PSet",
                                  "Circle", "SetWidth", "CurrentX", "CurrentY", "Print"};
    return names[static_cast<int>(k)];
}

// The window's logic over a recording picture, with a view, message box, tone, launcher
// and Authors window that print what they are told, in the order they are told it.
class Window : public View, public MessageBox, public Tone, public Launcher {
  public:
    Window(Printer& out, std::string separator)
        : out_(out),
          form(surface, *this, Platform{*this, *this, *this, authors, std::move(separator)}) {}

    void changed(const Control& c, Aspect what) override {
        std::string l = c.name();
        if (const auto* box = dynamic_cast<const TextBox*>(&c)) {
            if (what == Aspect::Text) l += " text '" + box->text() + "'";
            if (what == Aspect::Caret) l += " caret " + std::to_string(box->caret());
        }
        if (const auto* bar = dynamic_cast<const ScrollBar*>(&c); bar && what == Aspect::Value)
            l += " value " + std::to_string(bar->value());
        if (const auto* label = dynamic_cast<const Label*>(&c); label && what == Aspect::Caption)
            l += " caption '" + label->caption() + "'";
        if (what == Aspect::Visible) l += c.visible() ? " visible 1" : " visible 0";
        if (what == Aspect::Geometry) {
            const UnitRect& u = c.units();
            const PixelRect& p = c.pixels();
            l += " geometry " + g9(u.left) + ' ' + g9(u.top) + ' ' + g9(u.width) + ' ' +
                 g9(u.height) + " px " + std::to_string(p.left) + ' ' + std::to_string(p.top) +
                 ' ' + std::to_string(p.width) + ' ' + std::to_string(p.height);
        }
        out_.line(l);
    }
    Frame frame() const override { return {100, 80, 876, 345}; }
    void end_program() override { out_.line("end_program"); }
    Answer show(const std::string& text, const std::string& title, Buttons buttons) override {
        out_.line("message '" + title + "' '" + text + "' " +
                  std::to_string(static_cast<int>(buttons)));
        return buttons == Buttons::Ok ? Answer::Ok : Answer::No;
    }
    void play(int frequency_hz, std::int32_t duration_ms) override {
        out_.line("tone " + std::to_string(frequency_hz) + " " + std::to_string(duration_ms));
    }
    // Paths from the working folder on, which differs between the two runs.
    void open_document(const std::string& path) override {
        std::string cwd = std::filesystem::current_path().string();
        if (!cwd.empty() && cwd.back() == '/') cwd.pop_back();
        out_.line("open " + (path.rfind(cwd, 0) == 0 ? path.substr(cwd.size()) : path));
    }
    bool program_exists(const std::string&) const override { return false; }
    void start_detached(const std::string& program, const std::vector<std::string>&) override {
        out_.line("start " + program);
    }

    // The calls drawn since the last print, then a fresh log: each earlier frame (from one
    // clearing to the next) as a digest of its lines, the last one line by line.
    void print_drawn(const char* part) {
        std::size_t last = 0;
        for (std::size_t i = 0; i < surface.calls.size(); ++i)
            if (surface.calls[i].kind == DrawCall::Kind::Cls) last = i;
        std::uint64_t digest = 14695981039346656037ULL;
        for (std::size_t i = 0; i < surface.calls.size(); ++i) {
            const std::string l = drawn(surface.calls[i]);
            if (i >= last) {
                out_.line(l);
                continue;
            }
            for (char ch : l + '\n')
                digest = (digest ^ static_cast<unsigned char>(ch)) * 1099511628211ULL;
            if (i + 1 == last || surface.calls[i + 1].kind == DrawCall::Kind::Cls)
                out_.line("frame digest " + std::to_string(digest));
        }
        out_.line(std::string("end ") + part + " " + std::to_string(surface.calls.size()));
        surface.calls.clear();
    }
    TextBox& box(const char* name) { return static_cast<TextBox&>(*form.find(name)); }
    ScrollBar& bar(const char* name) { return static_cast<ScrollBar&>(*form.find(name)); }
    void print_address() { out_.line("address " + scene_address(form)); }
    void type(const char* name, const std::string& text) {
        out_.line(std::string("type ") + name + " '" + text + "'");
        form.typed(box(name), text, static_cast<int>(text.size()));
    }

    static std::string drawn(const DrawCall& c) {
        std::string l = kind_name(c.kind);
        const auto add = [&l](const std::string& field) { l += ' ' + field; };
        const std::string colour = std::to_string(c.colour), width = std::to_string(c.width);
        switch (c.kind) {
            case DrawCall::Kind::Scale:
            case DrawCall::Kind::Box:
            case DrawCall::Kind::Line:
                for (float v : {c.x1, c.y1, c.x2, c.y2}) add(g9(v));
                if (c.kind != DrawCall::Kind::Scale) add(colour);
                if (c.kind == DrawCall::Kind::Line) add(width);
                break;
            case DrawCall::Kind::PSet:
                for (const std::string& f : {g9(c.x1), g9(c.y1), width}) add(f);
                break;
            case DrawCall::Kind::Circle:
                for (const std::string& f : {g9(c.x1), g9(c.y1), g9(c.radius), colour, width})
                    add(f);
                break;
            case DrawCall::Kind::SetWidth:
                add(width);
                break;
            case DrawCall::Kind::CurrentX:
            case DrawCall::Kind::CurrentY:
            case DrawCall::Kind::Print:
                add(g9(c.current_x));
                add(g9(c.current_y));
                if (c.kind == DrawCall::Kind::Print) add("'" + c.text + "'");
                break;
            case DrawCall::Kind::Cls:
                break;
        }
        return l;
    }

  private:
    Printer& out_;

  public:
    RecordingSurface surface;
    FakeAuthors authors;
    Form1 form;
};

class Scenes {
  public:
    explicit Scenes(Printer& out) : out_(out) {}

    // One scene: a window at its defined size, then the actions, the last frame's drawing,
    // a run and pointer readouts over the picture.
    template <class Actions>
    void scene(const std::string& name, Actions actions) {
        out_.line("scene " + std::to_string(++count_) + " " + name);
        Window w(out_, count_ % 2 == 0 ? "," : ".");
        w.form.client_resized(kForm1.client_width, kForm1.client_height);
        w.surface.calls.clear();
        actions(w);
        w.print_drawn("frame");
        out_.line("described '" + w.form.description() + "'");
        w.form.CmdOK_Click();
        w.print_drawn("run");
        out_.line("described '" + w.form.description() + "'");
        const PixelRect& p = w.form.Picture1.pixels();
        for (int i = 0; i <= 4; ++i)
            w.form.pointer_moved(p.width * i / 4.0 - 0.5, p.height * (4 - i) / 4.0 + 0.25);
    }
    long count() const { return count_; }

  private:
    Printer& out_;
    long count_ = 0;
};

// Texts a student might type into a box: numbers with blanks, signs, commas, exponents.
std::string typed_text(Random& r) {
    static const char kChars[] = "0123456789.-+eE ,x";
    std::string t;
    switch (r.below(4)) {
        case 0: {
            const int n = r.below(12);
            for (int i = 0; i < n; ++i) t += kChars[r.below(sizeof kChars - 1)];
            break;
        }
        case 1: {
            // One draw per statement: the order of a call's arguments is the compiler's.
            const double v = r.in(-3, 3);
            const int decimals = r.below(8);
            t = format_fixed(v, decimals, r.below(2) ? "." : ",");
            break;
        }
        default: {
            if (r.below(4) == 0) t += '-';
            t += std::to_string(r.below(3));
            t += '.';
            const int n = 1 + r.below(9);
            for (int i = 0; i < n; ++i) t += static_cast<char>('0' + r.below(10));
            if (r.below(6) == 0) t += "e" + std::to_string(r.below(9) - 4);
            break;
        }
    }
    return t;
}

// The scene's values set as they are held, then the window redrawn: the layout pass writes
// each box's canonical text back through its handler, as after any entry.
void set_scene(Window& w, double n1, double nmin, float nmax, double a0, double X0, double Yo) {
    Scene& s = w.form.simulation().scene;
    s.n1 = n1;
    s.nmin = nmin;
    s.nmax = nmax;
    s.X0 = X0;
    s.Yo = Yo;
    w.form.simulation().set_angle(Number::real(a0));
    w.form.Form_Resize();
}

void run_all(Printer& out, int random_scenes) {
    Scenes scenes(out);
    scenes.scene("start-up", [](Window& w) {
        for (const MenuDef& menu : kMenus)
            for (const MenuEntryDef& entry : menu.entries)
                if (!entry.separator()) w.form.menu_chosen(entry.name);
        // The closing question, answered No: the window stays.
        w.form.close_requested();
    });

    // The edge cases over a grid: homogeneous lower medium, falling index, n1 >= nmin, starts
    // above, on and below the boundary, horizontal and vertical starts, angles beyond ±180,
    // huge and tiny values.
    const float fmax = std::numeric_limits<float>::max();
    const double n1s[] = {-0.5, 0, 1.000292, 1.3333, 1.5, 2};
    const double nmins[] = {0, 1, 1.333, 1.3333, 1.5};
    const float nmaxs[] = {-fmax, -1, 0, 1e-30f, 1.2f, 1.3333f, 1.4f, 1.5f, 3e38f, fmax};
    const double a0s[] = {0,   1e-30, 1e-7, 45,   89.9999, 89.9999999,  90,
                          -90, 100,   135,  180,  -180,    179.9999999, -45,
                          200, 360,   540,  -540, 1e20,    1e41,        -1e41};
    const double Yos[] = {-1, -0.3, 0, 0.01, 0.3, 0.6, 1};
    const double X0s[] = {0, 2.5, 6};
    int i = 0;
    for (double n1 : n1s)
        for (double nmin : nmins)
            for (float nmax : nmaxs)
                for (double a0 : a0s) {
                    // The start places in turn, so the grid stays a few thousand scenes.
                    const double Yo = Yos[i % 7];
                    const double X0 = X0s[i / 7 % 3];
                    ++i;
                    scenes.scene("grid",
                                 [&](Window& w) { set_scene(w, n1, nmin, nmax, a0, X0, Yo); });
                }
    // The scroll bars over their ranges, by every kind of step.
    const ScrollAction actions[] = {ScrollAction::LineUp, ScrollAction::LineDown,
                                    ScrollAction::PageUp, ScrollAction::PageDown,
                                    ScrollAction::ToTop,  ScrollAction::ToBottom};
    for (int a = -181; a <= 181; ++a)
        scenes.scene("angle " + std::to_string(a), [&](Window& w) {
            w.form.scrolled_to(w.bar("VScroll2"), a);
            w.form.scrolled(w.bar("VScroll2"), actions[(a + 181) % 6]);
        });
    for (int y = -100; y <= 100; y += 5)
        for (int x = 0; x <= 600; x += 50)
            scenes.scene("start " + std::to_string(x) + " " + std::to_string(y), [&](Window& w) {
                w.form.scrolled_to(w.bar("HScroll1"), x);
                w.form.scrolled_to(w.bar("VScroll1"), y);
                w.form.scrolled(w.bar("VScroll1"), actions[(x + y + 100) % 6]);
            });

    // Every kind of scroll action at both ends of each bar, and the wheel across VScroll2's
    // wrap: arrows and trough, the keys, whole and partial notches, thumbs released in and
    // beyond the range.
    const ScrollKey keys[] = {ScrollKey::Up,    ScrollKey::Down,   ScrollKey::Left,
                              ScrollKey::Right, ScrollKey::PageUp, ScrollKey::PageDown,
                              ScrollKey::Home,  ScrollKey::End};
    for (const char* name : {"HScroll1", "VScroll1", "VScroll2"})
        for (const ScrollAction end : {ScrollAction::ToTop, ScrollAction::ToBottom})
            scenes.scene(std::string("ends ") + name, [&](Window& w) {
                ScrollBar& bar = w.bar(name);
                for (const ScrollAction a : actions) {
                    w.form.scrolled(bar, end);
                    w.form.scrolled(bar, a);
                }
                for (const ScrollKey k : keys) {
                    w.form.scrolled(bar, end);
                    w.form.scroll_key(bar, k, {});
                }
                for (const int delta : {120, -120, 60, 60, -240, 40, -80, 360}) {
                    w.form.scrolled(bar, end);
                    w.form.wheeled(bar, {0, delta}, delta == 360 ? 1 : kWheelLines);
                }
                for (const int position : {-5, 0, 1, bar.span() - 1, bar.span(), bar.span() + 5})
                    w.form.thumb_moved(bar, position, true);
            });
    for (const int a : {178, 179, 180, -180, -179, -178})
        scenes.scene("wheel across the wrap " + std::to_string(a), [&](Window& w) {
            ScrollBar& bar = w.bar("VScroll2");
            for (const int delta : {120, -120, -120, 120, 240}) {
                w.form.scrolled_to(bar, a);
                w.form.wheeled(bar, {0, delta}, kWheelLines);
            }
        });

    // Prepared scenes, each from an address and from the same words on a command line: any
    // case and order, the index rules, values beyond the bars, bad keys and values, a key twice.
    const char* const addresses[] = {"n1=1.2&nmin=1.5&nmax=1.6&x0=2&yo=0.5&a0=-30&run",
                                     "#A0=110&YO=.5&X0=1&NMAX=1.6&NMIN=1.5&N1=1.333&run",
                                     "n1=1.7&nmin=1.5",
                                     "nmax=1.2&nmin=1.5&run",
                                     "x0=7&yo=-3&a0=1e41",
                                     "x0=2.555&yo=0,004&a0=-181",
                                     "n1=abc&zz=1&a0&run",
                                     "&&=5&run=1&a0=45,5",
                                     "n1=1.2&n1=1.25&a0=%2D30",
                                     "LANG=EN&a0=30&run",
                                     "lang=xx&n1=1.2"};
    for (const char* address : addresses) {
        scenes.scene(std::string("address ") + address, [&](Window& w) {
            prepare_scene(w.form, w, scene_from_address(address));
            w.print_address();
        });
        std::vector<std::string> args;
        std::string_view rest = address;
        while (!rest.empty()) {
            const std::string_view part = rest.substr(0, rest.find('&'));
            rest.remove_prefix(std::min(rest.size(), part.size() + 1));
            const std::size_t equals = part.find('=');
            args.push_back("--" + std::string(part.substr(0, equals)));
            if (equals != std::string_view::npos) args.emplace_back(part.substr(equals + 1));
        }
        scenes.scene(std::string("options ") + address, [&](Window& w) {
            prepare_scene(w.form, w, command_line(args).scene);
            w.print_address();
        });
    }

    // Random scenes: typed texts into the four boxes, the start from the scroll bars, now
    // and then another window size or a huge start set as held.
    Random r{20260101};
    const char* typed_boxes[] = {"Text1", "Text2", "Text3", "Text6"};
    const double lo[] = {0.9, 1.0, 0.8, -200}, hi[] = {1.6, 2.0, 2.5, 200};
    for (int k = 0; k < random_scenes; ++k) {
        scenes.scene("random", [&](Window& w) {
            if (r.below(8) == 0) {
                const int width = 300 + r.below(1700);
                w.form.client_resized(width, 150 + r.below(1000));
            }
            const int order = r.below(4);
            for (int step = 0; step < 4; ++step) {
                const int b = (step + order) % 4;
                const bool free_text = r.below(3) == 0;
                w.type(typed_boxes[b], free_text ? typed_text(r) : numstr(r.in(lo[b], hi[b])));
            }
            const int x = r.below(601);
            const int y = r.below(201) - 100;
            w.form.scrolled_to(w.bar("HScroll1"), x);
            w.form.scrolled_to(w.bar("VScroll1"), y);
            const int steps = r.below(4);
            for (int s = 0; s < steps; ++s) {
                const char* bars[] = {"HScroll1", "VScroll1", "VScroll2"};
                const char* bar = bars[r.below(3)];
                w.form.scrolled(w.bar(bar), actions[r.below(6)]);
            }
            if (r.below(20) == 0) {
                const Scene& s = w.form.simulation().scene;
                const double X0 = r.below(2) ? 1e300 : -1e-300;
                const double Yo = r.below(2) ? 1e-300 : -1e30;
                set_scene(w, s.n1, s.nmin, s.nmax, s.a0, X0, Yo);
            }
        });
    }
    // A tilted wheel on each bar, in the page's deltas and in the desktop's turns, keys with a
    // modifier held, and a thumb's drag steps before its release.
    for (const char* name : {"HScroll1", "VScroll1", "VScroll2"})
        scenes.scene(std::string("tilted wheel ") + name, [&](Window& w) {
            ScrollBar& bar = w.bar(name);
            for (const int mode : {0, 1}) {
                w.form.wheeled(bar, page_wheel_turn(2, 100, mode), kWheelLines);
                w.form.wheeled(bar, page_wheel_turn(100, 2, mode), kWheelLines);
                w.form.wheeled(bar, page_wheel_turn(-100, -2, mode), kWheelLines);
            }
            for (const WheelTurn turn : {WheelTurn{2, 100}, WheelTurn{100, 2}, WheelTurn{-100, 2}})
                w.form.wheeled(bar, turn, kWheelLines);
            for (const KeyModifiers held : {KeyModifiers{.alt = true}, KeyModifiers{.ctrl = true},
                                            KeyModifiers{.meta = true}})
                if (w.form.scroll_key(bar, ScrollKey::End, held)) out.line("key taken");
            w.form.thumb_moved(bar, 7, false);
            w.form.thumb_moved(bar, bar.span(), false);
            w.form.thumb_moved(bar, 7, true);
        });
    out.line("scenes " + std::to_string(scenes.count()));
}

}  // namespace
}  // namespace velantra::testing

int main(int argc, char** argv) {
    const int random_scenes = argc > 1 ? std::atoi(argv[1]) : 6000;
    velantra::testing::Printer out;
    // Every language's window, messages and readouts: the original first, then each catalogue.
    for (const std::string& language : velantra::languages()) {
        velantra::set_language(language);
        out.line("language " + language);
        velantra::testing::run_all(out, random_scenes);
    }
    out.flush();
    return 0;
}
