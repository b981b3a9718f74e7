#include "instrument/lx9100/LoadFrameParser.h"

#include <gtest/gtest.h>

#include "../PrintoutFeed.h"
#include "instrument/Parse.h"
#include "instrument/StatusCodes.h"
#include "support/TempProgramFolder.h"
#include "support/TestData.h"

namespace instrument {
namespace {

using testsupport::Feeder;
using testsupport::feedPrintout;
using testsupport::readTable;

const QVariant Null;

class LoadFrameParserTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(parse.Initit(), status::Ok); }

  QList<int> feed(const QByteArray& bytes, Feeder feeder = Feeder::Serial) {
    return feedPrintout(parse, &Parse::Parse_LX9100, bytes, feeder);
  }
  QList<int> feedFile(const QString& name) { return feed(testsupport::readData(QStringLiteral("lx9100/") + name)); }

  // One row as (READNUMBER, TIME, CH1..CH4, CH1NAME..CH4NAME).
  static QVariantList row(const QVariantMap& r) {
    QVariantList values;
    for (const char* f : {"READNUMBER", "TIME", "CH1", "CH2", "CH3", "CH4", "CH1NAME", "CH2NAME", "CH3NAME", "CH4NAME"})
      values << r.value(QString::fromLatin1(f));
    return values;
  }

  testsupport::TempProgramFolder folder;
  Parse parse;
};

TEST_F(LoadFrameParserTest, ExamplePrintoutGivesOneTableOfOneRow) {
  const QByteArray bytes = testsupport::readData(QStringLiteral("lx9100/example.txt"));
  const qsizetype lastD = bytes.lastIndexOf("END") + 2;
  EXPECT_TRUE(feed(bytes.left(lastD)).isEmpty());
  EXPECT_EQ(parse.Parse_LX9100(u"D"), status::ParseComplete);
  EXPECT_TRUE(feed(bytes.mid(lastD + 1)).isEmpty());
  EXPECT_EQ(parse.retrn_message(), QStringLiteral("CBR_LBR1 "));
  EXPECT_EQ(parse.Download_Status(), status::Ok);
  parse.DeInit();
  EXPECT_EQ(parse.retrn_message(), QStringLiteral("CBR_LBR1 "));
  const auto rows = readTable(QStringLiteral("CBR_LBR1"));
  ASSERT_EQ(rows.size(), 1);
  EXPECT_EQ(row(rows[0]), (QVariantList{1, QStringLiteral("00:00:05"), 1.2346, 2.0, 3.0, 4.0, QStringLiteral("(LOAD)"),
                                        QStringLiteral("NONE"), QStringLiteral("NONE"), QStringLiteral("()")}));
}

TEST_F(LoadFrameParserTest, SeveralTestsGetTheirOwnCountedTables) {
  EXPECT_EQ(feedFile(QStringLiteral("several_tests.txt")), QList<int>(4, status::ParseComplete));
  EXPECT_EQ(parse.retrn_message(), QStringLiteral("CBR_LBR1 MARSHALL1 CBR_LBR2 UC1 "));
  parse.DeInit();
  EXPECT_EQ(testsupport::workingTables(),
            (QStringList{QStringLiteral("CBR_LBR1"), QStringLiteral("CBR_LBR2"), QStringLiteral("MARSHALL1"), QStringLiteral("UC1")}));
  const auto cbr = readTable(QStringLiteral("CBR_LBR1"));
  ASSERT_EQ(cbr.size(), 3);
  EXPECT_EQ(row(cbr[1]), (QVariantList{2, QStringLiteral("00:00:02"), 12.5, 0.025, 0.0, 0.0, QStringLiteral("(LOAD)"),
                                       QStringLiteral("(PEN)"), QStringLiteral("NONE"), QStringLiteral("()")}));
  EXPECT_EQ(readTable(QStringLiteral("MARSHALL1")).size(), 2);
  // A test without a heading keeps the channel names of the test before.
  const auto second = readTable(QStringLiteral("CBR_LBR2"));
  ASSERT_EQ(second.size(), 1);
  EXPECT_EQ(row(second[0]), (QVariantList{1, QStringLiteral("00:00:04"), 5.0, 6.0, 7.0, 8.0, QStringLiteral("(STAB)"),
                                          QStringLiteral("(FLOW)"), QStringLiteral("(DEF)"), QStringLiteral("(EXTRA)")}));
  const auto uc = readTable(QStringLiteral("UC1"));
  ASSERT_EQ(uc.size(), 1);
  EXPECT_EQ(uc[0].value(QStringLiteral("CH1")).toDouble(), -3.5);
}

