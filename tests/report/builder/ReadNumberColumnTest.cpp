#include "report/builder/ReadNumberColumn.h"

#include <gtest/gtest.h>

#include "BuilderFixture.h"
#include "report/builder/ColumnSlots.h"

namespace report {
namespace {

using testing::lines;
using testing::numbers;

class ReadNumberColumnTest : public testing::BuilderFixture {
 protected:
  QString fill(const QString& table, const QString& sa, int model) {
    auto c = context();
    Fill_RD_Column(c, table, sa, model);
    return data(1);
  }
  QString average(int i) { return text(platform::ReportNames::averageValue(i)); }
};

TEST_F(ReadNumberColumnTest, LongLoadFrameTestsSplitOverTheMirrorColumnByFontSize) {
  const QString table = load(0, testing::loadFramePrintout(120)).trimmed();
  fill(table, "N", 0);
  EXPECT_EQ(header(1), "RD#");
  EXPECT_EQ(header(8), "RD#");
  // Page 1 reads 1 to 50 | 51 to 100, page 2 101 to 120.
  EXPECT_EQ(lines(data(1)), numbers(1, 50) + numbers(101, 120));
  EXPECT_EQ(lines(data(8)), numbers(51, 100));
  EXPECT_TRUE(data(1).endsWith('\r'));

  designers.recreate();
  flags.Report_Font_Size = 12;
  fill(table, "N", 0);
  EXPECT_EQ(header(6), "RD#");
  EXPECT_EQ(lines(data(1)), numbers(1, 35) + numbers(71, 105));
  EXPECT_EQ(lines(data(6)), numbers(36, 70) + numbers(106, 120));

  designers.recreate();
  flags.Report_Font_Size = 9;
  fill(load(0, testing::loadFramePrintout(50)).trimmed(), "N", 0);
  EXPECT_EQ(lines(data(1)), numbers(1, 50));
  EXPECT_EQ(header(8), "Col 7");
}

// A reading lacking a value leaves it out of that average only; the label is
// always written and an average no reading holds reads "NA".
TEST_F(ReadNumberColumnTest, DensityAveragesCountOnlyReadingsHoldingTheValue) {
  loadFile(1, "n2600a/soil_asphalt.txt");
  EXPECT_EQ(fill("125", "S", 1), "1\r2\r3\r");
  EXPECT_EQ(average(1), "120.47");  // (120.1 + 121.4 + 119.9) / 3
  EXPECT_EQ(text(platform::ReportNames::averageLabel(5)), "Avg %Compaction");
  EXPECT_EQ(text("AverageTitle"), "Average of All Data");

  ASSERT_TRUE(db.exec("UPDATE \"P125\" SET \"PCOMP\" = NULL WHERE \"RDNUM\" = 2"));
  fill("125", "S", 1);
  EXPECT_EQ(average(5), "95.75");  // (96.5 + 95.0) / 2
  ASSERT_TRUE(db.exec("UPDATE \"P125\" SET \"PCOMP\" = NULL"));
  fill("125", "S", 1);
  EXPECT_EQ(average(5), "NA");
  EXPECT_EQ(text(platform::ReportNames::averageLabel(5)), "Avg %Compaction");
  EXPECT_EQ(average(2), "110.43");
}

// An N2600BX reading whose %M and %COMP the gauge left empty counts in the
// other averages only.
TEST_F(ReadNumberColumnTest, DensityAveragesLeaveOutTheValuesTheGaugeLeftEmpty) {
  loadFile(2, "n2600bx/empty_values.txt");
  EXPECT_EQ(fill("7", "S", 2), "1\r2\r3\r4\r5\r");
  EXPECT_EQ(average(5), "91.65");  // (93.5 + 94.9 + 88.5 + 89.7) / 4
  EXPECT_EQ(average(4), "10.05");  // (11.3 + 8.6 + 10.8 + 9.5) / 4
  EXPECT_EQ(average(3), "11.16");  // (12.3 + 12.7 + 9.5 + 11.2 + 10.1) / 5
}

TEST_F(ReadNumberColumnTest, StiffnessHeaderIsDecidedByTheTableRowsNotItsName) {
  loadFile(3, "t7310/runs_101_to_125.txt");
  flags.Clearing_Report = true;  // keeps the filler out; the bin numbers go to the stiffness report
  fill("RUN120", "N", 3);
  EXPECT_EQ(header(1), "BN#");
  EXPECT_EQ(data(1), "1\r2\r");
  EXPECT_EQ(stiffyText("StiffyBinNumber"), "1\r2\r");
  fill("RUN121", "N", 3);
  EXPECT_EQ(header(1), "RN#");
  EXPECT_EQ(lines(data(1)), numbers(121, 125));
  ASSERT_TRUE(db.exec("DELETE FROM \"RUN121\" WHERE \"RUN_NUMBER\" > 121"));
  fill("RUN121", "N", 3);
  EXPECT_EQ(header(1), "RN#");
  EXPECT_EQ(data(1), "121");  // a single run still stands beside its placed values
}

// A pending stiffness constants change is the stiffness report's business.
TEST_F(ReadNumberColumnTest, AConstantsChangeLeftPendingDoesNotEmptyOtherReports) {
  loadFile(1, "n2600a/soil_asphalt.txt");
  fill("125", "S", 1);
  const QString column = data(1);
  const QString before = average(1);
  setData(*designers.Report, 1, "RDNUM");
  ASSERT_TRUE(db.exec("UPDATE \"P125\" SET \"WETD\" = 0"));
  flags.Constants_Changed = true;
  fill("125", "S", 1);
  EXPECT_EQ(data(1), column);
  EXPECT_NE(average(1), before);
}

TEST_F(ReadNumberColumnTest, NothingHappensForBadArguments) {
  loadFile(1, "n2600a/soil_asphalt.txt");
  setData(*designers.Report, 1, "kept");
  fill("", "S", 1);
  fill("125", "", 1);
  fill("125", "S", 4);
  fill("125'; DROP TABLE \"P125\"; --", "S", 1);
  EXPECT_EQ(data(1), "kept");
  EXPECT_TRUE(db.hasTable("P125"));
}

TEST_F(ReadNumberColumnTest, ASingleReadingHasNoCarriageReturn) {
  loadFile(2, "n2600bx/one_project.txt");
  EXPECT_EQ(fill("45", "A", 2), "2");
  EXPECT_EQ(average(1), "122.40");
}

}  // namespace
}  // namespace report
