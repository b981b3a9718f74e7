#include "report/builder/StiffnessArithmetic.h"

#include <gtest/gtest.h>

#include <cmath>

namespace report::stiffness {
namespace {

TEST(StiffnessArithmeticTest, CountsRatiosAndRounding) {
  EXPECT_EQ(convertedCount(2048), 0.0);
  EXPECT_EQ(convertedCount(0), -5.0);
  EXPECT_EQ(convertedCount(4095), 5 - 10.0 / 4096);
  // Equal magnitudes give 0 dB; a signal power ten times the noise 10 dB.
  EXPECT_NEAR(*signalToNoise(1, 2, 2, 1), 0.0, 1e-12);
  EXPECT_NEAR(*signalToNoise(3, 1, 1, 0), 10.0, 1e-12);
  EXPECT_FALSE(Log10(0));
  EXPECT_EQ(*dryDensity(2.5, 10), 0.2);
  EXPECT_EQ(*dryDensity(7.5, 10), 0.8);
}

// t = 1 x (0.25 x 10 / 1 + 0) / 10 - 0.3 = -0.05: the root keeps the sign.
TEST(StiffnessArithmeticTest, ANegativeTermGivesADensityRatioBelowOne) {
  EXPECT_NEAR(*densityRatio(10, 1, 0.25, 0), 1 - 1.2 * std::sqrt(0.05), 1e-12);
}

}  // namespace
}  // namespace report::stiffness
