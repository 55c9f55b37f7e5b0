// The layout pass: every control but Shape1 placed from the client size, then the scene
// written back into the inputs. Lengths are single precision in the window's units.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "model/format.h"
#include "window/form1.h"
#include "window/picture_box.h"

namespace velantra {

namespace {

// One unit down is 15.9375 twips, i.e. 1.0625 px at 96 dpi.
constexpr double kUnitDown = 1.0625;

// Scroll values round half to even, as a 16-bit integer.
int scroll_value(double v) { return static_cast<int>(std::nearbyint(v)); }

}  // namespace

float Form1::ScaleWidth() const { return static_cast<float>(client_->width()); }

float Form1::ScaleHeight() const { return static_cast<float>(client_->height() / kUnitDown); }

void Form1::place(QWidget* control, const UnitRect& r) {
    units_[control->objectName()] = r;
    const int left = qRound(r.left);
    const int top = static_cast<int>(std::lround(r.top * kUnitDown));
    const int width = qRound(r.width);
    const int height = static_cast<int>(std::lround(r.height * kUnitDown));
    control->setGeometry(left, top, width, height);
}

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
    place(Label10, l10);
    auto row = [&](int k) {
        return l10.top + static_cast<float>(k) * cell_h + static_cast<float>(k) * gy;
    };

    const UnitRect l1{l10.left, l10.top + cell_h + gy, cell_w, cell_h};
    const UnitRect t1{l1.left + l1.width, l1.top, cell_w, cell_h};
    place(Label1, l1);
    place(Text1, t1);
    const UnitRect l2{l1.left, l1.top + cell_h + gy, cell_w, cell_h};
    place(Label2, l2);
    place(Text2, {t1.left, l2.top, cell_w, cell_h});
    const UnitRect l3{l1.left, l1.top + 2 * cell_h + 2 * gy, cell_w, cell_h};
    place(Label3, l3);
    place(Text3, {t1.left, l3.top, cell_w, cell_h});

    const UnitRect l4{gx, sh - cell_h - gy, cell_w, cell_h};
    place(Label4, l4);
    place(Text4, {cell_w + gx, l4.top, cell_w, cell_h});
    place(Label5, {2 * cell_w + 2 * gx, l4.top, cell_w, cell_h});
    place(Text5, {3 * cell_w + 2 * gx, l4.top, cell_w, cell_h});
    place(Label6, {4 * cell_w + 3 * gx, l4.top, cell_w, cell_h});
    const UnitRect t6{5 * cell_w + 3 * gx, l4.top, cell_w, cell_h};
    place(Text6, t6);
    const UnitRect v2{t6.left + cell_w, l4.top, 12, cell_h};
    place(VScroll2, v2);

    place(Label11, {l10.left, row(4), 2 * cell_w, cell_h});
    place(Label7, {l10.left, row(5), 2 * cell_w, cell_h});
    place(Label8, {l10.left, row(6), 2 * cell_w, cell_h});
    set_label(Label8, QStringLiteral("    "));
    place(Label9, {l10.left, row(7), 2 * cell_w, cell_h});
    set_label(Label9, QStringLiteral("    "));
    place(Label13, {l10.left - 5, row(8), 2 * cell_w + 20, cell_h});
    set_label(Label13, QStringLiteral("    "));
    place(Label14, {l10.left - 5, row(9), 2 * cell_w + 20, cell_h});
    set_label(Label14, QStringLiteral("    "));

    UnitRect h1{0, 0, size(l10.left - 2 * gx - gx - 12), cell_h / 2};
    h1.left = gx;
    h1.top = l4.top - gy - h1.height;
    place(HScroll1, h1);
    UnitRect v1{0, 0, 12, size(h1.width / 3)};
    v1.left = l10.left - v1.width - gx;
    v1.top = gy;
    place(VScroll1, v1);
    const UnitRect p1{gx, gy, h1.width, size(h1.width / 3)};
    place(Picture1, p1);
    // The back buffer follows the picture's size and the resolution of its screen.
    const QSize pixels = Picture1->size();
    const double ratio = Picture1->devicePixelRatioF();
    if (surface_.size() != pixels || surface_.ratio() != ratio)
        surface_.resize(pixels.width(), pixels.height(), ratio);
    place(CmdOK, {h1.left + h1.width - cell_w, l4.top, cell_w, cell_h});
    const UnitRect l12{v2.left + v2.width + 5 * gx, l4.top, 1.5f * cell_w, cell_h};
    place(Label12, l12);
    place(Label15, {l12.left + l12.width + 2 * gx, l4.top, 1.5f * cell_w, cell_h});

    Label9->setVisible(false);
    Label13->setVisible(false);
    Label14->setVisible(false);

    // Each write below may raise its box's handler and a nested pass before it returns.
    const Scene& s = sim_.scene;
    set_text(Text1, numstr(s.n1));
    set_text(Text2, numstr(s.nmin));
    set_text(Text3, numstr(s.nmax));
    set_text(Text4, numstr(s.X0));
    HScroll1->setValue(scroll_value(s.X0 * 100));
    set_text(Text5, numstr(s.Yo));
    VScroll1->setValue(scroll_value(s.Yo * 100));
    set_text(Text6, numstr(s.a0));
}

}  // namespace velantra
