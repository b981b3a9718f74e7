#include "report/builder/CompanyBlock.h"

#include <gtest/gtest.h>

#include "platform/report/ReportDefinitions.h"

namespace report {
namespace {

QString textOf(const platform::ReportDesigner& designer, const QString& name) {
  return designer.member(name).text().value_or(QStringLiteral("<missing>"));
}

TEST(CompanyBlockTest, LeavesOutLinesStillEmptyAndEndsEveryLineWithACarriageReturn) {
  CompanyInfo info;
  EXPECT_EQ(companyInfoText(info), " ");
  EXPECT_FALSE(hasCompanyInfoLines(info));
  info.CInfo[1] = "A";
  info.CInfo[3] = "C";
  info.CInfo[5] = "";
  EXPECT_EQ(companyInfoText(info), " A\rC\r\r");
}

TEST(CompanyBlockTest, WritesOnlyWhatIsFilledInAndProjectFieldsOnlyToTheMainReport) {
  auto report = platform::ReportDefinitions::createReport();
  auto stiffy = platform::ReportDefinitions::createStiffyReport();
  const QString projectBefore = textOf(*report, "ProjNameText");
  const QString companyBefore = textOf(*report, "Company");
  CompanyInfo info;
  info.CInfo[ProjectName] = "";
  info.CInfo[MachineNumber] = "M-7";
  writeCompanyBlock(*report, info, ReportCompanyObjects);
  EXPECT_EQ(textOf(*report, "Company"), companyBefore);
  EXPECT_EQ(textOf(*report, "ProjNameText"), projectBefore);
  EXPECT_EQ(textOf(*report, "MachNoText"), "M-7");

  info.CInfo[CompanyName] = "";
  info.CInfo[2] = "Line 2";
  writeCompanyBlock(*stiffy, info, StiffyCompanyObjects);
  EXPECT_EQ(textOf(*stiffy, "StiffyCompany"), "");
  EXPECT_EQ(textOf(*stiffy, "StiffyCompanyinfo"), " Line 2\r");
}

}  // namespace
}  // namespace report
