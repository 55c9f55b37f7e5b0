// Prints everything a scene shows: the box texts, captions, visibilities, messages and every
// drawn call of the frame and the run, for the start-up scene, the edge cases and random
// scenes with typed texts. The native and the WebAssembly builds must print the same lines.

#include <cinttypes>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include "model/constants.h"
#include "model/format.h"
#include "model/simulation.h"
#include "tests/support/recording_display.h"
#include "tests/support/recording_surface.h"

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

class Printer {
  public:
    explicit Printer(std::FILE* out) : out_(out) {}
    ~Printer() { flush(); }
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;

    void line(const std::string& text) {
        buffer_ += text;
        buffer_ += '\n';
        ++lines_;
        if (buffer_.size() > (1u << 20)) flush();
    }
    void flush() {
        std::fwrite(buffer_.data(), 1, buffer_.size(), out_);
        buffer_.clear();
    }
    long lines() const { return lines_; }

  private:
    std::FILE* out_;
    std::string buffer_;
    long lines_ = 0;
};

std::string g9(float v) {
    char b[32];
    std::snprintf(b, sizeof b, "%.9g", static_cast<double>(v));
    return b;
}
std::string g17(double v) {
    char b[40];
    std::snprintf(b, sizeof b, "%.17g", v);
    return b;
}

const char* kind_name(DrawCall::Kind k) {
    static const char* names[] = {"Scale",  "Cls",      "Line",     "Box",      "PSet",
                                  "Circle", "SetWidth", "CurrentX", "CurrentY", "Print"};
    return names[static_cast<int>(k)];
}

const char* label_name(ResultLabel l) {
    static const char* names[] = {"Label7", "Label8", "Label9", "Label13", "Label14"};
    return names[static_cast<int>(l)];
}

// The four typed boxes and the read-only two, as the window's handlers treat their texts.
enum class Box { Text1, Text2, Text3, Text4, Text5, Text6 };

class Scenes {
  public:
    explicit Scenes(Printer& out) : out_(out) {}

    // One scene: the start-up values, then the settings, the typed texts, a frame and a run.
    template <class Setup>
    void scene(const std::string& name, Setup setup) {
        RecordingSurface surface;
        RecordingDisplay display;
        Simulation sim{surface, display};
        Form_Load(sim.scene);
        sim.set_angle(sim.scene.a0);
        sim.decimal_separator = ++count_ % 2 == 0 ? "," : ".";
        out_.line("scene " + std::to_string(count_) + " " + name);
        Context c{sim, display};
        setup(c);
        print_boxes(sim.scene);
        sim.draw_frame();
        print(surface, display, "frame");
        surface.calls.clear();
        display.messages.clear();
        sim.raschet();
        print(surface, display, "run");
    }
    long count() const { return count_; }

    struct Context {
        Simulation& sim;
        RecordingDisplay& display;
        Scene& s() { return sim.scene; }
        // The handler of a typed box: numval, the index check, the canonical text written
        // back, which the box hands to the handler again until it stays.
        void type(Box box, const std::string& text) {
            std::string shown = text;
            for (int pass = 0; pass < 4; ++pass) {
                const std::string canonical = handle(box, shown);
                if (canonical == shown) break;
                shown = canonical;
            }
        }
        std::string handle(Box box, const std::string& text) {
            Scene& sc = sim.scene;
            const std::optional<double> typed = numval(text);
            switch (box) {
                case Box::Text1:
                    if (typed) {
                        sc.n1 = *typed;
                        if (!(sc.n1 < sc.nmin)) index_error(sc.n1, 1.001);
                    }
                    return numstr(sc.n1);
                case Box::Text2:
                    if (typed) {
                        sc.nmin = *typed;
                        if (!(sc.n1 < sc.nmin)) index_error(sc.nmin, 1.333);
                    }
                    return numstr(sc.nmin);
                case Box::Text3: {
                    const double v = typed.value_or(static_cast<double>(sc.nmax));
                    if (std::fabs(v) <= static_cast<double>(std::numeric_limits<float>::max()))
                        sc.nmax = static_cast<float>(v);
                    return numstr(sc.nmax);
                }
                case Box::Text4:
                    sc.X0 = typed.value_or(sc.X0);
                    return numstr(sc.X0);
                case Box::Text5:
                    sc.Yo = typed.value_or(sc.Yo);
                    return numstr(sc.Yo);
                case Box::Text6:
                    sim.set_angle(Number::real(typed.value_or(sc.a0.value())));
                    return numstr(sc.a0);
            }
            return {};
        }
        void index_error(double& value, double replacement) {
            display.messages.emplace_back("index", "Ошибка");
            value = replacement;
        }
        // The scroll bars: X0 and Yo in hundredths, the angle in whole degrees.
        void hscroll(int v) {
            sim.scene.X0 = v * 0.01;
            type(Box::Text4, numstr(sim.scene.X0));
        }
        void vscroll1(int v) {
            sim.scene.Yo = v * 0.01;
            type(Box::Text5, numstr(sim.scene.Yo));
        }
        void vscroll2(int v) { sim.set_angle(Number::integer(static_cast<std::int16_t>(v))); }
    };

