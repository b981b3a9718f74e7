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

// A project file keeps every digit of a single the parser read: seven
// digits where they read back as the same single, more where they do not.
TEST(ProjectValues, ExactSinglesReadBackAsTheSameSingle) {
  const auto single = [](double value) { return static_cast<double>(static_cast<float>(value)); };
  EXPECT_EQ(pv::exactSingleText(single(23.325233)), QStringLiteral("23.325233"));
  EXPECT_EQ(pv::exactSingleText(12345678.0), QStringLiteral("12345678"));
  EXPECT_EQ(pv::exactSingleText(single(0.98)), QStringLiteral("0.98"));
  EXPECT_EQ(pv::exactSingleText(single(-0.000123456789)), QStringLiteral("-0.00012345679"));
  for (const double value : {16777215.0, 3.4028235e38, 1.17549435e-38, 0.1, 9.9999999})
    EXPECT_EQ(static_cast<float>(pv::exactSingleText(single(value)).toDouble()), static_cast<float>(value))
        << value;
  EXPECT_TRUE(pv::exactSingleText(QVariant()).isEmpty());
}

TEST(ProjectValues, NullGivesEmptyText) {
  EXPECT_TRUE(pv::singleText(QVariant()).isEmpty());
  EXPECT_TRUE(pv::longText(QVariant()).isEmpty());
  EXPECT_TRUE(pv::textText(QVariant()).isEmpty());
}

// The decimal value is rounded, not the binary double below it: 0.075 and
// 15.225 (an average of 22.2, 7.1, 19.5, 12.1) lie just under their halves.
TEST(ProjectValues, FixedTextRoundsTheDecimalValueHalfAwayFromZero) {
  EXPECT_EQ(pv::fixedText(0.075, 2), QStringLiteral("0.08"));
  EXPECT_EQ(pv::fixedText((22.2 + 7.1 + 19.5 + 12.1) / 4, 2), QStringLiteral("15.23"));
  EXPECT_EQ(pv::fixedText(-2.675, 2), QStringLiteral("-2.68"));
  EXPECT_EQ(pv::fixedText(9.995, 2), QStringLiteral("10.00"));
  EXPECT_EQ(pv::fixedText(-0.004, 2), QStringLiteral("0.00"));
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
