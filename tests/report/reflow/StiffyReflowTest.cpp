#include "report/reflow/StiffyReflow.h"

#include <gtest/gtest.h>

#include "platform/report/ReportDesigner.h"
#include "platform/report/ReportNames.h"
#include "platform/report/StiffyReportNames.h"
#include "report/builder/ReportDesigners.h"

namespace report {
namespace {

namespace Names = platform::StiffyReportNames;

class StiffyReflowTest : public ::testing::Test {
 protected:
  platform::ObjectRef at(const char* name) { return stiffy().member(QLatin1String(name)); }
  platform::ReportDesigner& stiffy() { return *designers.StiffyReport; }
  int left(const char* name) { return at(name).left().value_or(-1); }
  int width(const char* name) { return at(name).width().value_or(-1); }

  // Every chain of the stiffness report as the re-flow lays it.
  void expectChained() {
    for (size_t i = 0; i < Names::RunLine.size(); ++i) {
      EXPECT_EQ(left(Names::RunLine[i]), left(Names::Headings[i]));
      EXPECT_EQ(width(Names::RunLine[i]), width(Names::Headings[i]));
    }
    for (size_t i = 2; i < Names::Headings.size(); ++i) {
      EXPECT_EQ(left(Names::Headings[i]), left(Names::Headings[i - 1]) + width(Names::Headings[i - 1]));
      EXPECT_EQ(left(Names::Columns[i]), left(Names::Columns[i - 1]) + width(Names::Columns[i - 1]));
      EXPECT_EQ(width(Names::Columns[i]), width(Names::Headings[i]));
    }
    EXPECT_EQ(left(Names::SnrHeading), left(Names::Headings[2]));
    EXPECT_EQ(width(Names::SnrHeading), width(Names::Headings[2]) + width(Names::Headings[3]));
    for (size_t row = 0; row < Names::ConstantSides.size(); ++row)
      EXPECT_EQ(left(Names::ConstantSides[row]), left(Names::ConstantValues[row]) + width(Names::ConstantValues[row]) + 250);
    const auto cell = [&](int j) { return stiffy().member(platform::ReportNames::stiffyAverage(j)); };
    EXPECT_EQ(cell(1).left(), left(Names::Columns[4]) + 20);
    EXPECT_EQ(cell(1).width(), width(Names::Columns[4]) - 60);
    for (int j = 2; j <= 6; ++j) {
      EXPECT_EQ(cell(j).left(), left(Names::Columns[3 + j]));
      EXPECT_EQ(cell(j).width(), width(Names::Columns[3 + j]));
    }
  }

  ReportDesigners designers;
};

TEST_F(StiffyReflowTest, ChainsFollowTheHeadingsUpAndBackDown) {
  std::array<int, 13> headingWidths{};
  for (size_t i = 0; i < headingWidths.size(); ++i) headingWidths[i] = width(Names::Headings[i]);
  const int valueWidth = width(Names::ConstantValues[0]);
  const int frequencyLeft = left(Names::Headings[1]);

  reflowStiffyReport(stiffy(), 3);
  EXPECT_EQ(width(Names::Headings[0]), headingWidths[0]);
  for (size_t i = 1; i < headingWidths.size(); ++i) EXPECT_EQ(width(Names::Headings[i]), headingWidths[i] + 300);
  EXPECT_EQ(width(Names::ConstantValues[0]), valueWidth + 300);
  EXPECT_EQ(left(Names::Headings[1]), frequencyLeft);
  expectChained();

  reflowStiffyReport(stiffy(), -3);
  for (size_t i = 0; i < headingWidths.size(); ++i) EXPECT_EQ(width(Names::Headings[i]), headingWidths[i]);
  EXPECT_EQ(width(Names::ConstantValues[0]), valueWidth);
  expectChained();
}

TEST_F(StiffyReflowTest, FontsMoveByTheChangeInTheirSectionsAndConstantsTable) {
  const platform::ReportSection* section8 = stiffy().section(platform::ReportNames::section(8));
  ASSERT_NE(section8, nullptr);
  const std::optional<int> heading = at(Names::Headings[4]).fontSize();
  const std::optional<int> side = at(Names::ConstantSides[0]).fontSize();
  const std::optional<int> value = at(Names::ConstantValues[0]).fontSize();
  reflowStiffyReport(stiffy(), 2);
  EXPECT_EQ(at(Names::Headings[4]).fontSize(), *heading + 2);
  EXPECT_EQ(at(Names::ConstantSides[0]).fontSize(), *side + 2);
  EXPECT_EQ(at(Names::ConstantValues[0]).fontSize(), *value + 2);  // values follow their labels
}

}  // namespace
}  // namespace report
