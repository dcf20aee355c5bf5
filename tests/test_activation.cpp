// The activations at the edges that the demos' default runs do not reach.
#include "model/activation.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Activation, EdgesAndSaturationWithoutAnyErrorReport) {
    EXPECT_EQ(sgn(-0.0), 1);
    EXPECT_EQ(sgn(-0.000001), -1);
    EXPECT_TRUE(std::isnan(sgn(std::nan(""))));
    EXPECT_EQ(bipolar(2, 0.5), bipolar(1, 1)) << "lambda scales the net input";
    EXPECT_EQ(bipolar(-1000, 1), -1);
    EXPECT_EQ(unipolar(-1000), 0);
}
