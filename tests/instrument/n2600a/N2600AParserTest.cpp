#include "instrument/n2600a/N2600AParser.h"

#include <gtest/gtest.h>

#include "../GaugeFeed.h"
#include "instrument/Parse.h"
#include "instrument/StatusCodes.h"
#include "support/TempProgramFolder.h"
#include "support/TestData.h"

namespace instrument {
namespace {

using gaugetest::Answer;
using gaugetest::Feeder;

class N2600AParserTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(parse.Initit(), status::Ok); }

  QList<Answer> feedFile(const QString& name, Feeder feeder = Feeder::Serial) {
    return feedText(testsupport::readData(name), feeder);
  }
  QList<Answer> feedText(const QByteArray& text, Feeder feeder = Feeder::Serial) {
    const auto answers = gaugetest::feed(parse, &Parse::Parse_N2600A, text, feeder, 3);
    parse.DeInit();
    return answers;
  }
  static QList<QSqlRecord> project(const QString& table) { return gaugetest::rows(table, QStringLiteral("RDNUM")); }

  testsupport::TempProgramFolder folder;
  Parse parse;
};

// The title line, a heading, a rule and one soil row (21 values).
QByteArray report(const QByteArray& serialAndDate, const QByteArray& row) {
  return "COMPACTION CONTROL DATA REPORT   NS-2600A SERIAL: " + serialAndDate +
         "\r\nRD #    DATE     PROJ\r\n----  --------  ------\r\n" + row + "\r\n   \r\n";
}
const QByteArray SoilRow =
    "   1  06/01/04      8     100    1.5    6   S     0.5     0    2350   650   1801   321   2.7   5 135.5  "
    "120.1  110.3   9.8   8.9    96.5";

TEST_F(N2600AParserTest, SoilAndAsphaltRowsOfOneProject) {
  EXPECT_TRUE(feedFile(QStringLiteral("n2600a/soil_asphalt.txt")).isEmpty());
  EXPECT_EQ(parse.retrn_message(), QStringLiteral("12.5 "));
  EXPECT_EQ(gaugetest::tableNames(), QStringList{QStringLiteral("P125")});
  const auto rows = project(QStringLiteral("P125"));
  ASSERT_EQ(rows.size(), 5);
  const QSqlRecord& soil = rows[0];
  EXPECT_EQ(soil.value("ID").toString(), QStringLiteral("12.5"));
  EXPECT_EQ(soil.value("RDNUM").toInt(), 1);
  EXPECT_EQ(soil.value("SERNUM").toInt(), 12345);
  EXPECT_EQ(soil.value("CDATE").toString(), QStringLiteral("01/15/05"));
  EXPECT_EQ(soil.value("RDATE").toString(), QStringLiteral("06/01/04"));
  EXPECT_EQ(soil.value("DPT").toString(), QStringLiteral("6"));
  EXPECT_EQ(soil.value("SA").toString(), QStringLiteral("S"));
  const std::pair<const char*, float> soilValues[] = {
      {"STAT", 100},   {"OFFSET", 1.5F}, {"KVAL", 0.5F},  {"PADJ", 0},     {"DSTD", 2350},
      {"MSTD", 650},   {"DCNT", 1801},   {"MCNT", 321},   {"SPG", 2.7F},   {"PAV", 5},
      {"MAXD", 135.5F}, {"WETD", 120.1F}, {"DRYD", 110.3F}, {"WAT", 9.8F}, {"PWAT", 8.9F},
      {"PCOMP", 96.5F}};
  for (const auto& [field, value] : soilValues) EXPECT_FLOAT_EQ(soil.value(field).toFloat(), value) << field;
  EXPECT_TRUE(soil.isNull("PAC"));
  EXPECT_TRUE(soil.isNull("DENS"));
  EXPECT_FLOAT_EQ(rows[1].value("OFFSET").toFloat(), -2);
  const QSqlRecord& asphalt = rows[3];
  EXPECT_EQ(asphalt.value("RDNUM").toInt(), 4);
  EXPECT_EQ(asphalt.value("SA").toString(), QStringLiteral("A"));
  EXPECT_FLOAT_EQ(asphalt.value("PAC").toFloat(), 140.2F);
  EXPECT_FLOAT_EQ(asphalt.value("DENS").toFloat(), 93.3F);
  EXPECT_FLOAT_EQ(asphalt.value("PCOMP").toFloat(), 97.7F);
  for (const char* field : {"WETD", "DRYD", "WAT", "PWAT"}) EXPECT_TRUE(asphalt.isNull(field)) << field;
  EXPECT_FLOAT_EQ(rows[4].value("OFFSET").toFloat(), 1.25F);
}

