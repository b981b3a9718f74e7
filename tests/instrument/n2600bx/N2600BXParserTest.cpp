#include "instrument/n2600bx/N2600BXParser.h"

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

class N2600BXParserTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(parse.Initit(), status::Ok); }

  // The serial feed stops at 89, with a few empty reads after every line end.
  QList<Answer> feedFile(const QString& name, Feeder feeder = Feeder::Serial) {
    return feedText(testsupport::readData(name), feeder);
  }
  QList<Answer> feedText(const QByteArray& text, Feeder feeder = Feeder::Serial) {
    const auto answers = gaugetest::feed(parse, &Parse::Parse_N2600BX, text, feeder, 3, true);
    parse.DeInit();
    return answers;
  }
  static QList<QSqlRecord> project(const QString& table) { return gaugetest::rows(table, QStringLiteral("RDNUM")); }

  testsupport::TempProgramFolder folder;
  Parse parse;
};

const QByteArray ProjectLine = "PROJECT ID: 4 DATE: 06/01/2004 D STD=2350 M STD=650 KVAL=0.95  SPG=2.7 MAXD=135.5 LOWD=120.5\r\n";

TEST_F(N2600BXParserTest, HeaderRecordAndReadingsOfOneProject) {
  const QByteArray text = testsupport::readData(QStringLiteral("n2600bx/one_project.txt"));
  const auto answers = feedText(text);
  EXPECT_EQ(answers, (QList<Answer>{{text.lastIndexOf('.'), status::ParseComplete}}));
  EXPECT_EQ(parse.retrn_message(), QStringLiteral("4.5 "));
  EXPECT_EQ(gaugetest::tableNames(), QStringList{QStringLiteral("P45")});
  const auto rows = project(QStringLiteral("P45"));
  ASSERT_EQ(rows.size(), 4);
  const QSqlRecord& header = rows[0];
  EXPECT_EQ(header.value("RDNUM").toInt(), 0);
  EXPECT_EQ(header.value("ID").toString(), QStringLiteral("4.5"));
  EXPECT_EQ(header.value("SERNUM").toInt(), 54321);
  EXPECT_EQ(header.value("CDATE").toString(), QStringLiteral("03/04/05"));
  EXPECT_EQ(header.value("DATE").toString(), QStringLiteral("06/01/2004"));
  const std::pair<const char*, float> standards[] = {{"DSTD", 2350}, {"MSTD", 650},    {"KVAL", 0.95F},
                                                     {"SPG", 2.7F},  {"MAXD", 135.5F}, {"LOWD", 120.5F}};
  for (const auto& [field, value] : standards) EXPECT_FLOAT_EQ(header.value(field).toFloat(), value) << field;
  EXPECT_TRUE(header.isNull("TIME"));

  const QSqlRecord& reading = rows[1];
  EXPECT_EQ(reading.value("RDNUM").toInt(), 1);
  const std::pair<const char*, const char*> texts[] = {
      {"TIME", "10:42"}, {"STAT1TO", "10+00"}, {"STAT1", "10+50"}, {"OFFSET", "2.5L"},
      {"STAT2", "11+00"}, {"LANE", "L1"},      {"DPT", "6"},       {"SA", "S"},  {"VR", "OK"}};
  for (const auto& [field, value] : texts) EXPECT_EQ(reading.value(field).toString(), QString(value)) << field;
  const std::pair<const char*, float> numbers[] = {{"ADJ", 0},       {"DC", 1800},  {"MC", 320},
                                                   {"AV", 4.5F},     {"WD", 122.4F}, {"DD", 112.1F},
                                                   {"M", 10.3F},     {"PERCM", 8.5F}, {"PERC_COMP", 97.2F}};
  for (const auto& [field, value] : numbers) EXPECT_FLOAT_EQ(reading.value(field).toFloat(), value) << field;
  EXPECT_TRUE(reading.isNull("ID"));
  EXPECT_EQ(rows[2].value("SA").toString(), QStringLiteral("A"));
  EXPECT_EQ(rows[2].value("VR").toString(), QStringLiteral("BAD"));
  EXPECT_EQ(rows[3].value("VR").toString(), QStringLiteral("OK"));  // written at the comma after VR
}

