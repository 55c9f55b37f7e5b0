// The simulation's figures for the scenes a student meets, checked to the printed digit on
// the recorded drawing calls, plus a physics check and a sweep of extreme states.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/simulation.h"
#include "surface/recording_surface.h"
#include "tests/scenes/recording_display.h"

namespace velantra {
namespace {

using Kind = DrawCall::Kind;
constexpr Colour kRed = RGB(255, 0, 0);

struct Bench {
    RecordingSurface surface;
    RecordingDisplay display;
    Simulation sim{surface, display};

    Bench() {
        Form_Load(sim.scene);
        set_angle(45);
    }
    void set_angle(double a0) {
        sim.scene.a0 = Number::real(a0);
        sim.scene.a0rad = angle_rad(a0);
    }
    // The redraw chain and then a run, as a student gets them.
    void frame_and_run() {
        sim.parametr();
        surface.Cls();
        sim.minmax();
        sim.axes();
        surface.calls.clear();
        sim.raschet();
    }
    std::string caption(ResultLabel l) { return display.captions[l]; }
    std::vector<DrawCall> red_lines() const {
        std::vector<DrawCall> out;
        for (const auto& c : surface.of(Kind::Line))
            if (c.colour == kRed) out.push_back(c);
        return out;
    }
};

TEST(StartUp, MediumParameterLines) {
    Bench b;
    b.sim.parametr();
    EXPECT_EQ(b.caption(ResultLabel::Label7), "n_otn(-1)=19.9895 ");
    EXPECT_EQ(b.caption(ResultLabel::Label9), "a_p=48.611(131.389)");
    EXPECT_TRUE(b.display.visible[ResultLabel::Label9]);
    EXPECT_EQ(angle_rad(45), 0.7853982f);
    b.sim.decimal_separator = ",";
    b.sim.parametr();
    EXPECT_EQ(b.caption(ResultLabel::Label7), "n_otn(-1)=19,9895 ");
}

TEST(MediumParameters, EqualAndNearlyEqualIndices) {
    Bench b;
    b.sim.parametr();
    const double before = b.sim.scene.n_otn_inv;
    b.sim.scene.nmin = 1.5;
    b.sim.scene.nmax = 1.5f;
    b.sim.parametr();
    EXPECT_EQ(b.caption(ResultLabel::Label7), "1/n_otn=оо");
    EXPECT_EQ(b.sim.scene.n_otn_inv, before);
    b.sim.scene.nmin = 1.3333;
    b.sim.scene.nmax = 1.3333f;
    b.sim.parametr();
    EXPECT_LT(b.sim.scene.n_otn_inv, -2.3e8);
    EXPECT_GT(b.sim.scene.n_otn_inv, -2.5e8);
    b.sim.scene.Yo = 0;
    b.sim.parametr();
    EXPECT_EQ(b.caption(ResultLabel::Label9), "  ");
}

TEST(MediumParameters, NoCriticalAngleBlanksTheLine) {
    Bench b;
    b.sim.scene.n1 = 1.5;  // left by a reset: n1 >= nmin
    b.display.visible[ResultLabel::Label9] = false;
    b.sim.parametr();
    EXPECT_EQ(b.caption(ResultLabel::Label9), "  ");
    EXPECT_FALSE(b.display.visible[ResultLabel::Label9]);
    b.sim.scene.n1 = -1;
    b.sim.scene.nmin = 0;
    b.sim.parametr();
    EXPECT_EQ(b.caption(ResultLabel::Label9), "  ");
}

TEST(Frame, StripsGridLabelsAndMarker) {
    Bench b;
    b.sim.minmax();
    b.sim.axes();
    const auto boxes = b.surface.of(Kind::Box);
    ASSERT_EQ(boxes.size(), 100u);
    EXPECT_EQ(boxes.front().colour, RGB(200, 255, 255));
    EXPECT_EQ(boxes.back().colour, RGB(101, 255, 255));
    std::vector<std::string> texts;
    for (const auto& c : b.surface.of(Kind::Print)) texts.push_back(c.text);
    ASSERT_EQ(texts.size(), 16u);
    EXPECT_EQ(texts[0], "0.50");
    EXPECT_EQ(texts[10], "5.50");
    EXPECT_EQ(texts[11], "-0.50");
    EXPECT_EQ(texts[12], "0.00");
    EXPECT_EQ(texts[13], "0.50");
    EXPECT_EQ(texts[14], "Y");
    EXPECT_EQ(texts[15], "X");
    const auto lines = b.surface.of(Kind::Line);
    const auto& arrow = lines.back();
    EXPECT_EQ(arrow.colour, RGB(243, 130, 54));
    EXPECT_EQ(arrow.width, 4);
    EXPECT_NEAR(arrow.x2 - arrow.x1, std::sqrt(0.5) / 2, 1e-6);
    EXPECT_EQ(b.surface.DrawWidth(), 4);
    EXPECT_NEAR(b.display.shape_left + b.display.shape1_width() / 2, 2.5, 1e-12);

    // A falling index reverses the shading.
    b.surface.calls.clear();
    b.sim.scene.nmax = 1.2f;
    b.sim.axes();
    EXPECT_EQ(b.surface.of(Kind::Box).front().colour, RGB(100, 255, 255));
}

TEST(Landmarks, StartUpAnd150And100) {
    Bench b;
    b.frame_and_run();
    EXPECT_EQ(b.caption(ResultLabel::Label13), "X90,Y90=-10.33, -5.43");
    EXPECT_EQ(b.caption(ResultLabel::Label14), "X01,X02=1.88, -22.55");
    b.set_angle(150);
    b.frame_and_run();
    EXPECT_EQ(b.caption(ResultLabel::Label13), "X90,Y90=16.06, -9.69");
    EXPECT_EQ(b.caption(ResultLabel::Label14), "X01,X02=29.26, 2.85");
    b.set_angle(100);
    b.display.captions[ResultLabel::Label14] = "    ";
    b.frame_and_run();
    EXPECT_EQ(b.caption(ResultLabel::Label13), "X90,Y90=6.06, 0.29");
    EXPECT_EQ(b.caption(ResultLabel::Label14), "    ");
}

TEST(CurvedWalk, StartUpReachesTheBottom) {
    Bench b;
    b.frame_and_run();
    const auto red = b.red_lines();
    ASSERT_EQ(red.size(), 40u);
    EXPECT_NEAR(red.back().x2, 2.90, 0.005);
    EXPECT_GE(red.back().y2, 1.0f);
    EXPECT_TRUE(b.display.messages.empty());
    EXPECT_EQ(red.front().width, 4);  // the width the frame left
}

TEST(CurvedWalk, At135LeavesAndReflects) {
    Bench b;
    b.set_angle(135);
    b.frame_and_run();
    EXPECT_EQ(b.caption(ResultLabel::Label8), "|beta|=76.08 ");
    const auto red = b.red_lines();
    // 62 chords up, the refracted ray, 102 reflected chords.
    ASSERT_EQ(red.size(), 62u + 1 + 102);
    EXPECT_NEAR(red[61].x2, 3.12, 0.005);
    EXPECT_LT(red[61].y2, 0.0f);
    EXPECT_NEAR(red[62].x2, 7.16, 0.005);
    EXPECT_EQ(red[62].y2, -1.0f);
    EXPECT_NEAR(red.back().x2, 4.14, 0.005);
    EXPECT_GE(red.back().y2, 1.0f);
}

TEST(CurvedWalk, TotalInternalReflectionOnTheWayUp) {
    Bench b;
    b.sim.scene.X0 = 1;
    b.sim.scene.Yo = 0.3;
    b.set_angle(100);
    b.frame_and_run();
    EXPECT_EQ(b.caption(ResultLabel::Label8), "|beta|=90.00 ");
    const auto normals = b.surface.of(Kind::Line);
    bool normal_near = false;
    for (const auto& c : normals)
        if (c.colour == RGB(0, 0, 0) && std::fabs(c.x1 - 3.94f) < 0.01f) normal_near = true;
    EXPECT_TRUE(normal_near);
    EXPECT_GT(b.red_lines().back().x2, 6.0f);
}

TEST(StraightLegs, Scenarios) {
    Bench b;
    b.sim.scene.Yo = 0;
    b.display.captions[ResultLabel::Label8] = "x";
    b.frame_and_run();
    EXPECT_TRUE(b.surface.calls.empty());
    EXPECT_EQ(b.caption(ResultLabel::Label8), "x");

    b.sim.scene.Yo = -0.5;
    b.set_angle(90);
    b.frame_and_run();
    ASSERT_EQ(b.surface.calls.size(), 1u);
    EXPECT_EQ(b.surface.calls[0].x2, 6.0f);

    b.set_angle(135);
    b.frame_and_run();
    ASSERT_EQ(b.surface.calls.size(), 1u);
    EXPECT_EQ(b.surface.calls[0].y2, -1.0f);

    // Straight down into a graded medium: leg, normal, reflection, vertical path.
    b.set_angle(0);
    b.frame_and_run();
    const auto lines = b.surface.of(Kind::Line);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1].colour, RGB(0, 0, 0));
    EXPECT_EQ(lines[1].width, 1);
    EXPECT_EQ(lines[2].width, 2);
    EXPECT_EQ(lines[2].y2, -1.0f);
    EXPECT_EQ(lines[3].x1, 2.5f);
    EXPECT_EQ(lines[3].y2, 1.0f);
    EXPECT_EQ(b.caption(ResultLabel::Label8), "|beta|=0.00 ");
    EXPECT_TRUE(b.surface.of(Kind::Circle).empty());