// The summary of the first report is skipped; the second report's title
// gives its rows their serial number (digits only) and calibration date.
TEST_F(N2600AParserTest, TheSameProjectInTwoReportsFillsOneTable) {
  EXPECT_TRUE(feedFile(QStringLiteral("n2600a/two_reports.txt"), Feeder::ProjectFile).isEmpty());
  EXPECT_EQ(parse.retrn_message(), QStringLiteral("7 12.5 "));
  const auto seven = project(QStringLiteral("P7"));
  ASSERT_EQ(seven.size(), 4);
  const int numbers[] = {1, 2, 4, 5};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(seven[i].value("RDNUM").toInt(), numbers[i]);
  EXPECT_EQ(seven[1].value("SERNUM").toInt(), 12345);
  EXPECT_EQ(seven[2].value("SERNUM").toInt(), 12346);
  EXPECT_EQ(seven[2].value("CDATE").toString(), QStringLiteral("02/20/06"));
  EXPECT_FLOAT_EQ(seven[3].value("PCOMP").toFloat(), 100);
  EXPECT_EQ(project(QStringLiteral("P125")).size(), 1);
}

// A four-digit reading number follows the line end with no blank before it.
TEST_F(N2600AParserTest, ReadingNumbersFrom1000AreStored) {
  EXPECT_TRUE(feedFile(QStringLiteral("n2600a/rdnum_1000.txt")).isEmpty());
  const auto rows = project(QStringLiteral("P3"));
  ASSERT_EQ(rows.size(), 7);
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(rows[i].value("RDNUM").toInt(), 997 + i);
    EXPECT_FLOAT_EQ(rows[i].value("STAT").toFloat(), 997.0F + i);
    EXPECT_FLOAT_EQ(rows[i].value("PCOMP").toFloat(), 96);
  }
}

TEST_F(N2600AParserTest, IdsDifferingOnlyByTheirDotsShareOneTable) {
  EXPECT_TRUE(feedFile(QStringLiteral("n2600a/dotted_ids.txt")).isEmpty());
  EXPECT_EQ(parse.retrn_message(), QStringLiteral("12.5 125 "));
  const auto rows = project(QStringLiteral("P125"));
  ASSERT_EQ(rows.size(), 2);
  EXPECT_EQ(rows[0].value("ID").toString(), QStringLiteral("12.5"));
  EXPECT_EQ(rows[1].value("ID").toString(), QStringLiteral("125"));
}

// A bad value fails its row once; the rows before and after it are stored.
TEST_F(N2600AParserTest, GarbageDropsItsRowAndACutOffRowIsNotStored) {
  const auto answers = feedFile(QStringLiteral("n2600a/garbage_cut_off.txt"));
  ASSERT_EQ(answers.size(), 1);
  EXPECT_EQ(answers[0].result, status::ParseFailed);
  EXPECT_EQ(parse.retrn_message(), QStringLiteral("5 "));
  const auto rows = project(QStringLiteral("P5"));
  ASSERT_EQ(rows.size(), 2);
  EXPECT_EQ(rows[0].value("RDNUM").toInt(), 1);
  EXPECT_EQ(rows[1].value("RDNUM").toInt(), 3);
  EXPECT_FLOAT_EQ(rows[1].value("PCOMP").toFloat(), 97);
}

TEST_F(N2600AParserTest, ARepeatedReadingNumberFailsAndTheFirstStays) {
  const QByteArray row2 = QByteArray(SoilRow).replace("120.1", "999.9");
  const auto answers = feedText(report("12345   CALIBRATION DATE:01/15/05", SoilRow + "\r\n" + row2));
  ASSERT_EQ(answers.size(), 1);
  EXPECT_EQ(answers[0].result, status::ParseFailed);
  const auto rows = project(QStringLiteral("P8"));
  ASSERT_EQ(rows.size(), 1);
  EXPECT_FLOAT_EQ(rows[0].value("WETD").toFloat(), 120.1F);
}

// The serial number needs two characters before a blank ends it and keeps
// digits only; the calibration date ends at the line end.
TEST_F(N2600AParserTest, SerialNumberAndCalibrationDateCapture) {
  feedText(report("5 6-78   CALIBRATION DATE:01/15/05", SoilRow));
  const auto rows = project(QStringLiteral("P8"));
  ASSERT_EQ(rows.size(), 1);
  EXPECT_EQ(rows[0].value("SERNUM").toInt(), 5678);
  EXPECT_EQ(rows[0].value("CDATE").toString(), QStringLiteral("01/15/05"));
}

TEST_F(N2600AParserTest, ASerialNumberTooLongForItsFieldIsStoredAsMissing) {
  EXPECT_TRUE(feedText(report("99999999999   CALIBRATION DATE: 01/15/05", SoilRow)).isEmpty());
  const auto rows = project(QStringLiteral("P8"));
  ASSERT_EQ(rows.size(), 1);
  EXPECT_TRUE(rows[0].isNull("SERNUM"));
  EXPECT_EQ(rows[0].value("CDATE").toString(), QStringLiteral("01/15/05"));
}

TEST_F(N2600AParserTest, NeverReportsTheEndAndSurvivesNoise) {
  QByteArray noise;
  for (int i = 0; i < 4000; ++i) noise += static_cast<char>(i % 97 == 0 ? 13 : 32 + (i * 37) % 59);
  for (const Answer& answer : gaugetest::feed(parse, &Parse::Parse_N2600A, noise, Feeder::Serial, 5))
    EXPECT_NE(answer.result, status::ParseComplete);
  parse.DeInit();
  EXPECT_EQ(parse.Parse_N2600A(u" "), status::NoValue);
}

}  // namespace
}  // namespace instrument
