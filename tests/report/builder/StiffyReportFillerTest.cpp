#include <gtest/gtest.h>

#include <memory>

#include "instrument/CreateDatabase.h"
#include "instrument/Parse.h"
#include "instrument/StatusCodes.h"
#include "platform/db/Database.h"
#include "platform/db/SqlIdentifier.h"
#include "platform/report/ReportDefinitions.h"
#include "platform/report/ReportNames.h"
#include "report/builder/StiffyAverageCells.h"
#include "report/builder/StiffyReportFiller.h"
#include "support/TempProgramFolder.h"
#include "support/TestData.h"

namespace report {
namespace {

using platform::ReportNames::stiffyAverage;

const QStringList ColumnObjects = {"StiffyBinNumber",   "StiffyFrequency",    "StiffyDisplSNR",  "StiffyForceSNR",
                                   "StiffyStiffnessMN", "StiffyStiffnessLbf", "StiffyYoungsMPa", "StiffyYoungsPsi",
                                   "StiffyShearMPa",    "StiffyShearPsi"};

class StiffyReportFillerTest : public ::testing::Test {
 protected:
  // Feeds a printout to the stiffness parser as the serial feeder does and
  // opens the working database it made.
  void load(const QString& printout) {
    instrument::Parse parse;
    ASSERT_EQ(parse.Initit(), instrument::status::Ok);
    for (const char byte : testsupport::readData(QStringLiteral("t7310/") + printout)) {
      const auto code = static_cast<unsigned char>(byte);
      if (code != 13 && (code < 32 || code > 90)) continue;
      const QChar c(code);
      parse.Parse_T7310(QStringView(&c, 1));
    }
    parse.DeInit();
    ASSERT_TRUE(db.open(instrument::CreateDatabase::databasePath()));
  }

  void fill(const QString& table) { Fill_Stiffy_Report(*report, db, table, constants); }

  QString text(const QString& object) const { return report->member(object).text().value_or("<missing>"); }
  QStringList averages() const {
    QStringList texts;
    for (int j = 1; j <= 6; ++j) texts << text(stiffyAverage(j));
    return texts;
  }
  bool averagesShown() const {
    for (int j = 1; j <= 6; ++j)
      if (report->member(stiffyAverage(j)).suppress().value_or(true)) return false;
    return !report->member("StiffyAverageLabel").suppress().value_or(true);
  }

  // A value a grid edit could have cleared.
  void clearField(const QString& table, const QString& field, int bin) {
    ASSERT_TRUE(db.exec(QStringLiteral("UPDATE %1 SET %2 = NULL WHERE BIN_NUMBER = ?")
                            .arg(platform::db::quoteIdentifier(table), platform::db::quoteIdentifier(field)),
                        {bin}));
  }

