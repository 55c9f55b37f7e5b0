#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/rig.h"

namespace velantra::testing {
namespace {

TEST(StartUp, DefaultsAndAngle) {
    Scene s;
    Form_Load(s);
    EXPECT_EQ(s.X0, 2.5);
    EXPECT_EQ(s.Yo, 0.6);
    EXPECT_TRUE(s.a0.is_integer());
    EXPECT_EQ(s.a0.value(), 45);
    EXPECT_EQ(s.n1, 1.000292);
    EXPECT_EQ(s.nmin, 1.3333);
    EXPECT_EQ(s.nmax, 1.4f);
    EXPECT_EQ(angle_rad(45), 0.7853982f);
}

TEST(StartUp, ParameterLines) {
    Rig rig;
    rig.sim.parametr();
    EXPECT_EQ(rig.caption(ResultLabel::Label7), "n_otn(-1)=19.9895 ");
    EXPECT_EQ(rig.caption(ResultLabel::Label9), "a_p=48.611(131.389)");
    EXPECT_TRUE(rig.display.shown(ResultLabel::Label9));
    rig.sim.decimal_separator = ",";
    rig.sim.parametr();
    EXPECT_EQ(rig.caption(ResultLabel::Label7), "n_otn(-1)=19,9895 ");
    EXPECT_EQ(rig.caption(ResultLabel::Label9), "a_p=48,611(131,389)");
}

TEST(MediumParameters, EqualIndicesKeepTheGradient) {
    Rig rig;
    rig.sim.parametr();
    const double before = rig.sim.scene.n_otn_inv;
    rig.sim.scene.nmin = 1.5;
    rig.sim.scene.nmax = 1.5f;
    rig.sim.parametr();
    EXPECT_EQ(rig.caption(ResultLabel::Label7), "1/n_otn=оо");
    EXPECT_EQ(rig.sim.scene.n_otn_inv, before);
}

TEST(MediumParameters, TypedEqualButNotStoredEqual) {
    Rig rig;
    rig.sim.scene.nmax = 1.3333f;
    rig.sim.parametr();
    EXPECT_NEAR(rig.sim.scene.n_otn_inv, -2.4e8, 0.05e8);
    EXPECT_EQ(rig.caption(ResultLabel::Label7).rfind("n_otn(-1)=-24", 0), 0u);
    EXPECT_EQ(rig.caption(ResultLabel::Label7).back(), ' ');
}

TEST(MediumParameters, FallingIndexShowsItsSign) {
    Rig rig;
    rig.sim.scene.nmin = 1.5;
    rig.sim.scene.nmax = 1.2f;
    rig.sim.parametr();
    EXPECT_EQ(rig.caption(ResultLabel::Label7), "n_otn(-1)=-5.0000 ");
}

TEST(MediumParameters, StartOnOrAboveTheBoundaryHidesTheCriticalAngle) {
    for (double yo : {0.0, -0.4}) {
        Rig rig;
        rig.sim.scene.Yo = yo;
        rig.sim.parametr();
        EXPECT_EQ(rig.caption(ResultLabel::Label9), "  ");
        EXPECT_FALSE(rig.display.visible.count(ResultLabel::Label9));
        EXPECT_EQ(rig.caption(ResultLabel::Label7), "n_otn(-1)=19.9895 ");
    }
}

// Mend: no critical angle exists when |n1/nmin| >= 1.
struct IndexPair {
    const char* name;
    double n1, nmin;
};
class NoCriticalAngle : public ::testing::TestWithParam<IndexPair> {};

TEST_P(NoCriticalAngle, BlanksTheLine) {
    Rig rig;
    rig.sim.scene.n1 = GetParam().n1;
    rig.sim.scene.nmin = GetParam().nmin;
    rig.sim.parametr();
    EXPECT_EQ(rig.caption(ResultLabel::Label9), "  ");
    EXPECT_FALSE(rig.display.shown(ResultLabel::Label9));
}

INSTANTIATE_TEST_SUITE_P(MediumParameters, NoCriticalAngle,
                         ::testing::Values(IndexPair{"UpperAbove", 1.5, 1.3333},
                                           IndexPair{"Equal", 1.3333, 1.3333},
                                           IndexPair{"NegativeRatio", -2.0, 1.3333},
                                           IndexPair{"NegativeOverZero", -1.0, 0.0},
                                           IndexPair{"OverZero", 1.0, 0.0}),
                         RowName());

TEST(Angles, ReductionIsExactAndLeavesTheRangeAlone) {
    EXPECT_EQ(reduce_angle(-180), -180);
    EXPECT_EQ(reduce_angle(180), 180);
    EXPECT_EQ(reduce_angle(179.5), 179.5);
    EXPECT_EQ(reduce_angle(-180.5), 179.5);
    EXPECT_EQ(reduce_angle(540), 180);
    EXPECT_EQ(reduce_angle(-540), 180);
    EXPECT_EQ(reduce_angle(360), 0);
    EXPECT_EQ(reduce_angle(405), 45);
    EXPECT_EQ(reduce_angle(-405), -45);
    EXPECT_EQ(reduce_angle(200), -160);
    EXPECT_EQ(reduce_angle(270), -90);
    EXPECT_EQ(reduce_angle(360.1), std::fmod(360.1, 360.0));
    for (double big : {1e20, 1e41, -1e41, 1e308}) {
        const double r = reduce_angle(big);
        EXPECT_TRUE(std::isfinite(r));
        EXPECT_GT(r, -180);
        EXPECT_LE(r, 180);
        EXPECT_TRUE(std::isfinite(angle_rad(big)));
    }
    EXPECT_EQ(angle_rad(405), angle_rad(45));
    EXPECT_EQ(angle_rad(-180), static_cast<float>(-kPi));
}

TEST(Beep, TwelveMillisecondsPerUnitHalvesToEven) {
    EXPECT_EQ(beep_duration_ms(25), 300);
    EXPECT_EQ(beep_duration_ms(0.125), 2);  // 1.5
    EXPECT_EQ(beep_duration_ms(0.375), 4);  // 4.5
    EXPECT_EQ(beep_duration_ms(0.625), 8);  // 7.5
    EXPECT_EQ(beep_duration_ms(-0.125), -2);
    EXPECT_EQ(beep_duration_ms(0.1), 1);  // 1.2
    EXPECT_EQ(beep_duration_ms(0), 0);
    EXPECT_EQ(beep_duration_ms(0.0416), 0);  // 0.4992
}

}  // namespace
}  // namespace velantra::testing
