#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/rig.h"

namespace velantra::testing {
namespace {

using Kind = DrawCall::Kind;

// The redraw chain's drawing on a fresh log: clearing, then the frame.
std::vector<DrawCall> frame(Rig& rig) {
    rig.surface.calls.clear();
    rig.sim.draw_frame();
    return rig.surface.calls;
}

TEST(Frame, ClearsThenScalesToTheEdges) {
    Rig rig;
    const auto calls = frame(rig);
    ASSERT_EQ(calls[0].kind, Kind::Cls);
    ASSERT_EQ(calls[1].kind, Kind::Scale);
    EXPECT_EQ(calls[1].x1, 0);
    EXPECT_EQ(calls[1].y1, -1);
    EXPECT_EQ(calls[1].x2, 6);
    EXPECT_EQ(calls[1].y2, 1);
    EXPECT_EQ(rig.sim.scene.Xmax, 6);
    EXPECT_EQ(rig.sim.scene.Ymin, -1);
}

struct Strips {
    const char* name;
    double nmin;
    float nmax;
    Colour top, bottom;
};
class StripsFollowTheIndex : public ::testing::TestWithParam<Strips> {};

TEST_P(StripsFollowTheIndex, TopAndBottomShades) {
    const Strips& r = GetParam();
    Rig rig;
    rig.sim.scene.nmin = r.nmin;
    rig.sim.scene.nmax = r.nmax;
    rig.surface.setDrawWidth(3);
    std::vector<DrawCall> boxes;
    for (const DrawCall& c : frame(rig))
        if (c.kind == Kind::Box) boxes.push_back(c);
    ASSERT_EQ(boxes.size(), 100u);
    EXPECT_EQ(boxes.front().colour, r.top);
    EXPECT_EQ(boxes.back().colour, r.bottom);
    EXPECT_EQ(boxes.front().width, 3) << "strips use the width left before";
    if (r.top == r.bottom) {
        EXPECT_EQ(boxes[57].y1, 0);
        EXPECT_EQ(boxes[57].y2, 1);
    } else {
        EXPECT_FLOAT_EQ(boxes[57].y1, 0.57f);
        EXPECT_FLOAT_EQ(boxes[57].y2, 0.58f);
        EXPECT_EQ(boxes[57].x2, 6);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Frame, StripsFollowTheIndex,
    ::testing::Values(Strips{"Rising", 1.3333, 1.4f, RGB(200, 255, 255), RGB(101, 255, 255)},
                      Strips{"Falling", 1.5, 1.2f, RGB(100, 255, 255), RGB(199, 255, 255)},
                      Strips{"Equal", 1.5, 1.5f, RGB(200, 255, 255), RGB(200, 255, 255)}),
    RowName());

TEST(Frame, GridLabelsAxesAndMarker) {
    Rig rig;
    const auto calls = frame(rig);
    std::vector<DrawCall> grid, black, orange, prints;
    for (const DrawCall& c : calls) {
        if (c.kind == Kind::Line && c.colour == kGrid) grid.push_back(c);
        if (c.kind == Kind::Line && c.colour == kBlack) black.push_back(c);
        if (c.kind == Kind::Line && c.colour == kArrow) orange.push_back(c);
        if (c.kind == Kind::Print) prints.push_back(c);
    }
    ASSERT_EQ(grid.size(), 14u);
    EXPECT_EQ(grid[0].x1, 0.5f);
    EXPECT_EQ(grid[0].y1, 1);
    EXPECT_EQ(grid[0].y2, -1);
    EXPECT_EQ(grid[0].width, 1);
    EXPECT_EQ(grid[11].y1, -0.5f);
    EXPECT_EQ(grid[11].x1, 0);
    EXPECT_EQ(grid[11].x2, 6);
    ASSERT_EQ(prints.size(), 16u);
    const char* expected[] = {"0.50", "1.00", "1.50", "2.00",  "2.50", "3.00", "3.50", "4.00",
                              "4.50", "5.00", "5.50", "-0.50", "0.00", "0.50", "Y",    "X"};
    for (std::size_t i = 0; i < 16; ++i) EXPECT_EQ(prints[i].text, expected[i]) << i;
    EXPECT_FLOAT_EQ(prints[0].current_x, 0.5f);
    EXPECT_FLOAT_EQ(prints[0].current_y, -0.11f);
    EXPECT_FLOAT_EQ(prints[11].current_x, 0.06f);
    EXPECT_FLOAT_EQ(prints[14].current_y, 0.9f);
    EXPECT_FLOAT_EQ(prints[15].current_x, 5.88f);
    ASSERT_EQ(black.size(), 2u);
    EXPECT_EQ(black[0].x1, 0);
    EXPECT_EQ(black[1].y1, 0);
    EXPECT_EQ(black[1].x2, 6);
    ASSERT_EQ(orange.size(), 1u);
    EXPECT_EQ(orange[0].width, 4);
    EXPECT_FLOAT_EQ(orange[0].x2, static_cast<float>(2.5 + std::sin(0.7853982) / 2));
    EXPECT_FLOAT_EQ(orange[0].y2, static_cast<float>(0.6 + std::cos(0.7853982) / 2));
    EXPECT_EQ(calls.back().kind, Kind::PSet);
    EXPECT_EQ(calls.back().x1, 2.5f);
    EXPECT_EQ(calls.back().width, 4);
    EXPECT_EQ(rig.surface.DrawWidth(), 4);
    ASSERT_EQ(rig.display.shape1_moves.size(), 1u);
    EXPECT_DOUBLE_EQ(rig.display.shape1_moves[0].first, 2.5 - 0.05);
    EXPECT_DOUBLE_EQ(rig.display.shape1_moves[0].second, 0.6 - 0.02);
}

TEST(Frame, ArrowUsesTheReducedAngle) {
    Rig rig;
    rig.angle(540);  // straight up
    const auto calls = frame(rig);
    for (const DrawCall& c : calls) {
        if (c.kind == Kind::Line && c.colour == kArrow) {
            EXPECT_NEAR(c.x2, 2.5f, 1e-6);
            EXPECT_NEAR(c.y2, 0.1f, 1e-6);
        }
    }
}

}  // namespace
}  // namespace velantra::testing