TEST_F(LoadFrameParserTest, OddLinesFollowTheColumnRules) {
  EXPECT_EQ(feedFile(QStringLiteral("odd_lines.txt")), QList<int>{status::ParseComplete});
  parse.DeInit();
  const auto rows = readTable(QStringLiteral("TRIAXIAL1"));
  ASSERT_EQ(rows.size(), 6);
  const QString load = QStringLiteral("(LOAD)"), cell = QStringLiteral("(CELL)"), pore = QStringLiteral("(PORE)"),
                ch4 = QStringLiteral("CH 4");
  // Heading closed by a comma after its fifth field: channel 4 is "CH 4".
  EXPECT_EQ(row(rows[0]), (QVariantList{1, QStringLiteral("00:00:01"), 10.0, 20.0, 30.0, 40.0, load, cell, pore, ch4}));
  // Three channel values: the last one is CH4, CH3 stays empty.
  EXPECT_EQ(row(rows[1]), (QVariantList{2, QStringLiteral("00:00:02"), 11.0, 21.0, Null, 31.0, load, cell, Null, ch4}));
  // A line closed by a comma keeps its row; CH4 is not rounded to four decimals.
  EXPECT_EQ(row(rows[2]), (QVariantList{3, QStringLiteral("00:00:03"), 12.0, 22.0, 32.0, 42.1, load, cell, pore, ch4}));
  // An empty field does not count as a column.
  EXPECT_EQ(row(rows[3]), (QVariantList{4, QStringLiteral("00:00:04"), 13.0, 23.0, 33.0, 43.0, load, cell, pore, ch4}));
  // A five-field heading gives its fifth field to channel 4; channel 3 keeps its name.
  EXPECT_EQ(row(rows[4]), (QVariantList{5, QStringLiteral("00:00:05"), 15.0, 25.0, 35.0, 45.0, QStringLiteral("(A)"),
                                        QStringLiteral("(B)"), pore, QStringLiteral("(C)")}));
  // A numeric time leaves the time text; reading numbers above 32767 are kept;
  // single values print from their single-precision form. Rows come in key order.
  EXPECT_EQ(row(rows[5]), (QVariantList{40000, QStringLiteral("00:00:04"), 14.0, 24.0, 34.0, 12345.6, load, cell, pore, ch4}));
}

TEST_F(LoadFrameParserTest, EndIsRecognisedInsideAField) {
  EXPECT_EQ(feed("CBR/LBR TEST\r1, 00:00:01, 1, 2, 3, 4\r2, 00:00:02,   END"), QList<int>{status::ParseComplete});
  EXPECT_EQ(feed("MARSHALL TEST\r1, 00:00:01, 1, 2, 3, 4\r     END"), QList<int>{status::ParseComplete});
  parse.DeInit();
  EXPECT_EQ(readTable(QStringLiteral("CBR_LBR1")).size(), 1);  // the unfinished row is dropped
  EXPECT_EQ(readTable(QStringLiteral("MARSHALL1")).size(), 1);
}

TEST_F(LoadFrameParserTest, AReadingBeforeAnyTestIsRefused) {
  // Without a test-type line there is no table: the reading is refused and
  // its first field stays in the token.
  EXPECT_EQ(feed("X, 1, 00:00:01, 5\r"), QList<int>{status::ParseFailed});
  EXPECT_TRUE(parse.retrn_message().isEmpty());
  EXPECT_EQ(feed("SOIL CEMENT TEST\r1, 00:00:01, 1, 2, 3, 4\rEND"), QList<int>{status::ParseComplete});
  EXPECT_EQ(parse.retrn_message(), QStringLiteral("S_C_TEST1 "));
}