    // Homogeneous lower medium from above: a straight refracted leg.
    b.sim.scene.nmin = 1.5;
    b.sim.scene.nmax = 1.5f;
    b.set_angle(30);
    b.frame_and_run();
    EXPECT_EQ(b.surface.of(Kind::Line).size(), 4u);
    EXPECT_EQ(b.surface.of(Kind::Line).back().y2, 1.0f);

    // From below beyond the critical angle: reflection only.
    b.sim.scene.Yo = 0.5;
    b.set_angle(120);
    b.frame_and_run();
    EXPECT_EQ(b.caption(ResultLabel::Label8), "|beta|=90.00 ");
    EXPECT_EQ(b.surface.of(Kind::Line).size(), 3u);

    b.set_angle(10);
    b.frame_and_run();
    EXPECT_EQ(b.surface.of(Kind::Line).size(), 1u);
}

TEST(Mends, UpperIndexNotBelowLowerReflectsEverything) {
    Bench b;
    b.sim.scene.n1 = 1.5;
    b.sim.scene.Yo = -0.5;
    b.set_angle(80);
    b.frame_and_run();
    EXPECT_EQ(b.caption(ResultLabel::Label8), "|beta|=90.00 ");
    EXPECT_EQ(b.red_lines().size(), 2u);  // incident and reflected only
}

