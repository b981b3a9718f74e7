#include "instrument/t7310/StiffnessParser.h"

#include <gtest/gtest.h>

#include "../GaugeFeed.h"
#include "instrument/DeviceType.h"
#include "instrument/Parse.h"
#include "instrument/StatusCodes.h"
#include "support/TempProgramFolder.h"
#include "support/TestData.h"

namespace instrument {
namespace {

using gaugetest::Answer;
using gaugetest::Feeder;

const QString Bin = QStringLiteral("BIN_NUMBER");

class StiffnessParserTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(parse.Initit(), status::Ok); }

  // The serial feed, with a few empty reads after every line end.
  QList<Answer> feedFile(const QString& name, Feeder feeder = Feeder::Serial) {
    const auto answers = gaugetest::feed(parse, &Parse::Parse_T7310, testsupport::readData(name), feeder, 3);
    parse.DeInit();
    return answers;
  }
  QList<Answer> feedText(const QByteArray& text) {
    const auto answers = gaugetest::feed(parse, &Parse::Parse_T7310, text);
    parse.DeInit();
    return answers;
  }
  static QList<QSqlRecord> run(const QString& table) { return gaugetest::rows(table, Bin); }

  testsupport::TempProgramFolder folder;
  Parse parse;
};

QString runList(int first, int last) {
  QString list;
  for (int n = first; n <= last; ++n) list += QStringLiteral("RUN%1 ").arg(n);
  return list;
}

// A run number names its table by its value, so that the saved run, whose
// number is written as a whole number, reopens into the same table.
TEST_F(StiffnessParserTest, APaddedRunNumberNamesTheTableByItsValue) {
  EXPECT_TRUE(feedFile(QStringLiteral("t7310/padded_run_number.txt")).isEmpty());
  EXPECT_EQ(parse.retrn_message(), QStringLiteral("RUN5 "));
  const auto rows = run(QStringLiteral("RUN5"));
  ASSERT_EQ(rows.size(), 2);
  EXPECT_EQ(rows[0].value("RUN_NUMBER").toInt(), 5);
}

// "1.5" made the table RUN15 holding run number 2, which reopened as RUN2.
TEST_F(StiffnessParserTest, AFractionalRunNumberRefusesThatRunWhole) {
  const auto answers = feedFile(QStringLiteral("t7310/fractional_run_number.txt"));
  ASSERT_EQ(answers.size(), 1);
  EXPECT_EQ(answers[0].result, status::StiffnessRejected);
  EXPECT_EQ(parse.retrn_message(), QStringLiteral("RUN6 "));
  EXPECT_EQ(run(QStringLiteral("RUN6")).size(), 1);
}

TEST_F(StiffnessParserTest, RunHeaderAndBinRowsAreStored) {
  EXPECT_TRUE(feedFile(QStringLiteral("t7310/one_run.txt")).isEmpty());
  EXPECT_EQ(parse.retrn_message(), QStringLiteral("RUN5 "));
  const auto rows = run(QStringLiteral("RUN5"));
  ASSERT_EQ(rows.size(), 2);
  const QSqlRecord& header = rows[0];
  EXPECT_EQ(header.value("BIN_NUMBER").toInt(), 0);
  EXPECT_EQ(header.value("RUN_NUMBER").toInt(), 5);
  EXPECT_FLOAT_EQ(header.value("MEASURE").toFloat(), 1.5F);
  EXPECT_FLOAT_EQ(header.value("CALFACTOR").toFloat(), 0.98F);
  EXPECT_EQ(header.value("DATE").toString(), QStringLiteral("06/01/2004"));
  EXPECT_EQ(header.value("TIME").toString(), QStringLiteral("10:20:30"));
  EXPECT_TRUE(header.isNull("FREQUENCY"));
  const QSqlRecord& bin = rows[1];
  EXPECT_EQ(bin.value("BIN_NUMBER").toInt(), 1);
  EXPECT_TRUE(bin.isNull("RUN_NUMBER"));
  EXPECT_EQ(bin.value("FREQUENCY").toInt(), 100);
  const char* values[] = {"REAL_DISPL_ND", "REAL_FORCE_ND", "IMAG_DISPL_ND", "IMAG_FORCE_ND",
                          "REAL_DISPL_SD", "REAL_FORCE_SD", "IMAG_DISPL_SD", "IMAG_FORCE_SD"};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(bin.value(values[i]).toInt(), i + 1) << values[i];
  EXPECT_EQ(bin.value("NOISE_OL_FLAG").toInt(), 0);
  EXPECT_EQ(bin.value("SIGNL_OL_FLAG").toInt(), 0);
  EXPECT_FLOAT_EQ(bin.value("DSNR").toFloat(), 12.5F);
  EXPECT_FLOAT_EQ(bin.value("FSNR").toFloat(), 13.2F);
}

