#include "activation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(Activation, SgnHasNoZeroOutput) {
    EXPECT_EQ(sgn(0.0), 1);
    EXPECT_EQ(sgn(-0.0), 1);
    EXPECT_EQ(sgn(-0.000001), -1);
    EXPECT_EQ(sgn(17), 1);
    EXPECT_EQ(sgn(-1e300), -1);
    EXPECT_TRUE(std::isnan(sgn(std::numeric_limits<double>::quiet_NaN())));
}

TEST(Activation, BipolarIsOddAndLambdaOnlyScalesNet) {
    EXPECT_EQ(bipolar(0, 1), 0);
    EXPECT_EQ(bipolar(0, 7.5), 0);
    EXPECT_EQ(bipolar(3, 0), 0);
    EXPECT_EQ(bipolar(-3, 0), 0);
    EXPECT_NEAR(bipolar(1, 1), 0.462117, 5e-7);
    EXPECT_DOUBLE_EQ(bipolar(1, 1), 2 / (1 + std::exp(-1.0)) - 1);
    EXPECT_NEAR(bipolar(-1, 1), -0.462117, 5e-7);
    EXPECT_EQ(bipolar(2, 0.5), bipolar(1, 1));
}

TEST(Activation, UnipolarIsHalfAtZero) {
    EXPECT_EQ(unipolar(0), 0.5);
    EXPECT_NEAR(unipolar(1), 0.731059, 5e-7);
    EXPECT_NEAR(unipolar(-1), 1 - 0.731059, 5e-7);
}

TEST(Activation, SaturateWithoutAnyErrorReport) {
    EXPECT_EQ(bipolar(-1000, 1), -1);
    EXPECT_EQ(unipolar(-1000), 0);
    EXPECT_EQ(bipolar(1000, 1), 1);
    EXPECT_EQ(unipolar(1000), 1);
}
