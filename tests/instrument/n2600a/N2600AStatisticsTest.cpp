#include "instrument/n2600a/N2600AStatistics.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

using instrument::N2600AStatistics;

TEST(N2600AStatistics, AveragesAndSampleDeviationsWorkedByHand) {
  N2600AStatistics statistics(2);
  for (double v : {100.0, 102.0}) statistics.count(0, v);
  for (double v : {90.0, 91.5, 93.0}) statistics.count(1, v);
  EXPECT_DOUBLE_EQ(statistics.average(0), 101.0);
  EXPECT_NEAR(statistics.deviation(0), std::sqrt(2.0), 1e-6);
  EXPECT_DOUBLE_EQ(statistics.average(1), 91.5);
  EXPECT_NEAR(statistics.deviation(1), 1.5, 1e-6);  // squares 2.25 + 0 + 2.25 over 2
  EXPECT_FALSE(statistics.allSumsZero());
}

TEST(N2600AStatistics, FewValuesNoSpreadAndNullsAreNotCounted) {
  N2600AStatistics statistics(3);
  statistics.count(0, 5.5);
  statistics.count(1, QVariant());
  // Three equal values whose float sums leave a negative variance.
  for (int i = 0; i < 3; ++i) statistics.count(2, 1.1);
  EXPECT_DOUBLE_EQ(statistics.deviation(0), 0.0);  // one value
  EXPECT_DOUBLE_EQ(statistics.average(1), 0.0);    // none
  EXPECT_DOUBLE_EQ(statistics.deviation(2), 0.0);  // rounding leaves no spread
  EXPECT_NEAR(statistics.average(2), 1.1, 1e-6);
  N2600AStatistics zeros(2);
  zeros.count(0, 0.0);
  EXPECT_TRUE(zeros.allSumsZero());
}

}  // namespace
