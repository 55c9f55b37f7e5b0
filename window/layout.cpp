// The layout pass: every control but Shape1 placed from the client size, then the scene
// written back into the inputs. Lengths are single precision in the window's units.

#include <algorithm>
#include <cmath>

#include "model/format.h"
#include "window/form1.h"
#include "window/scroll_value.h"

namespace velantra {

float Form1::ScaleWidth() const { return static_cast<float>(client_width_); }

float Form1::ScaleHeight() const { return static_cast<float>(client_height_ / kUnitDown); }

void Form1::layout() {
    gap_x = 5;
    gap_y = 5;
    const float cell_w = 60;
    const float cell_h = 24;
    const float sw = ScaleWidth();
    const float sh = ScaleHeight();
    const auto gx = static_cast<float>(gap_x);
    const auto gy = static_cast<float>(gap_y);
    // Below a width of 162 the picture's sizes would turn negative; they stop at zero.
    auto size = [](float v) { return std::max(v, 0.0f); };

    UnitRect l10{0, 0, 2 * cell_w + 10, cell_h};
    l10.left = sw - l10.width - gx;
    l10.top = gy;
    Label10.place(l10);
    auto row = [&](int k) {
        return l10.top + static_cast<float>(k) * cell_h + static_cast<float>(k) * gy;
    };

    const UnitRect l1{l10.left, l10.top + cell_h + gy, cell_w, cell_h};
    const UnitRect t1{l1.left + l1.width, l1.top, cell_w, cell_h};
    Label1.place(l1);
    Text1.place(t1);
    const UnitRect l2{l1.left, l1.top + cell_h + gy, cell_w, cell_h};
    Label2.place(l2);
    Text2.place({t1.left, l2.top, cell_w, cell_h});
    const UnitRect l3{l1.left, l1.top + 2 * cell_h + 2 * gy, cell_w, cell_h};
    Label3.place(l3);
    Text3.place({t1.left, l3.top, cell_w, cell_h});

    const UnitRect l4{gx, sh - cell_h - gy, cell_w, cell_h};
    Label4.place(l4);
    Text4.place({cell_w + gx, l4.top, cell_w, cell_h});
    Label5.place({2 * cell_w + 2 * gx, l4.top, cell_w, cell_h});
    Text5.place({3 * cell_w + 2 * gx, l4.top, cell_w, cell_h});
    Label6.place({4 * cell_w + 3 * gx, l4.top, cell_w, cell_h});
    const UnitRect t6{5 * cell_w + 3 * gx, l4.top, cell_w, cell_h};
    Text6.place(t6);
    const UnitRect v2{t6.left + cell_w, l4.top, 12, cell_h};
    VScroll2.place(v2);

    Label11.place({l10.left, row(4), 2 * cell_w, cell_h});
    Label7.place({l10.left, row(5), 2 * cell_w, cell_h});
    Label8.place({l10.left, row(6), 2 * cell_w, cell_h});
    Label8.set_caption("    ");
    Label9.place({l10.left, row(7), 2 * cell_w, cell_h});
    Label9.set_caption("    ");
    Label13.place({l10.left - 5, row(8), 2 * cell_w + 20, cell_h});
    Label13.set_caption("    ");
    Label14.place({l10.left - 5, row(9), 2 * cell_w + 20, cell_h});
    Label14.set_caption("    ");

    UnitRect h1{0, 0, size(l10.left - 2 * gx - gx - 12), cell_h / 2};
    h1.left = gx;
    h1.top = l4.top - gy - h1.height;
    HScroll1.place(h1);
    UnitRect v1{0, 0, 12, size(h1.width / 3)};
    v1.left = l10.left - v1.width - gx;
    v1.top = gy;
    VScroll1.place(v1);
    // The back buffer and the mapping follow Picture1's size as it is placed.
    Picture1.place({gx, gy, h1.width, size(h1.width / 3)});
    picture_.resize(Picture1.pixels().width, Picture1.pixels().height);
    CmdOK.place({h1.left + h1.width - cell_w, l4.top, cell_w, cell_h});
    const UnitRect l12{v2.left + v2.width + 5 * gx, l4.top, 1.5f * cell_w, cell_h};
    Label12.place(l12);
    Label15.place({l12.left + l12.width + 2 * gx, l4.top, 1.5f * cell_w, cell_h});

    Label9.set_visible(false);
    Label13.set_visible(false);
    Label14.set_visible(false);

    // Each write below may raise its box's handler and a nested pass before it returns.
    const Scene& s = sim_.scene;
    Text1.set_text(numstr(s.n1));
    Text2.set_text(numstr(s.nmin));
    Text3.set_text(numstr(s.nmax));
    Text4.set_text(numstr(s.X0));
    HScroll1.set_value(scroll_value(s.X0 * 100));
    Text5.set_text(numstr(s.Yo));
    VScroll1.set_value(scroll_value(s.Yo * 100));
    Text6.set_text(numstr(s.a0));
}

}  // namespace velantra
