#include "instrument/ProjectValues.h"

#include <gtest/gtest.h>

namespace {

namespace pv = instrument::projectvalues;

TEST(ProjectValues, NumbersTakeTheirShortestFormWithoutExponent) {
  EXPECT_EQ(pv::singleText(100.0), QStringLiteral("100"));
  EXPECT_EQ(pv::singleText(98.5), QStringLiteral("98.5"));
  EXPECT_EQ(pv::singleText(0.5), QStringLiteral("0.5"));
  EXPECT_EQ(pv::singleText(static_cast<double>(0.98F)), QStringLiteral("0.98"));
  EXPECT_EQ(pv::singleText(12345678.0), QStringLiteral("12345680"));
  EXPECT_EQ(pv::singleText(0.0000125), QStringLiteral("0.0000125"));
  EXPECT_EQ(pv::singleText(-2.0), QStringLiteral("-2"));
  EXPECT_EQ(pv::doubleText(1.2346), QStringLiteral("1.2346"));
  EXPECT_EQ(pv::doubleText(0.1 + 0.2), QStringLiteral("0.3"));
  EXPECT_EQ(pv::longText(qlonglong(40000)), QStringLiteral("40000"));
  EXPECT_EQ(pv::textText(QStringLiteral("06/01/04")), QStringLiteral("06/01/04"));
}

TEST(ProjectValues, NullGivesEmptyText) {
  EXPECT_TRUE(pv::singleText(QVariant()).isEmpty());
  EXPECT_TRUE(pv::longText(QVariant()).isEmpty());
  EXPECT_TRUE(pv::textText(QVariant()).isEmpty());
}

TEST(ProjectValues, TenthsHaveOneDecimalAndRoundHalvesAway) {
  EXPECT_EQ(pv::tenthsText(101.0), QStringLiteral("101.0"));
  EXPECT_EQ(pv::tenthsText(1.41421), QStringLiteral("1.4"));
  EXPECT_EQ(pv::tenthsText(0.25), QStringLiteral("0.3"));
  EXPECT_EQ(pv::tenthsText(0.04), QStringLiteral("0.0"));
  EXPECT_EQ(pv::tenthsText(-0.04), QStringLiteral("0.0"));
  EXPECT_EQ(pv::tenthsText(-1.25), QStringLiteral("-1.3"));
}

}  // namespace