TEST(Mends, AnglesBeyond180TravelAsReduced) {
    EXPECT_EQ(reduce_angle(200), -160);
    EXPECT_EQ(reduce_angle(270), -90);
    EXPECT_EQ(reduce_angle(-180), -180);
    EXPECT_EQ(reduce_angle(180), 180);
    EXPECT_EQ(reduce_angle(540), 180);
    EXPECT_TRUE(std::isfinite(angle_rad(1e20)));
    EXPECT_TRUE(std::isfinite(angle_rad(1e41)));
    Bench typed, reduced;
    typed.set_angle(200);
    reduced.set_angle(-160);
    typed.frame_and_run();
    reduced.frame_and_run();
    EXPECT_EQ(typed.sim.scene.a0.value(), 200);
    ASSERT_EQ(typed.red_lines().size(), reduced.red_lines().size());
    EXPECT_EQ(typed.red_lines().back().x2, reduced.red_lines().back().x2);
}

TEST(Mends, EntryWalkReturningToBoundary) {
    // A strongly falling index bends a ray from above back up.
    Bench b;
    b.sim.scene.Yo = -0.2;
    b.sim.scene.X0 = 1;
    b.sim.scene.nmax = 0.5f;
    b.set_angle(60);
    b.frame_and_run();
    ASSERT_EQ(b.display.messages.size(), 1u);
    EXPECT_EQ(b.display.messages[0].second, "Информация");
    EXPECT_EQ(b.surface.DrawWidth(), 1);
}

