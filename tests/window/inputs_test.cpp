// The start-up cascade, nested change handling, validation of the two index inputs and
// the scroll bars, on the window's logic with the message box and the tone answered by fakes.

#include <gtest/gtest.h>

#include <limits>
#include <tuple>
#include <utility>

#include "model/scene.h"
#include "tests/support/checks.h"
#include "tests/support/form_rig.h"
#include "tests/support/rig.h"

using namespace velantra;
using namespace velantra::testing;

namespace {

const std::string kIndexText =
    "Показатель преломления вверху должен быть меньше, чем внизу! Не вводите заново, а исправьте!";

TEST(Inputs, StartUpState) {
    FormRig rig;
    EXPECT_EQ(rig.text("Text1"), " 1.000292");
    EXPECT_EQ(rig.text("Text2"), " 1.3333");
    EXPECT_EQ(rig.text("Text3"), " 1.4");
    EXPECT_EQ(rig.text("Text4"), " 2.5");
    EXPECT_EQ(rig.text("Text5"), " .6");
    EXPECT_EQ(rig.text("Text6"), " 45");
    EXPECT_EQ(rig.form.HScroll1.value(), 250);
    EXPECT_EQ(rig.form.VScroll1.value(), 60);
    EXPECT_EQ(rig.form.VScroll2.value(), 45);
    EXPECT_EQ(rig.caption("Label7"), "n_otn(-1)=19.9895 ");
    EXPECT_EQ(rig.caption("Label9"), "a_p=48.611(131.389)");
    EXPECT_TRUE(rig.form.Label9.visible());
    EXPECT_EQ(rig.caption("Label8"), "    ");
    EXPECT_FALSE(rig.form.Label13.visible());
    EXPECT_EQ(rig.caption("Label12"), "Label12");
    EXPECT_EQ(rig.caption("Label15"), "Label15");
    EXPECT_TRUE(rig.box.shown.empty());
    EXPECT_TRUE(rig.tone.played.empty());
    const Scene& s = rig.form.simulation().scene;
    EXPECT_FALSE(s.a0.is_integer());  // read back from the text
    EXPECT_EQ(s.a0rad, 0.7853982f);
    EXPECT_EQ(s.X0, 2.5);
    EXPECT_EQ(s.Yo, 0.6);
    // One pass from the first showing, one per box whose defined text differs; the scroll
    // bars' handlers find their texts equal and add none.
    EXPECT_EQ(rig.form.resize_passes(), 7);
}

TEST(Inputs, CanonicalKeystrokeIsOnePassNonCanonicalNestsAndMovesTheCaret) {
    FormRig rig;
    int before = rig.form.resize_passes();
    rig.form.typed(rig.form.Text6, " 457", 4);
    EXPECT_EQ(rig.text("Text6"), " 457");
    EXPECT_EQ(rig.form.resize_passes() - before, 1);
    EXPECT_EQ(rig.form.Text6.caret(), 4);
    EXPECT_EQ(rig.form.simulation().scene.a0.value(), 457.0);
    EXPECT_EQ(rig.form.simulation().scene.a0rad, angle_rad(457));

    // A trailing zero: the handler rewrites the text, the rewrite runs the handler again.
    before = rig.form.resize_passes();
    rig.form.typed(rig.form.Text1, " 1.0002920", 10);
    EXPECT_EQ(rig.text("Text1"), " 1.000292");
    EXPECT_EQ(rig.form.resize_passes() - before, 2);
    EXPECT_EQ(rig.form.Text1.caret(), 0);
    // Typing over the whole text loses the leading blank; the caret then goes to the start,
    // so the next keys land before the number: '1', '.', '5' end as 5.1, above nmin.
    rig.form.typed(rig.form.Text1, "1", 1);
    EXPECT_EQ(rig.text("Text1"), " 1");
    EXPECT_EQ(rig.form.Text1.caret(), 0);
    rig.form.typed(rig.form.Text1, ". 1", 1);
    EXPECT_EQ(rig.text("Text1"), " .1");
    EXPECT_TRUE(rig.box.shown.empty());
    rig.form.typed(rig.form.Text1, "5 .1", 1);
    ASSERT_EQ(rig.box.shown.size(), 1u);
    EXPECT_EQ(rig.text("Text1"), " 1.001");
}

struct Violation {
    const char* name;
    const char* box;
    const char* typed;
    const char* shown;
    double n1, nmin;
};

class IndexViolation : public ::testing::TestWithParam<Violation> {};

TEST_P(IndexViolation, BeepsAsksAndReplaces) {
    const Violation& v = GetParam();
    FormRig rig;
    rig.type_over(v.box, v.typed);
    ASSERT_EQ(rig.box.shown.size(), 1u);
    EXPECT_EQ(rig.box.shown[0].text, kIndexText);
    EXPECT_EQ(rig.box.shown[0].title, "Ошибка");
    EXPECT_EQ(rig.box.shown[0].buttons, Buttons::Ok);
    ASSERT_EQ(rig.tone.played.size(), 1u);
    EXPECT_EQ(rig.tone.played[0], std::make_pair(880, 300));
    EXPECT_EQ(rig.text(v.box), v.shown);
    EXPECT_EQ(rig.box_named(v.box).caret(), 0);
    EXPECT_EQ(rig.form.simulation().scene.n1, v.n1);
    EXPECT_EQ(rig.form.simulation().scene.nmin, v.nmin);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, IndexViolation,
    ::testing::Values(Violation{"n1_equal_to_nmin", "Text1", " 1.3333", " 1.001", 1.001, 1.3333},
                      Violation{"n1_above_nmin", "Text1", "2", " 1.001", 1.001, 1.3333},
                      Violation{"nmin_cleared", "Text2", "", " 1.333", 1.000292, 1.333},
                      Violation{"nmin_below_n1", "Text2", "1", " 1.333", 1.000292, 1.333}),
    RowName());

TEST(Inputs, ReplacementThatStillBreaksTheRuleAsksTwice) {
    FormRig rig;
    // n1 just below nmin; nmin's replacement 1.333 then lies below n1.
    rig.type_over("Text1", "1.3332");
    EXPECT_TRUE(rig.box.shown.empty());
    rig.type_over("Text2", "");
    EXPECT_EQ(rig.box.shown.size(), 2u);
    EXPECT_EQ(rig.tone.played.size(), 2u);
    EXPECT_EQ(rig.text("Text2"), " 1.333");
    EXPECT_EQ(rig.form.simulation().scene.nmin, 1.333);
    EXPECT_EQ(rig.form.simulation().scene.n1, 1.3332);

    // The same for n1: its replacement 1.001 is not below an nmin of 1.
    FormRig low;
    low.type_over("Text1", ".5");
    low.type_over("Text2", "1");
    EXPECT_TRUE(low.box.shown.empty());
    low.type_over("Text1", "2");
    EXPECT_EQ(low.box.shown.size(), 2u);
    EXPECT_EQ(low.text("Text1"), " 1.001");
}

TEST(Inputs, ClearingText1IsAcceptedOutOfRangeKeepsTheValue) {
    FormRig rig;
    rig.type_over("Text1", "");
    EXPECT_EQ(rig.text("Text1"), " 0");
    EXPECT_EQ(rig.form.simulation().scene.n1, 0.0);
    EXPECT_TRUE(rig.box.shown.empty());

    FormRig big;
    big.type_over("Text1", "1e999");
    EXPECT_EQ(big.text("Text1"), " 1.000292");
    EXPECT_EQ(big.form.simulation().scene.n1, 1.000292);
    big.type_over("Text3", "1e39");
    EXPECT_EQ(big.text("Text3"), " 1.4");
    EXPECT_EQ(big.form.simulation().scene.nmax, 1.4f);
    big.type_over("Text6", "-1e999");
    EXPECT_EQ(big.text("Text6"), " 45");
    EXPECT_TRUE(big.box.shown.empty());
}

TEST(Inputs, NmaxIsSinglePrecision) {
    FormRig rig;
    rig.type_over("Text3", "1.40000001");
    EXPECT_EQ(rig.text("Text3"), " 1.4");
    rig.type_over("Text3", "1,5");
    EXPECT_EQ(rig.text("Text3"), " 1");
    EXPECT_EQ(rig.form.simulation().scene.nmax, 1.0f);
    rig.type_over("Text3", "  2 5");
    EXPECT_EQ(rig.text("Text3"), " 25");
}

TEST(Inputs, AngleTypedBeyond180LeavesTheScrollBar) {
    FormRig rig;
    rig.type_over("Text6", " 200");
    EXPECT_EQ(rig.form.simulation().scene.a0.value(), 200.0);
    EXPECT_EQ(rig.form.simulation().scene.a0rad, angle_rad(200));
    EXPECT_EQ(rig.form.VScroll2.value(), 45);
    rig.form.scrolled(rig.form.VScroll2, ScrollAction::LineUp);
    EXPECT_EQ(rig.text("Text6"), " 46");
}

TEST(Inputs, AngleScrollBarGrowsUpwardAndWraps) {
    FormRig rig;
    ScrollBar& bar = rig.form.VScroll2;
    bar.set_value(180);
    EXPECT_EQ(rig.text("Text6"), " 180");
    int before = rig.form.resize_passes();
    rig.form.scrolled(bar, ScrollAction::LineUp);  // upper arrow: 181 → −179
    EXPECT_EQ(bar.value(), -179);
    EXPECT_EQ(rig.text("Text6"), "-179");
    EXPECT_EQ(rig.form.simulation().scene.a0.value(), -179.0);
    EXPECT_EQ(rig.form.resize_passes() - before, 1);
    bar.set_value(-180);
    EXPECT_EQ(rig.text("Text6"), "-180");
    before = rig.form.resize_passes();
    rig.form.scrolled(bar, ScrollAction::LineDown);  // lower arrow: −181 → 179
    EXPECT_EQ(bar.value(), 179);
    EXPECT_EQ(rig.text("Text6"), " 179");
    EXPECT_EQ(rig.form.resize_passes() - before, 1);
    // A page toward the top end raises the angle by ten, like the upper arrow.
    bar.set_value(45);
    rig.form.scrolled(bar, ScrollAction::PageUp);
    EXPECT_EQ(bar.value(), 55);
    rig.form.scrolled(bar, ScrollAction::PageDown);
    rig.form.scrolled(bar, ScrollAction::PageDown);
    EXPECT_EQ(bar.value(), 35);
    EXPECT_EQ(rig.text("Text6"), " 35");
    // The top end is 181, which wraps; the bottom end −181 likewise.
    rig.form.scrolled(bar, ScrollAction::ToTop);
    EXPECT_EQ(bar.value(), -179);
    rig.form.scrolled(bar, ScrollAction::ToBottom);
    EXPECT_EQ(bar.value(), 179);
    // A thumb dragged beyond the range moves nothing until it is released, at the end.
    rig.form.thumb_moved(rig.form.VScroll1, 1000, false);
    EXPECT_EQ(rig.form.VScroll1.value(), 60);
    rig.form.thumb_moved(rig.form.VScroll1, 1000, true);
    EXPECT_EQ(rig.form.VScroll1.value(), 100);
    rig.form.scrolled(rig.form.VScroll1, ScrollAction::LineUp);  // its upper arrow lowers Yo
    EXPECT_EQ(rig.form.simulation().scene.Yo, 0.99);
}

TEST(Inputs, WheelStepsLinesOneByOneAndKeysGoTheWayTheyPoint) {
    FormRig rig;
    ScrollBar& bar = rig.form.VScroll2;
    // Positions count from the top end, which holds 181 on VScroll2.
    EXPECT_EQ(bar.position(), 136);
    EXPECT_EQ(bar.value_at(0), 181);
    EXPECT_EQ(rig.form.VScroll1.value_at(160), 60);
    bar.set_value(179);
    const int before = rig.form.resize_passes();
    rig.form.wheeled(bar, {0, kWheelNotch}, kWheelLines);  // 180, 181 → −179, −178
    EXPECT_EQ(bar.value(), -178);
    EXPECT_EQ(rig.form.resize_passes() - before, 3);
    // Half a notch waits for its other half; a turn the other way drops it, no turn keeps it.
    rig.form.wheeled(bar, {0, 60}, 1);
    rig.form.wheeled(bar, {0, -60}, 1);
    EXPECT_EQ(bar.value(), -178);
    rig.form.wheeled(bar, {0, -60}, 1);
    rig.form.wheeled(bar, {0, 0}, 1);
    rig.form.wheeled(bar, {0, -60}, 1);
    EXPECT_EQ(bar.value(), -179);
    // A stroke down the wheel that drifts a little across goes by the stroke; a tilt or a
    // sideways swipe (negative: to the right) moves the horizontal bar, never a vertical one.
    ScrollBar& h = rig.form.HScroll1;
    rig.form.wheeled(h, page_wheel_turn(2, 100, 0), kWheelLines);
    EXPECT_EQ(rig.text("Text4"), " 2.53");
    rig.form.wheeled(h, page_wheel_turn(100, 2, 0), kWheelLines);
    EXPECT_EQ(h.value(), 256);
    rig.form.wheeled(h, {kWheelNotch, -kWheelNotch}, 1);
    EXPECT_EQ(h.value(), 257);
    rig.form.wheeled(rig.form.VScroll1, {-kWheelNotch, 2}, 1);
    EXPECT_EQ(rig.form.VScroll1.value(), 60);
    // However far one event turns, it sweeps the range once at most.
    rig.form.wheeled(h, {0, std::numeric_limits<int>::max()}, kWheelLines);
    EXPECT_EQ(h.value(), 0);
    EXPECT_TRUE(rig.form.scroll_key(rig.form.VScroll1, ScrollKey::Left, {}));
    EXPECT_EQ(rig.form.VScroll1.value(), 59);
    // A key with Alt, Ctrl or Meta held is left to others.
    for (const KeyModifiers held :
         {KeyModifiers{.alt = true}, KeyModifiers{.ctrl = true}, KeyModifiers{.meta = true}})
        EXPECT_FALSE(rig.form.scroll_key(h, ScrollKey::End, held));
    EXPECT_EQ(h.value(), 0);
    rig.form.scroll_key(h, ScrollKey::End, {});
    EXPECT_EQ(rig.text("Text4"), " 6");
}

// A browser's notch is 100 pixels, 3 lines or a page, down positive; rounded as the page did.
TEST(Inputs, BrowserWheelDeltasAsTurns) {
    using Row = std::tuple<double, double, int, int, int>;  // the deltas, their mode, the turn
    for (const auto& [dx, dy, mode, x, y] :
         {Row{2, 100, 0, -2, -120}, Row{-50, 0, 0, 60, 0}, Row{0, 1.25, 0, 0, -1},
          Row{0, -1.25, 0, 0, 2}, Row{1, 3, 1, -40, -120}, Row{0, -1, 2, 0, 120},
          Row{0, 1e300, 2, 0, std::numeric_limits<int>::min()}}) {
        const WheelTurn t = page_wheel_turn(dx, dy, mode);
        EXPECT_EQ(std::pair(t.x, t.y), std::pair(x, y)) << dx << " " << dy << " mode " << mode;
    }
}

TEST(Inputs, PositionScrollBarsGoThroughTheirTexts) {
    FormRig rig;
    ScrollBar& h = rig.form.HScroll1;
    const int before = rig.form.resize_passes();
    rig.form.scrolled(h, ScrollAction::LineDown);
    EXPECT_EQ(rig.text("Text4"), " 2.51");
    EXPECT_EQ(rig.form.simulation().scene.X0, 2.51);
    EXPECT_EQ(rig.form.resize_passes() - before, 1);
    h.set_value(56);
    rig.form.scrolled(h, ScrollAction::LineDown);
    EXPECT_EQ(rig.text("Text4"), " .57");
    EXPECT_EQ(rig.form.simulation().scene.X0, 0.57);  // the text's value, not 57 × 0.01
    EXPECT_NE(57 * 0.01, 0.57);
    rig.form.scrolled(h, ScrollAction::PageDown);
    EXPECT_EQ(rig.form.simulation().scene.X0, 1.07);
    rig.form.scrolled_to(rig.form.VScroll1, -25);
    EXPECT_EQ(rig.text("Text5"), "-.25");
    EXPECT_EQ(rig.form.simulation().scene.Yo, -0.25);
    // Typing is refused in the read-only position boxes, and the view shows the text again.
    rig.view.changes.clear();
    rig.form.typed(rig.form.Text4, " 1.079", 6);
    EXPECT_EQ(rig.text("Text4"), " 1.07");
    ASSERT_EQ(rig.view.changes.size(), 1u);
    EXPECT_EQ(rig.view.changes[0], std::make_pair(std::string("Text4"), Aspect::Text));
}

TEST(Inputs, RunDrawsOverTheFrameWithoutClearing) {
    FormRig rig;
    rig.surface.calls.clear();
    const int passes = rig.form.resize_passes();
    rig.form.CmdOK_Click();
    EXPECT_GT(chords(rig.surface.calls), 20);
    EXPECT_TRUE(rig.surface.of(DrawCall::Kind::Cls).empty());
    EXPECT_EQ(rig.form.resize_passes(), passes);
    EXPECT_EQ(rig.text("Text6"), " 45");
    // Any change clears the run away.
    rig.surface.calls.clear();
    rig.form.scrolled(rig.form.VScroll2, ScrollAction::LineUp);
    EXPECT_EQ(rig.surface.of(DrawCall::Kind::Cls).size(), 1u);
}

}  // namespace