// A project met again reopens its table and discards its new header values;
// the summary line stores nothing; empty percentages store no value.
TEST_F(N2600BXParserTest, AKnownProjectAddsItsReadingsToItsTable) {
  const auto answers = feedFile(QStringLiteral("n2600bx/known_project.txt"), Feeder::ProjectFile);
  EXPECT_TRUE(answers.isEmpty());
  EXPECT_EQ(parse.retrn_message(), QStringLiteral("4.5 7 "));
  const auto first = project(QStringLiteral("P45"));
  ASSERT_EQ(first.size(), 5);
  EXPECT_EQ(first[0].value("DATE").toString(), QStringLiteral("06/01/2004"));
  EXPECT_FLOAT_EQ(first[0].value("DSTD").toFloat(), 2350);
  EXPECT_TRUE(first[2].isNull("PERCM"));
  EXPECT_TRUE(first[2].isNull("PERC_COMP"));
  EXPECT_EQ(first[3].value("RDNUM").toInt(), 3);
  EXPECT_EQ(first[4].value("TIME").toString(), QStringLiteral("13:20"));
  const auto seven = project(QStringLiteral("P7"));
  ASSERT_EQ(seven.size(), 2);
  EXPECT_EQ(seven[0].value("ID").toString(), QStringLiteral("7"));
  EXPECT_FLOAT_EQ(seven[0].value("LOWD").toFloat(), 125.25F);
}

TEST_F(N2600BXParserTest, ReadingsOfFifteenCommasEndWithM) {
  const auto answers = feedFile(QStringLiteral("n2600bx/fifteen_commas.txt"));
  ASSERT_EQ(answers.size(), 1);
  EXPECT_EQ(answers[0].result, status::ParseComplete);
  const auto rows = project(QStringLiteral("P9"));
  ASSERT_EQ(rows.size(), 3);
  EXPECT_FLOAT_EQ(rows[2].value("M").toFloat(), 10.3F);
  EXPECT_EQ(rows[2].value("TIME").toString(), QStringLiteral("10:50"));
  for (const char* field : {"PERCM", "PERC_COMP", "VR"}) EXPECT_TRUE(rows[2].isNull(field)) << field;
}

// The 1001st empty call in a row ends the report; a character starts the
// count again.
TEST_F(N2600BXParserTest, TheThousandAndFirstEmptyCallEndsTheReport) {
  for (int i = 0; i < 1000; ++i) ASSERT_EQ(parse.Parse_N2600BX(QStringView()), status::NoValue);
  EXPECT_EQ(parse.Parse_N2600BX(u"\r"), status::NoValue);
  for (int i = 0; i < 1000; ++i) ASSERT_EQ(parse.Parse_N2600BX(QStringView()), status::NoValue) << i;
  EXPECT_EQ(parse.Parse_N2600BX(QStringView()), status::ParseComplete);
  EXPECT_EQ(parse.Parse_N2600BX(QStringView()), status::ParseComplete);
}

TEST_F(N2600BXParserTest, EndLineOnlyAtTheStartOfALine) {
  EXPECT_TRUE(feedText("X B   .\r").isEmpty());
  const QByteArray text = " 1\r B   .";
  EXPECT_EQ(feedText(text), (QList<Answer>{{text.size() - 1, status::ParseComplete}}));
}

// Serial number and calibration date printed after the projects reach the
// header records at character 253, which then closes the database.
TEST_F(N2600BXParserTest, FillInAt253GivesHeadersTheSerialNumber) {
  const QByteArray text = testsupport::readData(QStringLiteral("n2600bx/serial_after.txt"));
  EXPECT_TRUE(gaugetest::feed(parse, &Parse::Parse_N2600BX, text, Feeder::ProjectFile).isEmpty());
  EXPECT_FALSE(parse.Parse_N2600BX(u"P") == status::ParseFailed);
  parse.DeInit();
  EXPECT_EQ(parse.retrn_message(), QStringLiteral("1 2.5 "));
  for (const QString table : {QStringLiteral("P1"), QStringLiteral("P25")}) {
    const auto rows = project(table);
    ASSERT_EQ(rows.size(), 2) << table.toStdString();
    EXPECT_EQ(rows[0].value("SERNUM").toInt(), 54321);
    EXPECT_EQ(rows[0].value("CDATE").toString(), QStringLiteral("03/04/05"));
    EXPECT_TRUE(rows[1].isNull("SERNUM"));
  }
}

