#include "report/builder/StiffnessArithmetic.h"

#include <gtest/gtest.h>

#include <cmath>

namespace report::stiffness {
namespace {

TEST(StiffnessArithmeticTest, RawCountsConvertAroundTheMidScale) {
  EXPECT_EQ(convertedCount(2048), 0.0);
  EXPECT_EQ(convertedCount(0), -5.0);
  EXPECT_EQ(convertedCount(4095), 5 - 10.0 / 4096);
}

TEST(StiffnessArithmeticTest, RatiosOfPowersInDecibelsAndNothingWherePowerIsZero) {
  EXPECT_NEAR(*signalToNoise(1, 2, 2, 1), 0.0, 1e-12);
  EXPECT_NEAR(*signalToNoise(3, 1, 1, 0), 10.0, 1e-12);
  EXPECT_FALSE(signalToNoise(1, 1, 0, 0));
  EXPECT_FALSE(signalToNoise(0, 0, 1, 1));
  EXPECT_FALSE(Log10(0));
  EXPECT_FALSE(Log10(-1));
  EXPECT_NEAR(*Log10(1000), 3.0, 1e-12);
}

TEST(StiffnessArithmeticTest, StiffnessNeedsADisplacement) {
  EXPECT_FALSE(stiffnessMN({0, 0, 1, 1}, 1, 2.5, 100));
  // In-phase part 1 x calibration 2, no mass.
  EXPECT_DOUBLE_EQ(*stiffnessMN({-1, 0, 1, 0}, 2, 0, 100), 2.0);
}

TEST(StiffnessArithmeticTest, DryDensityRatioTakesASignedRootAndRefusesWhatWouldDivideByZero) {
  // t = 1 x (0.25 x 10 / 1 + 0) / 10 - 0.3 = -0.05: r = 1 - 1.2 sqrt(0.05)
  EXPECT_NEAR(*densityRatio(10, 1, 0.25, 0), 1 - 1.2 * std::sqrt(0.05), 1e-12);
  EXPECT_LT(*densityRatio(10, 1, 0.25, 0), 1.0);
  EXPECT_FALSE(densityRatio(0, 0.1, 0.5, 0.2));
  EXPECT_FALSE(densityRatio(-3, 0.1, 0.5, 0.2));
  EXPECT_FALSE(densityRatio(6, 0, 0.5, 0.2));
  EXPECT_FALSE(dryDensity(120, 0));
}

TEST(StiffnessArithmeticTest, DryDensityRoundsHalvesToTheEvenTenth) {
  EXPECT_EQ(*dryDensity(2.5, 10), 0.2);
  EXPECT_EQ(*dryDensity(7.5, 10), 0.8);
  EXPECT_EQ(roundHalfEven(95.25, 1), 95.2);
}

}  // namespace
}  // namespace report::stiffness