TEST(Physics, ChordsLieOnTheIntegratedRay) {
    // n(y)·sin(angle) is constant along the ray: integrate dx/dy = tan(angle) independently.
    struct Case {
        double nmin;
        float nmax;
        double Yo;
        double a0;
    };
    for (const Case c : {Case{1.3333, 1.4f, 0.6, 45}, Case{1.3333, 1.6f, 0.2, 30},
                         Case{1.5, 1.2f, 0.1, 20}, Case{1.4, 1.5f, 0.8, 60}}) {
        Bench b;
        b.sim.scene.nmin = c.nmin;
        b.sim.scene.nmax = c.nmax;
        b.sim.scene.Yo = c.Yo;
        b.set_angle(c.a0);
        b.frame_and_run();
        const auto red = b.red_lines();
        ASSERT_FALSE(red.empty());
        const double k = (c.nmin + (c.nmax - c.nmin) * c.Yo) * std::sin(b.sim.scene.a0rad);
        auto n = [&](double y) { return c.nmin + (static_cast<double>(c.nmax) - c.nmin) * y; };
        // x(y) = X0 + ∫ k / sqrt(n² − k²) dy, Simpson's rule on a fine grid.
        auto x_at = [&](double y) {
            const int steps = 20000;
            const double h = (y - c.Yo) / steps;
            auto f = [&](double v) { return k / std::sqrt(n(v) * n(v) - k * k); };
            double sum = f(c.Yo) + f(y);
            for (int i = 1; i < steps; ++i) sum += (i % 2 ? 4 : 2) * f(c.Yo + i * h);
            return 2.5 + sum * h / 3;
        };
        for (std::size_t i = 0; i + 1 < red.size(); i += 7) {
            const double y = red[i].y2;
            if (y >= 1.0 || y <= c.Yo) continue;
            EXPECT_NEAR(red[i].x2, x_at(y), 1e-5) << "case a0=" << c.a0 << " chord " << i;
        }
        // The vertex is where the ray would run level: n(Y90) = k.
        EXPECT_NEAR(n(b.sim.scene.Y90), k, 1e-6);
    }
}

TEST(Sweep, NoNonFiniteValueReachesThePictureOrACaption) {
    const double n1s[] = {0, -1, 1.000292, 1.5, 2};
    const double nmins[] = {0, 1.3333, 1.333, 1.5};
    const float nmaxs[] = {-1.0f, 0.0f, 1.3333f, 1.5f, 3e38f, 1e-30f};
    const double a0s[] = {0, 1e-7, 45, 89.9999, 90, 100, 135, 180, -180, -90, 200, 1e20, 1e41};
    const double Yos[] = {-1, -0.3, 0, 0.01, 0.6, 1};
    for (double n1 : n1s)
        for (double nmin : nmins)
            for (float nmax : nmaxs)
                for (double a0 : a0s)
                    for (double Yo : Yos) {
                        Bench b;
                        b.sim.scene.n1 = n1;
                        b.sim.scene.nmin = nmin;
                        b.sim.scene.nmax = nmax;
                        b.sim.scene.Yo = Yo;
                        b.sim.scene.X0 = 3;
                        b.set_angle(a0);
                        b.frame_and_run();
                        ASSERT_LE(b.red_lines().size(), 1210u);
                        for (const auto& c : b.surface.calls) {
                            ASSERT_TRUE(std::isfinite(c.x1) && std::isfinite(c.y1) &&
                                        std::isfinite(c.x2) && std::isfinite(c.y2));
                        }
                        for (const auto& [label, text] : b.display.captions) {
                            ASSERT_EQ(text.find("nan"), std::string::npos) << text;
                            ASSERT_EQ(text.find("inf"), std::string::npos) << text;
                        }
                    }
}

TEST(Beep, DurationRoundsHalfToEven) {
    EXPECT_EQ(beep_duration_ms(25), 300);
    EXPECT_EQ(beep_duration_ms(0.125), 2);  // 1.5 -> 2
    EXPECT_EQ(beep_duration_ms(0.375), 4);  // 4.5 -> 4
    EXPECT_EQ(beep_duration_ms(0.0416), 0);
}

}  // namespace
}  // namespace velantra
