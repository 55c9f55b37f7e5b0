// The browser edition's start: the program's objects live for the life of the page.

#include <emscripten.h>

#include <memory>

#include "model/simulation.h"
#include "web/canvas_surface.h"

EM_JS(void, velantra_make_picture, (), {
    const canvas = document.createElement('canvas');
    canvas.id = 'Picture1';
    canvas.style.left = '8px';
    canvas.style.top = '8px';
    document.getElementById('Form1').appendChild(canvas);
    Velantra.picture.canvas = canvas;
});

namespace {

using namespace velantra;

class NoDisplay : public Display {
  public:
    void set_caption(ResultLabel, const std::string&) override {}
    void set_visible(ResultLabel, bool) override {}
    double shape1_width() const override { return 0.1; }
    double shape1_height() const override { return 0.1; }
    void move_shape1(double, double) override {}
    void message(const std::string&, const std::string&) override {}
};

struct Program {
    CanvasSurface picture;
    NoDisplay display;
    Simulation sim{picture, display};
};

std::unique_ptr<Program> program;

}  // namespace

extern "C" EMSCRIPTEN_KEEPALIVE void velantra_start() {
    velantra_make_picture();
    program = std::make_unique<Program>();
    program->picture.resize(698, 247, emscripten_get_device_pixel_ratio());
    Form_Load(program->sim.scene);
    program->sim.set_angle(program->sim.scene.a0);
    program->sim.draw_frame();
    program->sim.raschet();
}