// The gauge's own form (marker alone, values on their own lines) and the
// saved-file form (mixed-case labels reach the parser in capitals only).
TEST_F(StiffnessParserTest, GaugeAndSavedFileFormsGiveTheSameRuns) {
  EXPECT_TRUE(feedFile(QStringLiteral("t7310/three_runs.txt"), Feeder::ProjectFile).isEmpty());
  EXPECT_EQ(parse.retrn_message(), QStringLiteral("RUN1 RUN2 RUN3 "));
  const auto first = run(QStringLiteral("RUN1"));
  ASSERT_EQ(first.size(), 4);
  EXPECT_FLOAT_EQ(first[0].value("MEASURE").toFloat(), 2.25F);
  EXPECT_EQ(first[0].value("TIME").toString(), QStringLiteral("08:00:01"));
  EXPECT_EQ(first[3].value("BIN_NUMBER").toInt(), 3);
  EXPECT_EQ(first[3].value("REAL_FORCE_ND").toInt(), -37);
  EXPECT_EQ(first[3].value("NOISE_OL_FLAG").toInt(), 1);
  EXPECT_EQ(run(QStringLiteral("RUN2")).size(), 2);
  const auto third = run(QStringLiteral("RUN3"));
  ASSERT_EQ(third.size(), 3);
  EXPECT_FLOAT_EQ(third[0].value("MEASURE").toFloat(), 4.75F);
  EXPECT_EQ(third[2].value("IMAG_FORCE_SD").toInt(), -8);
  EXPECT_FLOAT_EQ(third[2].value("DSNR").toFloat(), 9.25F);
  EXPECT_FLOAT_EQ(third[2].value("FSNR").toFloat(), 11.0F);
}

TEST_F(StiffnessParserTest, FromThe21stRunOnlyHeaderRowsInThe21stRunsTable) {
  EXPECT_TRUE(feedFile(QStringLiteral("t7310/runs_1_to_25.txt")).isEmpty());
  EXPECT_EQ(parse.retrn_message(), runList(1, 21));
  EXPECT_EQ(gaugetest::tableNames().size(), 21);
  for (int n = 1; n <= 20; ++n) EXPECT_EQ(run(QStringLiteral("RUN%1").arg(n)).size(), 4) << n;
  const auto later = run(QStringLiteral("RUN21"));
  ASSERT_EQ(later.size(), 5);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(later[i].value("BIN_NUMBER").toInt(), 21 + i);
    EXPECT_EQ(later[i].value("RUN_NUMBER").toInt(), 21 + i);
    EXPECT_TRUE(later[i].isNull("FREQUENCY"));
  }
  EXPECT_EQ(later[4].value("TIME").toString(), QStringLiteral("10:24:30"));
  EXPECT_EQ(parse.laterRunsTable(), QStringLiteral("RUN21"));
}