  testsupport::TempProgramFolder folder;
  platform::db::Database db;
  std::unique_ptr<platform::ReportDesigner> report = platform::ReportDefinitions::createStiffyReport();
  // MeasMs, Assmas, Poisra, Densit, Slopes, Interc, Densi2
  StiffnessConstants constants{0.1, 2.5, 0.35, 120, 0.5, 0.2, 1922};
};

TEST_F(StiffyReportFillerTest, TheDesignerHoldsEveryObjectTheFillerWrites) {
  QStringList objects = ColumnObjects + QStringList{"StiffyRunNumber", "StiffyMeasure", "StiffyCalFactor",
      "StiffyDate", "StiffyTime", "StiffyMoisture", "StiffyDryDensityPcf", "StiffyDryDensityKg", "StiffyAverageLabel",
      "StiffyAssemblyMass", "StiffyPoissonRatio", "StiffyDensityPcf", "StiffySlope", "StiffyIntercept",
      "StiffyDensityKg"};
  for (int j = 1; j <= 6; ++j) objects << stiffyAverage(j);
  for (const QString& name : objects) EXPECT_NE(report->textObject(name), nullptr) << name.toStdString();
}

// Bin 1 (100 Hz): signal displacement -2.5 + 0i, force 2.5 + 0i; noise
// displacement -0.625, force 1.25. Bin 2 is bin 1 at 200 Hz with its signal
// overloaded. Bin 3 (300 Hz): signal displacement -1.25 + 1.25i, force
// 2.5 - 1.25i; noise displacement 0.3125, force -0.625i.
//   SNR bin 1: 10 log10(6.25 / 0.390625) = 12.04, 10 log10(6.25 / 1.5625) = 6.02
//   SNR bin 3: 10 log10(3.125 / 0.09765625) = 15.05, 10 log10(7.8125 / 0.390625) = 13.01
//   K bin 1 = 1 x 0.98 + 2.5 x (2 pi 100)^2 / 10^6 = 1.96696
//   K bin 3 = 1.5 x 0.98 + 2.5 x (2 pi 300)^2 / 10^6 = 10.35264
//   K lbf = K x 10^6 / (39.37 x 4.448): 11232.22, 59118.18
//   E = K x (1 - 0.35^2) / (1.77 x 0.0254 x 2.25): 17.0629, 89.8067; x 145: 2474.12, 13021.98
//   G = K x (1 - 0.35) / (3.54 x 0.0254 x 2.25): 6.3196, 33.2618; x 145: 916.34, 4822.95
//   Averages over bins 1 and 3: 6.15980, 35175.20, 53.4348, 7748.05, 19.7907, 2869.65
//   t = 0.1 x (0.5 x 6.1598 / 0.1 + 0.2) / 6.1598 - 0.3 = 0.203247; r = 1.2 sqrt(t) + 1 = 1.540995
//   Dry density: 120 / r = 77.87, 1922 / r = 1247.25
TEST_F(StiffyReportFillerTest, AWorkedRunGivesTheHandComputedTexts) {
  load("worked_run.txt");
  fill("RUN7");
  EXPECT_EQ(text("StiffyRunNumber"), "7");
  EXPECT_EQ(text("StiffyMeasure"), "98.7");
  EXPECT_EQ(text("StiffyCalFactor"), "0.98");
  EXPECT_EQ(text("StiffyDate"), "03/14/2005");
  EXPECT_EQ(text("StiffyTime"), "09:26:53");
  const QStringList columns = {"1\r2\r3\r",      "100\r200\r300\r",       "12.0\r12.0\r15.1\r", "6.0\r6.0\r13.0\r",
                               "2.0\r \r10.4\r", "11232.2\r \r59118.2\r", "17.1\r \r89.8\r",    "2474.1\r \r13022.0\r",
                               "6.3\r \r33.3\r", "916.3\r \r4823.0\r"};
  for (int i = 0; i < ColumnObjects.size(); ++i) EXPECT_EQ(text(ColumnObjects[i]), columns[i]) << i;
  EXPECT_EQ(averages(), QStringList({"6.2", "35175.2", "53.4", "7748.0", "19.8", "2869.6"}));
  EXPECT_TRUE(averagesShown());
  EXPECT_EQ(text("StiffyMoisture"), "0.1");
  EXPECT_EQ(text("StiffyDryDensityPcf"), "77.9");
  EXPECT_EQ(text("StiffyDryDensityKg"), "1247.2");
  const QStringList constantCells = {"StiffyAssemblyMass", "StiffyPoissonRatio", "StiffyDensityPcf",
                                     "StiffySlope",        "StiffyIntercept",    "StiffyDensityKg"};
  const QStringList constantTexts = {"2.5", "0.35", "120", "0.5", "0.2", "1922"};
  for (int i = 0; i < constantCells.size(); ++i) EXPECT_EQ(text(constantCells[i]), constantTexts[i]);

  // A whole estimate keeps its decimal, as every other estimate of the cell.
  constants.Densit = 56 * 1.540995;
  fill("RUN7");
  EXPECT_EQ(text("StiffyDryDensityPcf"), "56.0");
}

TEST_F(StiffyReportFillerTest, ValuesThatCannotBeComputedReadNA) {
  load("na_cases.txt");
  // Bin 1 has no noise (both ratios NA) but a stiffness; bin 2 has no signal
  // displacement (its ratio and every stiffness value NA) and stays out of the
  // averages.
  fill("RUN1");
  EXPECT_EQ(text("StiffyDisplSNR"), "NA\rNA\r");
  EXPECT_EQ(text("StiffyForceSNR"), "NA\r6.0\r");
  EXPECT_EQ(text("StiffyStiffnessMN"), "2.0\rNA\r");
  EXPECT_EQ(text("StiffyShearPsi"), "916.3\rNA\r");
  EXPECT_EQ(averages(), QStringList({"2.0", "11232.2", "17.1", "2474.1", "6.3", "916.3"}));

  // Every bin overloaded: no averages, no estimates.
  fill("RUN2");
  EXPECT_EQ(text("StiffyStiffnessMN"), "\r \r");
  EXPECT_EQ(averages(), QStringList(6, "NA"));
  EXPECT_EQ(text("StiffyDryDensityPcf"), "NA");
  EXPECT_EQ(text("StiffyDryDensityKg"), "NA");
  EXPECT_TRUE(averagesShown());

  // A mean stiffness below zero: averages shown, no estimates.
  fill("RUN3");
  EXPECT_EQ(averages().first(), "-1.0");
  EXPECT_EQ(text("StiffyDryDensityPcf"), "NA");
  EXPECT_EQ(text("StiffyDryDensityKg"), "NA");

  // No moisture content: the ratio would divide by zero.
  constants.MeasMs = 0;
  fill("RUN1");
  EXPECT_EQ(text("StiffyMoisture"), "0");
  EXPECT_EQ(text("StiffyDryDensityPcf"), "NA");
  EXPECT_EQ(text("StiffyDryDensityKg"), "NA");
  for (const QString& object : ColumnObjects)
    EXPECT_FALSE(text(object).contains("inf") || text(object).contains("nan"));
}

TEST_F(StiffyReportFillerTest, ANullReadingFlagOrCalibrationFactorShowsTheBinAsOverloaded) {
  load("worked_run.txt");
  clearField("RUN7", "REAL_DISPL_SD", 3);
  fill("RUN7");
  EXPECT_EQ(text("StiffyDisplSNR"), "12.0\r12.0\rNA\r");
  EXPECT_EQ(text("StiffyForceSNR"), "6.0\r6.0\r13.0\r");
  EXPECT_EQ(text("StiffyStiffnessMN"), "2.0\r \r \r");
  EXPECT_EQ(averages().first(), "2.0");

  clearField("RUN7", "NOISE_OL_FLAG", 1);
  fill("RUN7");
  EXPECT_EQ(text("StiffyStiffnessMN"), "\r \r \r");
  EXPECT_EQ(averages().first(), "NA");

  load("worked_run.txt");
  clearField("RUN7", "CALFACTOR", 0);
  fill("RUN7");
  EXPECT_EQ(text("StiffyCalFactor"), "");
  EXPECT_EQ(text("StiffyYoungsMPa"), "\r \r \r");
  EXPECT_EQ(text("StiffyFrequency"), "100\r200\r300\r");
  EXPECT_EQ(averages(), QStringList(6, "NA"));
}

// K is the run's measure: 3.5 -> 19986.55 lbf/in, E 30.362 MPa (4402.44 psi),
// G = 3.5 x 0.65 / (3.54 x 0.0254 x 2.5) = 10.1206 MPa (1467.48 psi).
TEST_F(StiffyReportFillerTest, TheSharedTableOfLaterRunsListsEveryRun) {
  load("runs_1_to_25.txt");
  fill("RUN21");
  EXPECT_EQ(text("StiffyRunNumber"), "21+");
  EXPECT_EQ(text("StiffyMeasure"), "3.5");
  EXPECT_EQ(text("StiffyBinNumber"), "21\r22\r23\r24\r25\r");
  EXPECT_EQ(text("StiffyFrequency"), "NA\rNA\rNA\rNA\rNA\r");
  EXPECT_EQ(text("StiffyForceSNR"), "NA\rNA\rNA\rNA\rNA\r");
  EXPECT_EQ(text("StiffyStiffnessMN"), "3.5\r4.5\r5.5\r6.5\r7.5\r");
  EXPECT_TRUE(text("StiffyStiffnessLbf").startsWith("19986.6\r"));
  EXPECT_TRUE(text("StiffyYoungsPsi").startsWith("4402.4\r"));
  EXPECT_TRUE(text("StiffyShearMPa").startsWith("10.1\r13.0\r"));
  EXPECT_TRUE(text("StiffyShearPsi").startsWith("1467.5\r"));
  EXPECT_EQ(text("StiffyDryDensityPcf"), "NA");
  EXPECT_EQ(text("StiffyDryDensityKg"), "");
  EXPECT_FALSE(averagesShown());
  // The constants are the program's, not a run's: they show on every report.
  EXPECT_EQ(text("StiffyMoisture"), "0.1");
  EXPECT_EQ(text("StiffyAssemblyMass"), "2.5");
  EXPECT_EQ(text("StiffyDensityKg"), "1922");

  // The last full run shows its bins and brings the averages back.
  fill("RUN20");
  EXPECT_EQ(text("StiffyRunNumber"), "20");
  EXPECT_EQ(text("StiffyBinNumber"), "1\r2\r3\r");
  EXPECT_TRUE(averagesShown());
}

TEST_F(StiffyReportFillerTest, RunsNumberedFrom101GiveFullTables) {
  load("runs_101_to_125.txt");
  for (const QString run : {"101", "120"}) {
    fill("RUN" + run);
    EXPECT_EQ(text("StiffyRunNumber"), run);
    EXPECT_EQ(text("StiffyBinNumber"), "1\r2\r");
    EXPECT_EQ(text("StiffyFrequency"), "100\r104\r");
    EXPECT_TRUE(averagesShown());
  }
  fill("RUN121");
  EXPECT_EQ(text("StiffyRunNumber"), "121+");
  EXPECT_FALSE(averagesShown());
}

TEST_F(StiffyReportFillerTest, ATableThatCannotBeReadLeavesTheReportAsItWas) {
  load("worked_run.txt");
  fill("RUN7");
  const QString before = text("StiffyStiffnessMN");
  fill("RUN7\"; DROP TABLE RUN7; --");
  fill("RUN99");
  EXPECT_EQ(text("StiffyStiffnessMN"), before);
  EXPECT_TRUE(db.hasTable("RUN7"));
}

TEST(StiffyAverageCellsTest, ShownCellsFormOneBoxedRowAndHiddenOnesLeaveNoStrayLine) {
  using platform::LineStyle::None, platform::LineStyle::Single;
  auto report = platform::ReportDefinitions::createStiffyReport();
  auto edges = [&](int j) { return report->textObject(stiffyAverage(j))->edges(); };
  for (int j = 1; j <= 6; ++j) Set_Cell_Lines(report->member(stiffyAverage(j)), j, false);
  EXPECT_EQ(edges(1).left, Single);
  EXPECT_EQ(edges(2).left, None);
  EXPECT_EQ(edges(4).bottom, Single);
  for (int j = 1; j <= 6; ++j) Set_Cell_Lines(report->member(stiffyAverage(j)), j, true);
  EXPECT_EQ(edges(1).left, None);
  EXPECT_EQ(edges(3).right, Single);  // only the last cell clears its right line
  EXPECT_EQ(edges(6).right, None);
}

}  // namespace
}  // namespace report
