// Prints where the model puts the red ray of a run, in pixels of a 698 × 247 picture
// (Picture1 at the window's creation size): one "x y" line per chord midpoint.
// Argument: the start angle typed into the angle box (degrees).

#include <cstdio>
#include <cstdlib>

#include "model/simulation.h"
#include "surface/recording_surface.h"

namespace {

class QuietDisplay : public velantra::Display {
  public:
    void set_caption(velantra::ResultLabel, const std::string&) override {}
    void set_visible(velantra::ResultLabel, bool) override {}
    double shape1_width() const override { return 12.0 * 6 / 698; }
    double shape1_height() const override { return 12.0 * 2 / 247; }
    void move_shape1(double, double) override {}
    void message(const std::string& text, const std::string&) override {
        std::fprintf(stderr, "message: %s\n", text.c_str());
        messages = true;
    }
    bool messages = false;
};

}  // namespace

int main(int argc, char** argv) {
    const double angle = argc > 1 ? std::atof(argv[1]) : 45.0;
    velantra::RecordingSurface surface;
    QuietDisplay display;
    velantra::Simulation sim(surface, display);
    velantra::Form_Load(sim.scene);
    sim.scene.a0 = velantra::Number::real(angle);
    sim.scene.a0rad = velantra::angle_rad(angle);
    sim.parametr();
    sim.minmax();
    sim.axes();
    surface.calls.clear();
    sim.raschet();
    for (const velantra::DrawCall& c : surface.of(velantra::DrawCall::Kind::Line)) {
        if (c.colour != velantra::RGB(255, 0, 0)) continue;
        const double x = (c.x1 + c.x2) / 2.0, y = (c.y1 + c.y2) / 2.0;
        if (x < 0 || x > 6 || y < -1 || y > 1) continue;
        std::printf("%.2f %.2f\n", x / 6 * 698, (y + 1) / 2 * 247);
    }
    // A run that would show a message box cannot be driven unattended.
    return display.messages ? 2 : 0;
}