// A project whose header never completed has readings only: its first
// reading takes no serial number or calibration date at character 253.
TEST_F(N2600BXParserTest, FillInAt253LeavesReadingsOfAProjectWithoutHeader) {
  QByteArray text = testsupport::readData(QStringLiteral("n2600bx/serial_after.txt"));
  const qsizetype secondProject = text.indexOf("PROJECT ID: 2.5");
  ASSERT_GE(secondProject, 0);
  text.replace(text.indexOf("LOWD", secondProject), 4, "MOWD");
  gaugetest::feed(parse, &Parse::Parse_N2600BX, text, Feeder::ProjectFile);
  parse.DeInit();
  EXPECT_EQ(project(QStringLiteral("P1"))[0].value("SERNUM").toInt(), 54321);
  const auto rows = project(QStringLiteral("P25"));
  ASSERT_EQ(rows.size(), 1);
  EXPECT_EQ(rows[0].value("RDNUM").toInt(), 1);
  EXPECT_TRUE(rows[0].isNull("SERNUM"));
  EXPECT_TRUE(rows[0].isNull("CDATE"));
}

TEST_F(N2600BXParserTest, WithoutCharacter253HeadersKeepNoSerialNumber) {
  QByteArray text = testsupport::readData(QStringLiteral("n2600bx/serial_after.txt"));
  text.truncate(text.indexOf(char(253)));
  feedText(text, Feeder::ProjectFile);
  const auto rows = project(QStringLiteral("P1"));
  ASSERT_EQ(rows.size(), 2);
  EXPECT_TRUE(rows[0].isNull("SERNUM"));
  EXPECT_TRUE(rows[0].isNull("CDATE"));
}

// A value that fails is dropped without taking the next one with it; the
// reading is still written. A cut-off reading is not written.
TEST_F(N2600BXParserTest, ABadValueIsDroppedAndACutOffReadingLost) {
  const auto answers = feedFile(QStringLiteral("n2600bx/garbage_cut_off.txt"));
  ASSERT_EQ(answers.size(), 1);
  EXPECT_EQ(answers[0].result, status::ParseFailed);
  const auto rows = project(QStringLiteral("P6"));
  ASSERT_EQ(rows.size(), 4);
  EXPECT_TRUE(rows[2].isNull("DC"));
  EXPECT_FLOAT_EQ(rows[2].value("MC").toFloat(), 320);
  EXPECT_EQ(rows[2].value("VR").toString(), QStringLiteral("OK"));
  EXPECT_EQ(rows[3].value("RDNUM").toInt(), 3);
}

// A failing last value ends its line all the same: the next line does not
// write into the failed record.
TEST_F(N2600BXParserTest, AFailedLineEndDropsItsRecord) {
  const QByteArray text = ProjectLine + "1,A,B,C,D,E,F,G,H,1,2,3,4,5,6,X\r\n2,A,B,C,D,E,F,G,H,1,2,3,4,5,6,7\r\n";
  const auto answers = feedText(text);
  ASSERT_EQ(answers.size(), 1);
  EXPECT_EQ(answers[0].result, status::ParseFailed);
  const auto rows = project(QStringLiteral("P4"));
  ASSERT_EQ(rows.size(), 2);
  EXPECT_EQ(rows[1].value("RDNUM").toInt(), 2);
  EXPECT_FLOAT_EQ(rows[1].value("M").toFloat(), 7);
}