// A run's header line alone is no complete run: a printout that stops there
// stops inside that run, though at the end of a line.
TEST_F(StiffnessParserTest, AfterARunsHeaderLineTheParserStandsInsideThatRunUntilABinLineIsComplete) {
  gaugetest::feed(parse, &Parse::Parse_T7310, "R#, 4,M:, 1.8,CF:, 0.97,D:, 09/05/2006,T:, 14:02:11\r");
  EXPECT_FALSE(parse.standsBetweenRecords(DeviceType::T7310));
  EXPECT_TRUE(parse.standsAtLineEnd(DeviceType::T7310));
  EXPECT_EQ(parse.recordCutOff(DeviceType::T7310), QStringLiteral("RUN4"));
  gaugetest::feed(parse, &Parse::Parse_T7310, "1,100,110,-30,12,2,3,4,5,6,0,0,22.5 28.0\r");
  EXPECT_TRUE(parse.standsBetweenRecords(DeviceType::T7310));
  EXPECT_TRUE(parse.recordCutOff(DeviceType::T7310).isEmpty());
  EXPECT_TRUE(parse.laterRunsTable().isEmpty());
}

TEST_F(StiffnessParserTest, RunsNumberedFrom101KeepLaterHeadersInTheTableOfRun121) {
  feedFile(QStringLiteral("t7310/runs_101_to_125.txt"));
  EXPECT_EQ(parse.retrn_message(), runList(101, 121));
  EXPECT_EQ(run(QStringLiteral("RUN120")).size(), 3);
  const auto later = run(QStringLiteral("RUN121"));
  ASSERT_EQ(later.size(), 5);
  EXPECT_EQ(later[0].value("RUN_NUMBER").toInt(), 121);
  EXPECT_EQ(later[4].value("BIN_NUMBER").toInt(), 125);
}

// The saved file pads a one-character ratio, leaving two blanks between them.
TEST_F(StiffnessParserTest, RatiosAreSplitOnRunsOfBlanks) {
  EXPECT_TRUE(feedFile(QStringLiteral("t7310/padded_ratios.txt"), Feeder::ProjectFile).isEmpty());
  const auto rows = run(QStringLiteral("RUN8"));
  ASSERT_EQ(rows.size(), 4);
  const float expected[][2] = {{12.5F, 5}, {7, 13}, {3, 4}};
  for (int i = 0; i < 3; ++i) {
    EXPECT_FLOAT_EQ(rows[i + 1].value("DSNR").toFloat(), expected[i][0]);
    EXPECT_FLOAT_EQ(rows[i + 1].value("FSNR").toFloat(), expected[i][1]);
  }
}

TEST_F(StiffnessParserTest, OneRatioLeavesTheSecondEmptyAndNoRatioIsRejected) {
  const QByteArray text =
      "R#,1,M:,1,CF:,1,D:,X,T:,Y\r1,100,1,2,3,4,5,6,7,8,0,0,12.5\r2,104,1,2,3,4,5,6,7,8,0,0,\r";
  EXPECT_EQ(feedText(text), (QList<Answer>{{text.size() - 1, status::StiffnessRejected}}));
  const auto rows = run(QStringLiteral("RUN1"));
  ASSERT_EQ(rows.size(), 2);
  EXPECT_FLOAT_EQ(rows[1].value("DSNR").toFloat(), 12.5F);
  EXPECT_TRUE(rows[1].isNull("FSNR"));
}

TEST_F(StiffnessParserTest, ARepeatedRunIsSkippedAndTheFirstKept) {
  EXPECT_TRUE(feedFile(QStringLiteral("t7310/repeated_run.txt")).isEmpty());
  EXPECT_EQ(parse.retrn_message(), QStringLiteral("RUN1 RUN2 RUN3 "));
  const auto first = run(QStringLiteral("RUN1"));
  ASSERT_EQ(first.size(), 3);
  EXPECT_FLOAT_EQ(first[0].value("MEASURE").toFloat(), 1.5F);
  EXPECT_EQ(first[1].value("REAL_DISPL_ND").toInt(), 1);
  EXPECT_EQ(run(QStringLiteral("RUN3")).size(), 2);
}