  private:
    void print_boxes(const Scene& s) {
        out_.line("box " + numstr(s.n1) + "|" + numstr(s.nmin) + "|" + numstr(s.nmax) + "|" +
                  numstr(s.X0) + "|" + numstr(s.Yo) + "|" + numstr(s.a0) + "|" + g9(s.a0rad));
    }

    void print(const RecordingSurface& surface, const RecordingDisplay& display, const char* part) {
        for (const DrawCall& c : surface.calls) {
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
            out_.line(l);
        }
        for (const auto& [label, text] : display.captions)
            out_.line(std::string("caption ") + label_name(label) + " '" + text + "'");
        for (const auto& [label, v] : display.visible)
            out_.line(std::string("visible ") + label_name(label) + (v ? " 1" : " 0"));
        for (const auto& [x, y] : display.shape1_moves)
            out_.line("shape1 " + g17(x) + " " + g17(y));
        for (const auto& [text, title] : display.messages)
            out_.line("message '" + title + "' '" + text + "'");
        out_.line(std::string("end ") + part + " " + std::to_string(surface.calls.size()));
    }

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

void run_all(Printer& out, int random_scenes) {
    Scenes scenes(out);
    scenes.scene("start-up", [](Scenes::Context&) {});

    // The edge cases, over a grid of their values.
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
                    scenes.scene("grid", [&](Scenes::Context& c) {
                        c.s().n1 = n1;
                        c.s().nmin = nmin;
                        c.s().nmax = nmax;
                        c.s().X0 = X0;
                        c.s().Yo = Yo;
                        c.sim.set_angle(Number::real(a0));
                    });
                }
    // The scroll bars over their ranges.
    for (int a = -181; a <= 181; ++a)
        scenes.scene("angle " + std::to_string(a), [&](Scenes::Context& c) { c.vscroll2(a); });
    for (int y = -100; y <= 100; y += 5)
        for (int x = 0; x <= 600; x += 50)
            scenes.scene("start " + std::to_string(x) + " " + std::to_string(y),
                         [&](Scenes::Context& c) {
                             c.hscroll(x);
                             c.vscroll1(y);
                         });

    // Random scenes: typed texts into the four boxes, the start from the scroll bars or
    // typed, huge and tiny values now and then.
    Random r{20260101};
    for (int k = 0; k < random_scenes; ++k) {
        scenes.scene("random", [&](Scenes::Context& c) {
            const int order = r.below(6);
            for (int step = 0; step < 4; ++step) {
                switch ((step + order) % 4) {
                    case 0:
                        c.type(Box::Text1,
                               r.below(3) == 0 ? typed_text(r) : numstr(r.in(0.9, 1.6)));
                        break;
                    case 1:
                        c.type(Box::Text2,
                               r.below(3) == 0 ? typed_text(r) : numstr(r.in(1.0, 2.0)));
                        break;
                    case 2:
                        c.type(Box::Text3,
                               r.below(3) == 0 ? typed_text(r) : numstr(r.in(0.8, 2.5)));
                        break;
                    default:
                        c.type(Box::Text6,
                               r.below(3) == 0 ? typed_text(r) : numstr(r.in(-200, 200)));
                        break;
                }
            }
            if (r.below(2) == 0) {
                c.hscroll(r.below(601));
                c.vscroll1(r.below(201) - 100);
            } else {
                c.s().X0 = r.in(-1, 7);
                c.s().Yo = r.in(-1.2, 1.2);
            }
            if (r.below(20) == 0) c.s().X0 = r.below(2) ? 1e300 : -1e-300;
            if (r.below(20) == 0) c.s().Yo = r.below(2) ? 1e-300 : -1e30;
        });
    }
    out.line("scenes " + std::to_string(scenes.count()));
}

}  // namespace
}  // namespace velantra::testing

int main(int argc, char** argv) {
    const int random_scenes = argc > 1 ? std::atoi(argv[1]) : 6000;
    velantra::testing::Printer out(stdout);
    velantra::testing::run_all(out, random_scenes);
    out.flush();
    std::fprintf(stderr, "%ld lines\n", out.lines());
    return 0;
}
