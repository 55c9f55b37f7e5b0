#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/checks.h"
#include "tests/support/rig.h"

namespace velantra::testing {
namespace {

using Kind = DrawCall::Kind;

int circles(const Rig& rig) {
    int n = 0;
    for (const DrawCall& c : rig.surface.calls) n += c.kind == Kind::Circle;
    return n;
}

struct Turned {
    const char* name;
    double a0;
    const char* vertex;
    const char* crossing;  // "" when no crossing is found
};
class TurnedStart : public ::testing::TestWithParam<Turned> {};

TEST_P(TurnedStart, VertexAndCrossings) {
    const Turned& r = GetParam();
    Rig rig;
    rig.angle(r.a0);
    rig.run();
    EXPECT_EQ(rig.caption(ResultLabel::Label13), r.vertex);
    EXPECT_TRUE(rig.display.shown(ResultLabel::Label13));
    if (*r.crossing) {
        EXPECT_EQ(rig.caption(ResultLabel::Label14), r.crossing);
        EXPECT_EQ(circles(rig), 3);
    } else {
        EXPECT_FALSE(rig.display.captions.count(ResultLabel::Label14));
        EXPECT_EQ(circles(rig), 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Landmarks, TurnedStart,
    ::testing::Values(Turned{"StartUp45", 45, "X90,Y90=-10.33, -5.43", "X01,X02=1.88, -22.55"},
                      Turned{"UpAndRight150", 150, "X90,Y90=16.06, -9.69", "X01,X02=29.26, 2.85"},
                      Turned{"TurnsBeforeTheBoundary100", 100, "X90,Y90=6.06, 0.29", ""}),
    RowName());

TEST(Landmarks, HorizontalStartIsTheVertex) {
    for (double a0 : {90.0, -90.0}) {
        Rig rig;
        rig.angle(a0);
        rig.run();
        EXPECT_EQ(rig.caption(ResultLabel::Label13), "X90,Y90=2.50, 0.60") << a0;
        EXPECT_FALSE(rig.display.captions.count(ResultLabel::Label14));
    }
}

TEST(Landmarks, CirclesAtWidthTwoAndWidthRestored) {
    Rig rig;
    rig.angle(45);
    rig.run();
    for (const DrawCall& c : rig.surface.calls)
        if (c.kind == Kind::Circle) {
            EXPECT_EQ(c.width, 2);
            EXPECT_FLOAT_EQ(c.radius, 0.02f);
            EXPECT_EQ(c.colour, kRay);
        }
    EXPECT_EQ(rig.lines(kRay).front().width, 4);
}

// Mend: a landmark without a finite value or a crossing whose A is not positive shows "—".
TEST(Landmarks, NoValueShowsADash) {
    Rig rig;
    rig.sim.parametr();
    float nearly_up = 3.1415927f;  // beyond π: tan of half of it is negative
    rig.sim.vertex(2.5, 0.6, nearly_up);
    EXPECT_EQ(rig.caption(ResultLabel::Label13).rfind("X90,Y90=—, ", 0), 0u);
    EXPECT_EQ(circles(rig), 0);

    Rig neg;
    neg.sim.scene.nmax = -1.0f;  // P = 1.3333 / -2.3333 < 0
    neg.sim.parametr();
    float angle = 0.3f;
    neg.sim.scene.n_otn_inv = -0.5;
    neg.sim.crossings(1.0, 0.2, angle);  // R = -0.5 / -0.3 > 0, A2 > 0
    neg.sim.scene.n_otn_inv = 0.5;
    neg.surface.calls.clear();
    float down = 0.0f;
    neg.sim.crossings(1.0, 0.0, down);  // R = 1, S = 1: A2 = 0
    EXPECT_EQ(neg.caption(ResultLabel::Label14), "X01,X02=1.00, —");
    EXPECT_EQ(circles(neg), 1);
}

TEST(StraightLegs, StartOnTheBoundaryDrawsNothing) {
    Rig rig;
    rig.sim.scene.Yo = 0;
    rig.run();
    EXPECT_TRUE(rig.surface.calls.empty());
    EXPECT_FALSE(rig.display.captions.count(ResultLabel::Label8));
}

TEST(StraightLegs, UpperMediumHorizontalAndUpward) {
    Rig rig;
    rig.sim.scene.Yo = -0.5;
    rig.angle(90);
    rig.run();
    ASSERT_EQ(rig.surface.calls.size(), 1u);
    EXPECT_EQ(rig.surface.calls[0].x2, 6);
    EXPECT_EQ(rig.surface.calls[0].y2, -0.5f);
    rig.angle(135);
    rig.run();
    ASSERT_EQ(rig.surface.calls.size(), 1u);
    EXPECT_FLOAT_EQ(rig.surface.calls[0].y2, -1);
    EXPECT_NEAR(rig.surface.calls[0].x2, 3.0, 1e-6);
}

TEST(StraightLegs, VerticalEntryIntoGradedMedium) {
    Rig rig;
    rig.sim.scene.Yo = -0.5;
    rig.angle(0);
    rig.run();
    const auto& c = rig.surface.calls;
    ASSERT_EQ(c.size(), 6u);
    EXPECT_EQ(c[0].kind, Kind::Line);
    EXPECT_EQ(c[0].y2, 0);
    EXPECT_EQ(c[1].kind, Kind::SetWidth);
    EXPECT_EQ(c[2].colour, kBlack);
    EXPECT_EQ(c[2].width, 1);
    EXPECT_EQ(c[4].x2, 2.5f);
    EXPECT_EQ(c[4].y2, -1);
    EXPECT_EQ(c[4].width, 2);
    EXPECT_EQ(c[5].x1, 2.5f);
    EXPECT_EQ(c[5].y1, 0);
    EXPECT_EQ(c[5].y2, 1);
    EXPECT_EQ(rig.caption(ResultLabel::Label8), "|beta|=0.00 ");
    EXPECT_EQ(circles(rig), 0);
}

TEST(StraightLegs, HomogeneousLowerMedium) {
    Rig rig;
    rig.sim.scene.nmin = 1.5;
    rig.sim.scene.nmax = 1.5f;
    rig.sim.scene.Yo = -0.5;
    rig.angle(30);
    rig.run();
    const auto red = rig.lines(kRay);
    ASSERT_EQ(red.size(), 3u);
    const double x1 = 2.5 + 0.5 * std::tan(static_cast<double>(angle_rad(30)));
    const double sb = 1.000292 / 1.5 * std::sin(static_cast<double>(angle_rad(30)));
    EXPECT_FLOAT_EQ(red[2].x2, static_cast<float>(x1 + sb / std::sqrt(1 - sb * sb)));
    EXPECT_EQ(red[2].y2, 1);
    EXPECT_EQ(circles(rig), 0);
    EXPECT_EQ(rig.caption(ResultLabel::Label8), "|beta|=19.48 ");
}

TEST(StraightLegs, HomogeneousFromBelow) {
    Rig rig;
    rig.sim.scene.nmin = 1.5;
    rig.sim.scene.nmax = 1.5f;
    rig.angle(135);  // beyond the critical angle of 41.8
    rig.run();
    auto red = rig.lines(kRay);
    ASSERT_EQ(red.size(), 2u);
    EXPECT_EQ(red[1].y2, 1);
    EXPECT_EQ(rig.caption(ResultLabel::Label8), "|beta|=90.00 ");
    rig.angle(160);
    rig.run();
    red = rig.lines(kRay);
    ASSERT_EQ(red.size(), 3u);
    EXPECT_EQ(red[2].y2, -1);
    EXPECT_GT(red[2].x2, red[2].x1) << "keeps going right";
    rig.angle(30);
    rig.run();
    ASSERT_EQ(rig.surface.calls.size(), 1u);
    EXPECT_EQ(rig.surface.calls[0].y2, 1);
}

// Mend: from above with n1 >= nmin the refracted sine can reach 1.
TEST(Mends, TotalReflectionFromAbove) {
    Rig rig;
    rig.sim.scene.n1 = 2.0;
    rig.sim.scene.Yo = -0.5;
    rig.angle(60);
    rig.run();
    EXPECT_EQ(rig.caption(ResultLabel::Label8), "|beta|=90.00 ");
    EXPECT_EQ(rig.lines(kRay).size(), 2u);
    EXPECT_EQ(circles(rig), 0);
    rig.sim.decimal_separator = ",";
    rig.run();
    EXPECT_EQ(rig.caption(ResultLabel::Label8), "|beta|=90,00 ");
}

// Mend: angles beyond ±180 run as their reduced angle.
TEST(Mends, AnglesBeyondAHalfTurn) {
    Rig plain, turned;
    plain.angle(45);
    plain.run();
    turned.angle(45 + 720);
    turned.run();
    EXPECT_EQ(turned.caption(ResultLabel::Label13), plain.caption(ResultLabel::Label13));
    ASSERT_EQ(turned.lines(kRay).size(), plain.lines(kRay).size());
    EXPECT_EQ(turned.lines(kRay).back().x2, plain.lines(kRay).back().x2);
    EXPECT_EQ(turned.sim.scene.a0.value(), 765);

    Rig up;
    up.angle(540);  // 180: full-height vertical, no landmarks
    up.run();
    ASSERT_EQ(up.surface.calls.size(), 1u);
    EXPECT_EQ(up.surface.calls[0].y1, 1);
    EXPECT_EQ(up.surface.calls[0].y2, -1);
    Rig down;
    down.angle(-360);
    down.run();
    ASSERT_EQ(down.surface.calls.size(), 1u);
    EXPECT_EQ(down.surface.calls[0].y2, 1);
    for (double big : {1e20, 1e41}) {
        Rig r;
        r.angle(big);
        r.run();
        for (const DrawCall& c : r.surface.calls) EXPECT_TRUE(finite(c));
    }
}

}  // namespace
}  // namespace velantra::testing