// A standard needs two characters before its blank; a shorter one reads back
// empty and takes the next standard with it.
TEST_F(N2600BXParserTest, OneCharacterStandardTakesTheNextWithIt) {
  QByteArray text = ProjectLine;
  text.replace("M STD=650", "M STD=6");
  feedText(text);
  const auto rows = project(QStringLiteral("P4"));
  ASSERT_EQ(rows.size(), 1);
  EXPECT_TRUE(rows[0].isNull("MSTD"));
  EXPECT_TRUE(rows[0].isNull("KVAL"));
  EXPECT_FLOAT_EQ(rows[0].value("SPG").toFloat(), 2.7F);
}

TEST_F(N2600BXParserTest, ShortLabelsNameTheProjectAndItsDate) {
  feedText("P ID: 12 D: 01/02/2003 LOWD=5.5\r\n 1,A\r\n");
  EXPECT_EQ(parse.retrn_message(), QStringLiteral("12 "));
  const auto rows = project(QStringLiteral("P12"));
  ASSERT_EQ(rows.size(), 1);
  EXPECT_EQ(rows[0].value("DATE").toString(), QStringLiteral("01/02/2003"));
  EXPECT_FLOAT_EQ(rows[0].value("LOWD").toFloat(), 5.5F);
}

TEST_F(N2600BXParserTest, ARepeatedReadingNumberFailsAndTheFirstStays) {
  const QByteArray line = "5,A,B,C,D,E,F,G,H,1,2,3,4,5,6,7\r\n";
  EXPECT_EQ(feedText(ProjectLine + line + line).size(), 1);
  EXPECT_EQ(project(QStringLiteral("P4")).size(), 2);
}

const QByteArray Heading =
    "RD #,  TIME, STAT1 TO,  STAT1, OFFSET,  STAT2, LANE, DPT, S/A,   %ADJ,       DC,       MC,    %AV,     WD,     "
    "DD,      M,     %M,  %COMP,     VR\r\n";
const QByteArray FirstReading = "   1, 10:42, 10+00, 10+50, 2.5L, 11+00, L1, 6, S, 0, 1800, 320, 4.5, 122.4, 112.1, "
                                "10.3, 8.5, 97.2, OK\r\n";

// A column-heading line stores nothing, whatever its last word; commas on a
// project line (after a standard) start no reading that a later line could
// complete, and leave the next lines' columns where they belong.
TEST_F(N2600BXParserTest, HeadingLinesAndCommasOnAProjectLineStoreNoReading) {
  QByteArray heading = Heading;
  heading.replace("VR", "XR");
  EXPECT_EQ(feedText(ProjectLine + " \r\n" + heading + FirstReading).size(), 0) << "no value failed";
  auto rows = project(QStringLiteral("P4"));
  ASSERT_EQ(rows.size(), 2);
  EXPECT_EQ(rows[0].value("RDNUM").toInt(), 0);
  EXPECT_EQ(rows[1].value("VR").toString(), QStringLiteral("OK"));

  ASSERT_EQ(parse.Initit(), status::Ok);
  QByteArray projectLine = ProjectLine;
  projectLine.replace("MAXD=135.5", "MAXD=135.5,M:, 1.5,CF:, 0.98,D:, 06/01/2004,T:  .5");
  heading = Heading;
  heading.replace("     VR", "");
  feedText(projectLine + " \r\n" + heading + FirstReading);
  rows = project(QStringLiteral("P4"));
  ASSERT_EQ(rows.size(), 1);
  EXPECT_EQ(rows[0].value("RDNUM").toInt(), 1);
  EXPECT_EQ(rows[0].value("TIME").toString(), QStringLiteral("10:42"));
  EXPECT_EQ(rows[0].value("VR").toString(), QStringLiteral("OK"));
}

TEST_F(N2600BXParserTest, GarbageNeverCrashes) {
  QByteArray noise;
  for (int i = 0; i < 6000; ++i) noise += static_cast<char>(i % 89 == 0 ? 13 : 32 + (i * 41) % 59);
  gaugetest::feed(parse, &Parse::Parse_N2600BX, noise + char(253) + noise, Feeder::ProjectFile);
  parse.DeInit();
  EXPECT_NE(parse.Parse_N2600BX(u","), status::ParseComplete);
}

}  // namespace
}  // namespace instrument
