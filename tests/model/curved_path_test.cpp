#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/checks.h"
#include "tests/support/rig.h"

namespace velantra::testing {
namespace {

// The red lines of a run, split at the black normals.
std::vector<std::vector<DrawCall>> legs(const Rig& rig) {
    std::vector<std::vector<DrawCall>> out(1);
    for (const DrawCall& c : rig.surface.calls) {
        if (c.kind != DrawCall::Kind::Line) continue;
        if (c.colour == kBlack) out.emplace_back();
        if (c.colour == kRay) out.back().push_back(c);
    }
    return out;
}

TEST(CurvedPath, DefaultsReachTheBottom) {
    Rig rig;
    rig.run();
    const auto l = legs(rig);
    ASSERT_EQ(l.size(), 1u);
    EXPECT_EQ(l[0].size(), 40u);
    EXPECT_EQ(chords(rig.surface.calls), 40);
    EXPECT_NEAR(l[0].back().x2, 2.90, 0.005);
    EXPECT_GE(l[0].back().y2, 1);
    EXPECT_FALSE(rig.display.captions.count(ResultLabel::Label8));
    EXPECT_TRUE(rig.display.messages.empty());
}

TEST(CurvedPath, ClimbRefractReflect) {
    Rig rig;
    rig.angle(135);
    rig.run();
    const auto l = legs(rig);
    ASSERT_EQ(l.size(), 2u);  // path, then refracted ray and reflected path
    EXPECT_EQ(l[0].size(), 62u);
    EXPECT_NEAR(l[0].back().x2, 3.12, 0.005);
    EXPECT_LT(l[0].back().y2, 0);
    EXPECT_EQ(rig.caption(ResultLabel::Label8), "|beta|=76.08 ");
    EXPECT_NEAR(l[1][0].x2, 7.16, 0.005);
    EXPECT_EQ(l[1][0].y2, -1);
    EXPECT_EQ(l[1].size(), 103u);
    EXPECT_NEAR(l[1].back().x2, 4.14, 0.005);
    EXPECT_GE(l[1].back().y2, 1);
    EXPECT_EQ(chords(rig.surface.calls), 62 + 102);
    EXPECT_EQ(l[1][1].width, 2);
}

TEST(CurvedPath, TotalReflectionOnTheWayOut) {
    Rig rig;
    rig.sim.scene.X0 = 1;
    rig.sim.scene.Yo = 0.3;
    rig.angle(100);
    rig.run();
    const auto l = legs(rig);
    ASSERT_EQ(l.size(), 2u);
    EXPECT_NEAR(l[0].back().x2, 3.94, 0.01);
    EXPECT_EQ(rig.caption(ResultLabel::Label8), "|beta|=90.00 ");
    for (const DrawCall& c : l[1]) EXPECT_GE(c.y2, c.y1 - 1e-6) << "no refracted ray up";
    EXPECT_GT(l[1].back().x2, 6);
}

TEST(CurvedPath, EntryVariantReturnsToTheBoundary) {
    Rig rig;
    rig.sim.scene.nmin = 1.5;
    rig.sim.scene.nmax = 0.5f;  // falling index bends the ray back up
    rig.sim.scene.X0 = 0.5;
    rig.sim.scene.Yo = -0.2;
    rig.angle(60);
    rig.run();
    ASSERT_EQ(rig.display.messages.size(), 1u);
    EXPECT_EQ(rig.display.messages[0].second, "Информация");
    EXPECT_EQ(rig.display.messages[0].first,
              "Во второй точке преломления отраженный в нижнюю среду луч и преломленный в "
              "верхнюю среду луч аналогичны первой точке!");
    const DrawCall& last = rig.surface.calls.back();
    EXPECT_EQ(last.colour, kBlack);
    EXPECT_EQ(last.width, 1);
    EXPECT_EQ(rig.surface.DrawWidth(), 1);
}

TEST(CurvedPath, EntryAtNormalIncidenceIsVertical) {
    Rig rig;
    rig.sim.scene.n1 = 0;  // beta = 0 at any start angle
    rig.sim.scene.Yo = -0.5;
    rig.angle(30);
    rig.run();
    const auto l = legs(rig);
    ASSERT_EQ(l.size(), 2u);
    ASSERT_EQ(l[1].size(), 2u);
    EXPECT_EQ(l[1][1].x1, l[1][1].x2);
    EXPECT_EQ(l[1][1].y2, 1);
    EXPECT_EQ(rig.caption(ResultLabel::Label8), "|beta|=0.00 ");
}

TEST(CurvedPath, StartsOutsideTheWalk) {
    Rig deep;
    deep.sim.scene.Yo = 1;
    deep.run();
    EXPECT_TRUE(deep.lines(kRay).empty());
    Rig up;
    up.angle(-180);
    up.run();
    ASSERT_EQ(up.surface.calls.size(), 1u);
    EXPECT_EQ(up.surface.calls[0].y1, 1);
}

TEST(CurvedPath, HorizontalStartBendsDown) {
    Rig rig;
    rig.angle(90);
    rig.run();
    const auto red = rig.lines(kRay);
    ASSERT_FALSE(red.empty());
    EXPECT_GT(red.back().y2, red.front().y2);
    EXPECT_GT(red.back().x2, red.front().x1);
}

// Mend: a level chord gives an infinite tangent; the walk carries on finitely.
TEST(Mends, LevelChordKeepsTheWalkFinite) {
    Rig rig;
    rig.sim.scene.nmax = 1.3333f;  // gradient of about -2.4e8: practically straight
    rig.sim.scene.Yo = 0.5;
    rig.angle(90);
    rig.run();
    const auto red = rig.lines(kRay);
    ASSERT_EQ(red.size(), 351u);
    int level = 0;
    for (const DrawCall& c : red) {
        level += c.y1 == c.y2;
        EXPECT_TRUE(std::isfinite(c.x2) && std::isfinite(c.y2));
    }
    EXPECT_GT(level, 0);
    EXPECT_GT(red.back().x2, 6);
}

// Mend: a walk whose next point has no finite value ends without drawing it.
TEST(Mends, NonFiniteWalkEnds) {
    Rig rig;
    rig.angle(1e-30);  // a sine of about 1e-32 divides the exponent
    rig.run();
    for (const DrawCall& c : rig.surface.calls) EXPECT_TRUE(finite(c));
    EXPECT_EQ(chords(rig.surface.calls), 0);
}

}  // namespace
}  // namespace velantra::testing