TEST_F(StiffnessParserTest, ARepeatedHeaderOnlyRunIsSkipped) {
  QByteArray text;
  for (int n = 1; n <= 22; ++n) text += QStringLiteral("R#,%1,M:,1,CF:,1,D:,X,T:,Y\r").arg(n).toLatin1();
  text += "R#,22,M:,9,CF:,9,D:,Z,T:,Z\rR#,23,M:,1,CF:,1,D:,X,T:,Y\r";
  EXPECT_TRUE(feedText(text).isEmpty());
  const auto later = run(QStringLiteral("RUN21"));
  ASSERT_EQ(later.size(), 3);
  EXPECT_FLOAT_EQ(later[1].value("MEASURE").toFloat(), 1.0F);
  EXPECT_EQ(later[2].value("RUN_NUMBER").toInt(), 23);
}

// A rejected ratio and an out-of-range value each answer 9876 once; the run
// marker after them starts afresh and nothing stored before is lost.
TEST_F(StiffnessParserTest, RejectedValuesAnswer9876AndTheNextRunIsRead) {
  const QByteArray text = testsupport::readData(QStringLiteral("t7310/garbage.txt"));
  const auto answers = gaugetest::feed(parse, &Parse::Parse_T7310, text);
  parse.DeInit();
  ASSERT_EQ(answers.size(), 2);
  EXPECT_EQ(answers[0].result, status::StiffnessRejected);
  EXPECT_EQ(text.mid(answers[0].position - 2, 3), QByteArray("X?\r"));
  EXPECT_EQ(answers[1].result, status::StiffnessRejected);
  EXPECT_EQ(text.mid(answers[1].position - 11, 12), QByteArray("99999999999,"));
  EXPECT_EQ(parse.retrn_message(), QStringLiteral("RUN1 RUN2 RUN3 "));
  EXPECT_EQ(run(QStringLiteral("RUN1")).size(), 2);
  EXPECT_EQ(run(QStringLiteral("RUN2")).size(), 1);
  EXPECT_EQ(run(QStringLiteral("RUN3")).size(), 3);
}

TEST_F(StiffnessParserTest, ACutOffPrintoutKeepsTheRowsBeforeTheCut) {
  EXPECT_TRUE(feedFile(QStringLiteral("t7310/cut_off.txt")).isEmpty());
  EXPECT_EQ(parse.retrn_message(), QStringLiteral("RUN1 RUN2 "));
  EXPECT_EQ(run(QStringLiteral("RUN1")).size(), 2);
  EXPECT_EQ(run(QStringLiteral("RUN2")).size(), 2);
}

TEST_F(StiffnessParserTest, AMarkerInsideABinLeavesTheHalfBinUnsaved) {
  feedText("R#,1,M:,1,CF:,1,D:,X,T:,Y\r1,100,1,2,3,4,5,6,7,8,0,0,1 2\r2,104,1,2,#,2,M:,1,CF:,1,D:,X,T:,Y\r");
  EXPECT_EQ(run(QStringLiteral("RUN1")).size(), 2);
  EXPECT_EQ(run(QStringLiteral("RUN2")).size(), 1);
}

TEST_F(StiffnessParserTest, GarbageNeverEndsTheParseOrCrashes) {
  QByteArray noise;
  for (int i = 0; i < 4000; ++i) noise += static_cast<char>(32 + (i * 37) % 59);
  for (char c : noise) {
    const QChar ch(static_cast<uchar>(c));
    EXPECT_NE(parse.Parse_T7310(QStringView(&ch, 1)), status::ParseComplete);
  }
  EXPECT_EQ(parse.Parse_T7310(QStringView()), status::NoValue);
  parse.DeInit();
  EXPECT_EQ(parse.Parse_T7310(u","), status::NoValue);
}

// The state does not advance past a rejected run number, so the measure is
// tried as the run number next.
TEST_F(StiffnessParserTest, WithoutADatabaseEveryRunIsRejected) {
  parse.DeInit();
  EXPECT_EQ(feedText("R#,1,M:,1\r"),
            (QList<Answer>{{4, status::StiffnessRejected}, {9, status::StiffnessRejected}}));
  EXPECT_TRUE(parse.retrn_message().isEmpty());
}

}  // namespace
}  // namespace instrument
