// The soak of a long lesson as a check: every run goes through a million mixed actions.

#include "tests/support/soak.h"

#include <gtest/gtest.h>

TEST(Soak, AMillionMixedActionsLeaveEveryTextCanonicalAndNoCaptionNanOrInf) {
    const velantra::testing::SoakResult soak = velantra::testing::soak();
    EXPECT_EQ(soak.fault, "");
    EXPECT_EQ(soak.actions, 1000000);
}