TEST_F(LoadFrameParserTest, CutOffPrintoutKeepsTheCompletedRows) {
  EXPECT_TRUE(feedFile(QStringLiteral("cut_off.txt")).isEmpty());
  EXPECT_EQ(parse.retrn_message(), QStringLiteral("S_C_TEST1 "));
  parse.DeInit();
  const auto rows = readTable(QStringLiteral("S_C_TEST1"));
  ASSERT_EQ(rows.size(), 2);
  EXPECT_EQ(rows[1].value(QStringLiteral("CH4")).toDouble(), 8.0);
}

TEST_F(LoadFrameParserTest, GarbageNeitherCrashesNorLosesWhatWasStored) {
  const QList<int> results = feedFile(QStringLiteral("garbage.txt"));
  ASSERT_FALSE(results.isEmpty());
  EXPECT_EQ(results.first(), status::ParseComplete);
  for (int result : results)
    EXPECT_TRUE(result == status::ParseComplete || result == status::ParseFailed) << result;
  EXPECT_TRUE(parse.retrn_message().startsWith(QStringLiteral("DSHEARTEST1 ")));
  parse.DeInit();
  const auto rows = readTable(QStringLiteral("DSHEARTEST1"));
  ASSERT_EQ(rows.size(), 2);
  EXPECT_EQ(row(rows[1]), (QVariantList{2, QStringLiteral("00:00:02"), 1.6, 2.6, 3.6, 4.6, QStringLiteral("(SHEAR)"),
                                        QStringLiteral("(HORIZ)"), QStringLiteral("(VERT)"), QStringLiteral("()")}));
}

TEST_F(LoadFrameParserTest, DuplicateReadingNumberFailsThatRowOnly) {
  EXPECT_EQ(feed("CBR/LBR TEST\r1, 0, 1, 2, 3, 4\r1, 0, 5, 6, 7, 8\r2, 0, 9, 9, 9, 9\rEND"),
            (QList<int>{status::ParseFailed, status::ParseComplete}));
  parse.DeInit();
  const auto rows = readTable(QStringLiteral("CBR_LBR1"));
  ASSERT_EQ(rows.size(), 2);
  EXPECT_EQ(rows[0].value(QStringLiteral("CH1")).toDouble(), 1.0);
  EXPECT_EQ(rows[1].value(QStringLiteral("READNUMBER")).toInt(), 2);
}

TEST_F(LoadFrameParserTest, EndMarkerClosesTheDatabase) {
  EXPECT_TRUE(feed("CBR/LBR TEST\r1, 00:00:01, 1, 2, 3, 4\r\xfd", Feeder::ProjectFile).isEmpty());
  const QList<int> after = feed("2, 00:00:02, 1, 2, 3, 4\r");
  EXPECT_FALSE(after.isEmpty());
  EXPECT_EQ(after.count(status::ParseFailed), after.size());
  EXPECT_EQ(feed("MARSHALL TEST\r"), QList<int>{status::ParseFailed});
  EXPECT_EQ(parse.retrn_message(), QStringLiteral("CBR_LBR1 "));
  EXPECT_EQ(readTable(QStringLiteral("CBR_LBR1")).size(), 1);
}

TEST_F(LoadFrameParserTest, EmptyCharactersChangeNothing) {
  EXPECT_EQ(feed("CBR/LBR TEST\r1, 00:00:01, 1, 2, 3,"), QList<int>{});
  for (int i = 0; i < 5; ++i) EXPECT_EQ(parse.Parse_LX9100(QStringView()), status::NoValue);
  EXPECT_EQ(feed(" 4\rEND"), QList<int>{status::ParseComplete});
  parse.DeInit();
  const auto rows = readTable(QStringLiteral("CBR_LBR1"));
  ASSERT_EQ(rows.size(), 1);
  EXPECT_EQ(rows[0].value(QStringLiteral("CH4")).toDouble(), 4.0);
}

}  // namespace
}  // namespace instrument
