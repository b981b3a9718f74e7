// Printouts of the four instruments, written from their formats alone and fed
// one character at a time as the two feeders do; checked against the tables,
// rows, table list and results the parsers must give.

#include <QRandomGenerator>
#include <QSqlField>
#include <QSqlRecord>
#include <gtest/gtest.h>

#include "instrument/CreateDatabase.h"
#include "instrument/Parse.h"
#include "instrument/StatusCodes.h"
#include "platform/db/Database.h"
#include "platform/db/SqlIdentifier.h"
#include "support/TempProgramFolder.h"
#include "support/TestData.h"
#include "RowText.h"

namespace {

using instrument::Parse;
namespace status = instrument::status;

enum class Via { Serial, ProjectFile };

// One call per character the feeder passes (32 to 90 and CR; 253 from a
// project file); the serial feeder also makes empty calls after each CR.
// Returns every result other than NoValue, in order.
QList<int> feed(Parse& parse, Parse::Member member, const QByteArray& bytes, Via via = Via::Serial,
                int emptyCallsAfterLineEnd = 0) {
  QList<int> results;
  auto call = [&](QStringView c) {
    const int result = (parse.*member)(c);
    if (result != status::NoValue) results.append(result);
  };
  for (const char byte : bytes) {
    const auto code = static_cast<unsigned char>(byte);
    const bool passes = (code >= 32 && code <= 90) || code == 13 || (code == 253 && via == Via::ProjectFile);
    if (!passes) continue;
    const QChar c(code);
    call(QStringView(&c, 1));
    if (code == 13 && via == Via::Serial)
      for (int i = 0; i < emptyCallsAfterLineEnd; ++i) call(QStringView());
  }
  return results;
}

using rowtext::expectedRow;
using rowtext::expectedRows;
using rowtext::rowText;

QStringList tableRows(const QString& table, const QString& key) {
  platform::db::Database db;
  if (!db.open(instrument::CreateDatabase::databasePath())) {
    ADD_FAILURE() << "working database does not open";
    return {};
  }
  const auto records = db.select(QStringLiteral("SELECT * FROM %1 ORDER BY %2")
                                     .arg(platform::db::quoteIdentifier(table), platform::db::quoteIdentifier(key)));
  if (!records) {
    ADD_FAILURE() << "table " << table.toStdString() << " cannot be read";
    return {};
  }
  QStringList rows;
  for (const auto& record : *records) rows.append(rowText(record));
  return rows;
}

QStringList tables() {
  platform::db::Database db;
  if (!db.open(instrument::CreateDatabase::databasePath())) return {};
  QStringList names;
  for (const QString& name : db.tableNames()) names.append(name.toUpper());
  names.sort();
  return names;
}

class IndependentPrintout : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(parse.Initit(), status::Ok); }
  QList<int> run(Parse::Member member, const QByteArray& bytes, Via via = Via::Serial, int empties = 0) {
    QList<int> results = feed(parse, member, bytes, via, empties);
    parse.DeInit();
    return results;
  }

  testsupport::TempProgramFolder folder;
  Parse parse;
};

// ---------------------------------------------------------------- load frame

TEST_F(IndependentPrintout, LoadFramePrintoutOfFourTests) {
  const auto results = run(&Parse::Parse_LX9100, testsupport::readData("independent/lx9100_printout.txt"), Via::Serial, 3);
  EXPECT_EQ(results, QList<int>(4, status::ParseComplete));
  EXPECT_EQ(parse.retrn_message(), "CBR_LBR1 MARSHALL1 CBR_LBR2 UC1 ");
  EXPECT_EQ(tables(), QStringList({"CBR_LBR1", "CBR_LBR2", "MARSHALL1", "UC1"}));
  EXPECT_EQ(tableRows("CBR_LBR1", "READNUMBER"),
            expectedRows({"READNUMBER=1|TIME=00:00:05|CH1=1.2346|CH2=2|CH3=3|CH4=4|CH1NAME=(LOAD)|CH2NAME=NONE|"
                          "CH3NAME=NONE|CH4NAME=()",
                          "READNUMBER=2|TIME=00:00:10|CH1=12345.6|CH2=-0.5|CH3=0|CH4=7.25|CH1NAME=(LOAD)|"
                          "CH2NAME=NONE|CH3NAME=NONE|CH4NAME=()"}));
  EXPECT_EQ(tableRows("MARSHALL1", "READNUMBER"),
            expectedRows({"READNUMBER=1|TIME=00:01:00|CH1=0.1234|CH2=0.5|CH3=0|CH4=0|CH1NAME=(LOAD KN)|"
                          "CH2NAME=(FLOW MM)|CH3NAME=NONE|CH4NAME=()",
                          "READNUMBER=2|TIME=00:01:30|CH1=10.9876|CH2=1.25|CH3=0|CH4=0|CH1NAME=(LOAD KN)|"
                          "CH2NAME=(FLOW MM)|CH3NAME=NONE|CH4NAME=()"}));
  EXPECT_EQ(tableRows("CBR_LBR2", "READNUMBER"),
            expectedRows({"READNUMBER=1|TIME=00:00:02|CH1=3.3|CH2=4.4|CH3=5.5|CH4=6.6|CH1NAME=(LOAD KN)|"
                          "CH2NAME=(FLOW MM)|CH3NAME=NONE|CH4NAME=()"}));
  EXPECT_EQ(tableRows("UC1", "READNUMBER"),
            expectedRows({"READNUMBER=40000|TIME=00:10:00|CH1=100|CH1NAME=(LOAD)|CH4=0.1235|CH4NAME=CH 4"}));
}

TEST_F(IndependentPrintout, LoadFrameTestTypeLinesNameTheirTables) {
  const QList<std::pair<QByteArray, QString>> types = {
      {"CBR/LBR TEST", "CBR_LBR1"},       {"MARSHALL TEST", "MARSHALL1"}, {"U.C. TEST", "UC1"},
      {"SOIL CEMENT TEST", "S_C_TEST1"}, {"TRIAXIAL TEST", "TRIAXIAL1"}, {"DIRECT SHEAR TEST", "DSHEARTEST1"}};
  QByteArray printout;
  QString list;
  for (const auto& [line, table] : types) {
    printout += line + "\r\n1, 00:00:01, 1, 2, 3, 4\r\nEND\r\n";
    list += table + " ";
  }
  EXPECT_EQ(run(&Parse::Parse_LX9100, printout), QList<int>(6, status::ParseComplete));
  EXPECT_EQ(parse.retrn_message(), list);
  for (const auto& [line, table] : types)
    EXPECT_EQ(tableRows(table, "READNUMBER"),
              expectedRows({"READNUMBER=1|TIME=00:00:01|CH1=1|CH2=2|CH3=3|CH4=4"}))
        << table.toStdString();
}

TEST_F(IndependentPrintout, LoadFrameReadingLineVariants) {
  const QByteArray printout =
      "CBR/LBR TEST\r"
      "RD #, TIME, P, Q, R, S\r"
      "1,,00:00:05, 1, 2, 3, 4\r"
      "2, 5, 1, 2, 3, 4\r"
      "3, 00:00:15, 7, 8, 9\r"
      "6.5, 00:00:25, 1, 2, 3, 4\r"
      "   END\r";
  EXPECT_EQ(run(&Parse::Parse_LX9100, printout), QList<int>{status::ParseComplete});
  const QString names = "|CH1NAME=P|CH2NAME=Q|CH3NAME=R|CH4NAME=S";
  EXPECT_EQ(tableRows("CBR_LBR1", "READNUMBER"),
            QStringList({expectedRow("READNUMBER=1|TIME=00:00:05|CH1=1|CH2=2|CH3=3|CH4=4" + names),
                         expectedRow("READNUMBER=2|TIME=00:00:05|CH1=1|CH2=2|CH3=3|CH4=4" + names),
                         expectedRow("READNUMBER=3|TIME=00:00:15|CH1=7|CH2=8|CH4=9|CH1NAME=P|CH2NAME=Q|CH4NAME=S"),
                         expectedRow("READNUMBER=6|TIME=00:00:25|CH1=1|CH2=2|CH3=3|CH4=4" + names)}));
}

TEST_F(IndependentPrintout, LoadFrameReadingLineEndingInCommaKeepsItsRowWithUnformattedCh4) {
  const QByteArray printout =
      "CBR/LBR TEST\r"
      "RD #, TIME, P, Q, R, S\r"
      "4, 00:00:20, 1, 2, 3, 4.56789,\r"
      "END\r";
  EXPECT_EQ(run(&Parse::Parse_LX9100, printout), QList<int>{status::ParseComplete});
  EXPECT_EQ(tableRows("CBR_LBR1", "READNUMBER"),
            expectedRows({"READNUMBER=4|TIME=00:00:20|CH1=1|CH2=2|CH3=3|CH4=4.56789|CH1NAME=P|CH2NAME=Q|"
                          "CH3NAME=R|CH4NAME=S"}));
}

TEST_F(IndependentPrintout, LoadFrameHeadingVariantsAndNamesCarriedBetweenTests) {
  const QByteArray printout =
      "CBR/LBR TEST\rRD #, TIME, P, Q, R, S\r1, 00:00:01, 1, 2, 3, 4\rEND\r"
      "MARSHALL TEST\rRD #, TIME, A, B, C\r1, 00:00:01, 1, 2, 3, 4\rEND\r"
      "U.C. TEST\rRD #, TIME, X, (), Z,\r1, 00:00:01, 1, 2, 3, 4\rEND\r";
  EXPECT_EQ(run(&Parse::Parse_LX9100, printout), QList<int>(3, status::ParseComplete));
  const QString values = "READNUMBER=1|TIME=00:00:01|CH1=1|CH2=2|CH3=3|CH4=4|";
  EXPECT_EQ(tableRows("MARSHALL1", "READNUMBER"),
            QStringList{expectedRow(values + "CH1NAME=A|CH2NAME=B|CH3NAME=R|CH4NAME=C")});
  EXPECT_EQ(tableRows("UC1", "READNUMBER"),
            QStringList{expectedRow(values + "CH1NAME=X|CH2NAME=NONE|CH3NAME=Z|CH4NAME=CH 4")});
}

TEST_F(IndependentPrintout, LoadFrameFirstLineAfterInititStartsAtColumnZero) {
  const QByteArray printout = "RD #, TIME, A, B, C, D\rCBR/LBR TEST\r1, 00:00:01, 1, 2, 4\rEND\r";
  EXPECT_EQ(run(&Parse::Parse_LX9100, printout), QList<int>{status::ParseComplete});
  EXPECT_EQ(tableRows("CBR_LBR1", "READNUMBER"),
            expectedRows({"READNUMBER=1|TIME=00:00:01|CH1=1|CH2=2|CH4=4|CH1NAME=B|CH2NAME=C|CH4NAME=D"}));
}

TEST_F(IndependentPrintout, LoadFrameReadingsBeforeAnyTestTypeLineFailWithoutStoringAnything) {
  const auto results =
      run(&Parse::Parse_LX9100, "X\r1, 00:00:01, 1, 2, 3, 4\rCBR/LBR TEST\r2, 00:00:02, 1, 2, 3, 4\rEND\r");
  ASSERT_FALSE(results.isEmpty());
  EXPECT_TRUE(results.contains(status::ParseFailed));
  EXPECT_EQ(results.last(), status::ParseComplete);
  EXPECT_EQ(parse.retrn_message(), "CBR_LBR1 ");
  EXPECT_EQ(tableRows("CBR_LBR1", "READNUMBER"),
            expectedRows({"READNUMBER=2|TIME=00:00:02|CH1=1|CH2=2|CH3=3|CH4=4|CH4NAME=X"}));
}

TEST_F(IndependentPrintout, LoadFrameBlanksAroundTestTypeLineAndTextAfterEnd) {
  const QByteArray printout =
      "  CBR/LBR TEST  \rRD #, TIME, A, B, C, D\r1, 00:00:01, 1, 2, 3, 4\rEND OF TEST\r"
      "MARSHALL TEST\r1, 00:00:01, 1, 2, 3, 4\rEND\r";
  EXPECT_EQ(run(&Parse::Parse_LX9100, printout), QList<int>(2, status::ParseComplete));
  EXPECT_EQ(parse.retrn_message(), "CBR_LBR1 MARSHALL1 ");
  EXPECT_EQ(tableRows("MARSHALL1", "READNUMBER"),
            expectedRows({"READNUMBER=1|TIME=00:00:01|CH1=1|CH2=2|CH3=3|CH4=4|CH1NAME=A|CH2NAME=B|CH3NAME=C|"
                          "CH4NAME=OF TEST"}));
}

TEST_F(IndependentPrintout, LoadFrameDuplicateReadingNumberFailsAndKeepsTheFirstRow) {
  const QByteArray printout = "CBR/LBR TEST\r1, 00:00:01, 1, 2, 3, 4\r1, 00:00:02, 5, 6, 7, 8\rEND\r";
  EXPECT_EQ(run(&Parse::Parse_LX9100, printout), QList<int>({status::ParseFailed, status::ParseComplete}));
  EXPECT_EQ(tableRows("CBR_LBR1", "READNUMBER"),
            expectedRows({"READNUMBER=1|TIME=00:00:01|CH1=1|CH2=2|CH3=3|CH4=4"}));
}

TEST_F(IndependentPrintout, LoadFrameEndMarker253ClosesTheDatabaseAndKeepsFinishedTests) {
  const QByteArray printout =
      "CBR/LBR TEST\r\n1, 00:00:01, 1, 2, 3, 4\r\nEND\r\n\xFD\r\nMARSHALL TEST\r\n1, 00:00:01, 1, 2, 3, 4\r\nEND\r\n";
  const auto results = run(&Parse::Parse_LX9100, printout, Via::ProjectFile);
  ASSERT_FALSE(results.isEmpty());
  EXPECT_EQ(results.first(), status::ParseComplete);
  EXPECT_EQ(tableRows("CBR_LBR1", "READNUMBER"),
            expectedRows({"READNUMBER=1|TIME=00:00:01|CH1=1|CH2=2|CH3=3|CH4=4"}));
  if (tables().contains("MARSHALL1")) EXPECT_TRUE(tableRows("MARSHALL1", "READNUMBER").isEmpty());
}

// ------------------------------------------------------------ stiffness gauge

TEST_F(IndependentPrintout, StiffnessPrintoutOfTwoRuns) {
  EXPECT_TRUE(run(&Parse::Parse_T7310, testsupport::readData("independent/t7310_printout.txt"), Via::Serial, 3)
                  .isEmpty());
  EXPECT_EQ(parse.retrn_message(), "RUN5 RUN6 ");
  EXPECT_EQ(tables(), QStringList({"RUN5", "RUN6"}));
  EXPECT_EQ(tableRows("RUN5", "BIN_NUMBER"),
            expectedRows({"RUN_NUMBER=5|MEASURE=1.5|CALFACTOR=0.98|DATE=06/01/2004|TIME=10:20:30|BIN_NUMBER=0",
                          "BIN_NUMBER=1|FREQUENCY=100|REAL_DISPL_ND=1|REAL_FORCE_ND=2|IMAG_DISPL_ND=3|IMAG_FORCE_ND=4|"
                          "REAL_DISPL_SD=5|REAL_FORCE_SD=6|IMAG_DISPL_SD=7|IMAG_FORCE_SD=8|NOISE_OL_FLAG=0|"
                          "SIGNL_OL_FLAG=0|DSNR=12.5|FSNR=13.2",
                          "BIN_NUMBER=2|FREQUENCY=105|REAL_DISPL_ND=-11|REAL_FORCE_ND=22|IMAG_DISPL_ND=-33|"
                          "IMAG_FORCE_ND=44|REAL_DISPL_SD=555|REAL_FORCE_SD=-666|IMAG_DISPL_SD=777|"
                          "IMAG_FORCE_SD=-888|NOISE_OL_FLAG=0|SIGNL_OL_FLAG=1|DSNR=9.75|FSNR=10.25"}));
  EXPECT_EQ(tableRows("RUN6", "BIN_NUMBER"),
            expectedRows({"RUN_NUMBER=6|MEASURE=2|CALFACTOR=1.02|DATE=06/02/2004|TIME=08:00:00|BIN_NUMBER=0",
                          "BIN_NUMBER=1|FREQUENCY=100|REAL_DISPL_ND=10|REAL_FORCE_ND=20|IMAG_DISPL_ND=30|"
                          "IMAG_FORCE_ND=40|REAL_DISPL_SD=50|REAL_FORCE_SD=60|IMAG_DISPL_SD=70|IMAG_FORCE_SD=80|"
                          "NOISE_OL_FLAG=1|SIGNL_OL_FLAG=0|DSNR=8.5|FSNR=7.125"}));
}

TEST_F(IndependentPrintout, StiffnessFirstRunWithoutMarkerRunMarkerInsideABinAndOneWordRatio) {
  const QByteArray printout =
      " 5,M:, 1.5,CF:, 0.98,D:, 06/01/2004,T:, 10:20:30\r"
      "1,100,1,2,3,4,5,6,7,8,0,0,12.5\r"
      "2,200,1,2,#, 6,M:, 2.5,CF:, 1.1,D:, 06/02/2004,T:, 11:00:00\r"
      "1,100,1,2,3,4,5,6,7,8,0,0,3 4\r";
  EXPECT_TRUE(run(&Parse::Parse_T7310, printout).isEmpty());
  const QString bin = "BIN_NUMBER=1|FREQUENCY=100|REAL_DISPL_ND=1|REAL_FORCE_ND=2|IMAG_DISPL_ND=3|IMAG_FORCE_ND=4|"
                      "REAL_DISPL_SD=5|REAL_FORCE_SD=6|IMAG_DISPL_SD=7|IMAG_FORCE_SD=8|NOISE_OL_FLAG=0|SIGNL_OL_FLAG=0|";
  EXPECT_EQ(tableRows("RUN5", "BIN_NUMBER"),
            QStringList({expectedRow("RUN_NUMBER=5|MEASURE=1.5|CALFACTOR=0.98|DATE=06/01/2004|TIME=10:20:30|BIN_NUMBER=0"),
                         expectedRow(bin + "DSNR=12.5")}));
  EXPECT_EQ(tableRows("RUN6", "BIN_NUMBER"),
            QStringList({expectedRow("RUN_NUMBER=6|MEASURE=2.5|CALFACTOR=1.1|DATE=06/02/2004|TIME=11:00:00|BIN_NUMBER=0"),
                         expectedRow(bin + "DSNR=3|FSNR=4")}));
}

QByteArray stiffnessRuns(int first, int count) {
  QByteArray printout;
  for (int run = first; run < first + count; ++run) {
    printout += "R#, " + QByteArray::number(run) + ",M:, 1.5,CF:, 0.98,D:, 06/01/2004,T:, 10:20:30\r\n";
    printout += "1,100,1,2,3,4,5,6,7,8,0,0,12.5 13.2\r\n2,200,1,2,3,4,5,6,7,8,0,0,12.5 13.2\r\n";
  }
  return printout;
}

TEST_F(IndependentPrintout, StiffnessFromTheTwentyFirstRunOnlyHeadersInThatRunsTable) {
  for (const int first : {1, 101}) {
    SCOPED_TRACE(first);
    ASSERT_EQ(parse.Initit(parse.retrn_message()), status::Ok);
    EXPECT_TRUE(run(&Parse::Parse_T7310, stiffnessRuns(first, 25)).isEmpty());
    QString list;
    QStringList names;
    for (int run = first; run <= first + 20; ++run) {
      list += QStringLiteral("RUN%1 ").arg(run);
      names.append(QStringLiteral("RUN%1").arg(run));
    }
    names.sort();
    EXPECT_EQ(parse.retrn_message(), list);
    EXPECT_EQ(tables(), names);
    for (int run = first; run < first + 20; ++run) EXPECT_EQ(tableRows(QStringLiteral("RUN%1").arg(run), "BIN_NUMBER").size(), 3);
    QStringList headers;
    for (int run = first + 20; run < first + 25; ++run)
      headers.append(expectedRow(QStringLiteral("RUN_NUMBER=%1|BIN_NUMBER=%1|MEASURE=1.5|CALFACTOR=0.98|"
                                                "DATE=06/01/2004|TIME=10:20:30")
                                     .arg(run)));
    EXPECT_EQ(tableRows(QStringLiteral("RUN%1").arg(first + 20), "BIN_NUMBER"), headers);
  }
}

TEST_F(IndependentPrintout, StiffnessRepeatedRunNumberKeepsTheFirstRun) {
  const QByteArray printout =
      "R#, 5,M:, 1.5,CF:, 0.98,D:, 06/01/2004,T:, 10:20:30\r1,100,1,2,3,4,5,6,7,8,0,0,12.5 13.2\r"
      "R#, 6,M:, 1.5,CF:, 0.98,D:, 06/01/2004,T:, 10:30:00\r1,100,1,2,3,4,5,6,7,8,0,0,12.5 13.2\r"
      "R#, 5,M:, 9.5,CF:, 0.5,D:, 07/01/2004,T:, 12:00:00\r1,300,9,9,9,9,9,9,9,9,1,1,1 1\r"
      "2,400,9,9,9,9,9,9,9,9,1,1,1 1\r";
  run(&Parse::Parse_T7310, printout);
  EXPECT_EQ(tables(), QStringList({"RUN5", "RUN6"}));
  EXPECT_EQ(tableRows("RUN5", "BIN_NUMBER"),
            expectedRows({"RUN_NUMBER=5|MEASURE=1.5|CALFACTOR=0.98|DATE=06/01/2004|TIME=10:20:30|BIN_NUMBER=0",
                          "BIN_NUMBER=1|FREQUENCY=100|REAL_DISPL_ND=1|REAL_FORCE_ND=2|IMAG_DISPL_ND=3|IMAG_FORCE_ND=4|"
                          "REAL_DISPL_SD=5|REAL_FORCE_SD=6|IMAG_DISPL_SD=7|IMAG_FORCE_SD=8|NOISE_OL_FLAG=0|"
                          "SIGNL_OL_FLAG=0|DSNR=12.5|FSNR=13.2"}));
  EXPECT_EQ(tableRows("RUN6", "BIN_NUMBER").size(), 2);
}

TEST_F(IndependentPrintout, StiffnessBadRatioAnswers9876OnceAndTheNextRunIsRead) {
  const QByteArray printout =
      "R#, 5,M:, 1.5,CF:, 0.98,D:, 06/01/2004,T:, 10:20:30\r"
      "1,100,1,2,3,4,5,6,7,8,0,0,12.5 13.2\r"
      "2,200,1,2,3,4,5,6,7,8,0,0,12.5 ABC\r"
      "R#, 6,M:, 1.5,CF:, 0.98,D:, 06/01/2004,T:, 10:30:00\r"
      "1,100,1,2,3,4,5,6,7,8,0,0,1 2\r";
  EXPECT_EQ(run(&Parse::Parse_T7310, printout), QList<int>{status::StiffnessRejected});
  EXPECT_EQ(parse.retrn_message(), "RUN5 RUN6 ");
  EXPECT_EQ(tableRows("RUN5", "BIN_NUMBER").size(), 2);
  EXPECT_EQ(tableRows("RUN6", "BIN_NUMBER").size(), 2);
}

// ------------------------------------------------------------------- N2600A

const char* const SoilCommon = "SA=S|KVAL=0|PADJ=0|DSTD=2650|MSTD=650|SPG=2.7|PAV=0|MAXD=125|";
const char* const AsphaltCommon = "SA=A|DPT=8|KVAL=0|PADJ=0|DSTD=2700|MSTD=640|SPG=2.65|PAV=4|MAXD=145.2|";

TEST_F(IndependentPrintout, N2600APrintoutOfTwoReports) {
  EXPECT_TRUE(run(&Parse::Parse_N2600A, testsupport::readData("independent/n2600a_printout.txt"), Via::Serial, 3)
                  .isEmpty());
  EXPECT_EQ(parse.retrn_message(), "ROAD 12.5 22 ");
  EXPECT_EQ(tables(), QStringList({"P125", "P22", "PROAD"}));
  const QString first = "SERNUM=12345|CDATE=01/15/05|";
  const QString second = "SERNUM=789|CDATE=02/01/05|";
  EXPECT_EQ(tableRows("PROAD", "RDNUM"),
            QStringList({expectedRow(first + "ID=ROAD|RDNUM=1|RDATE=01/20/05|STAT=100|OFFSET=-5|DPT=6|DCNT=1234|"
                                     "MCNT=210|WETD=120.3|DRYD=108.5|WAT=11.8|PWAT=10.9|PCOMP=86.8|" + SoilCommon),
                         expectedRow(first + "ID=ROAD|RDNUM=2|RDATE=01/20/05|STAT=100.5|OFFSET=2.5|DPT=BS|SA=S|"
                                     "KVAL=1.5|PADJ=-2|DSTD=2650|MSTD=650|DCNT=1300|MCNT=215|SPG=2.7|PAV=0|"
                                     "MAXD=125|WETD=122.1|DRYD=110|WAT=12.1|PWAT=11|PCOMP=88"),
                         expectedRow(second + "ID=ROAD|RDNUM=5|RDATE=02/02/05|STAT=300|OFFSET=0|DPT=6|DCNT=1250|"
                                      "MCNT=212|WETD=119|DRYD=107|WAT=12|PWAT=11.2|PCOMP=85.6|" + SoilCommon)}));
  EXPECT_EQ(tableRows("P125", "RDNUM"),
            QStringList({expectedRow(first + "ID=12.5|RDNUM=3|RDATE=01/20/05|STAT=200|OFFSET=0|DCNT=1100|MCNT=100|"
                                     "PAC=5.5|DENS=140.1|PCOMP=96.5|" + AsphaltCommon),
                         expectedRow(first + "ID=12.5|RDNUM=4|RDATE=01/21/05|STAT=201|OFFSET=1|DCNT=1105|MCNT=101|"
                                     "PAC=5.3|DENS=141.3|PCOMP=97.3|" + AsphaltCommon),
                         expectedRow(second + "ID=12.5|RDNUM=6|RDATE=02/02/05|STAT=301|OFFSET=2|DCNT=1110|MCNT=102|"
                                      "PAC=5.6|DENS=139.9|PCOMP=96.3|" + AsphaltCommon)}));
  EXPECT_EQ(tableRows("P22", "RDNUM"),
            QStringList({expectedRow(second + "ID=22|RDNUM=7|RDATE=02/03/05|STAT=302|OFFSET=3|DPT=6|DCNT=1260|"
                                      "MCNT=213|WETD=121|DRYD=109.2|WAT=12|PWAT=11|PCOMP=87.2|" + SoilCommon)}));
}

TEST_F(IndependentPrintout, N2600AFourDigitReadingNumbersAfterALineEnd) {
  const QByteArray row = "  01/20/05      9    100      0    6   S     0.0   0.0    2650   650   1234   210  2.70"
                         "   0   125  120.3  108.5  11.8  10.9    86.8\r\n";
  const QByteArray printout =
      "COMPACTION CONTROL DATA REPORT   NS-2600A SERIAL: 12345   CALIBRATION DATE:01/15/05\r\n"
      " 999" + row + "1000" + row + "1001" + row + "\r\n" +
      QByteArray(78, ' ') + "AVERAGE OF ALL DATA:        120.3  108.5  11.8  10.9    86.8\r\n";
  EXPECT_TRUE(run(&Parse::Parse_N2600A, printout).isEmpty());
  QStringList rows;
  for (const char* number : {"999", "1000", "1001"})
    rows.append(expectedRow(QStringLiteral("SERNUM=12345|CDATE=01/15/05|ID=9|RDNUM=%1|RDATE=01/20/05|STAT=100|"
                                           "OFFSET=0|DPT=6|DCNT=1234|MCNT=210|WETD=120.3|DRYD=108.5|WAT=11.8|"
                                           "PWAT=10.9|PCOMP=86.8|")
                                .arg(number) +
                            SoilCommon));
  EXPECT_EQ(tableRows("P9", "RDNUM"), rows);
}

// ------------------------------------------------------------------ N2600BX

TEST_F(IndependentPrintout, N2600BXPrintoutOfTwoProjectsEndedByItsMarker) {
  const auto results =
      run(&Parse::Parse_N2600BX, testsupport::readData("independent/n2600bx_printout.txt"), Via::Serial, 5);
  EXPECT_EQ(results, QList<int>{status::ParseComplete});
  EXPECT_EQ(parse.retrn_message(), "4.5 7 ");
  EXPECT_EQ(tables(), QStringList({"P45", "P7"}));
  EXPECT_EQ(tableRows("P45", "RDNUM"),
            expectedRows({"ID=4.5|SERNUM=23456|CDATE=02/03/05|RDNUM=0|DATE=03/01/05|DSTD=2650|MSTD=650|KVAL=0.5|"
                          "SPG=2.65|MAXD=120.5|LOWD=95.5",
                          "RDNUM=1|TIME=10:42|STAT1TO=ABC|STAT1=100|OFFSET=5L|STAT2=200|LANE=1|DPT=6|SA=S|ADJ=0|"
                          "DC=2650|MC=650|AV=0|WD=125.3|DD=110.2|M=13.7|PERCM=12.4|PERC_COMP=91.5|VR=OK",
                          "RDNUM=2|TIME=10:50|STAT1TO=ABC|STAT1=110|OFFSET=5R|STAT2=210|LANE=2|DPT=6|SA=S|ADJ=1.5|"
                          "DC=2660|MC=655|AV=0|WD=126.1|DD=111|M=13.6|PERCM=12.3|PERC_COMP=92.1|VR=OK",
                          "RDNUM=3|TIME=11:05|STAT1TO=ABD|STAT1=120|OFFSET=CL|STAT2=220|LANE=1|DPT=BS|SA=A|ADJ=0|"
                          "DC=2640|MC=640|AV=4.5|WD=140.2|DD=138|M=1.5",
                          "RDNUM=4|TIME=11:15|STAT1TO=ABD|STAT1=130|OFFSET=CL|STAT2=230|LANE=1|DPT=BS|SA=A|ADJ=0|"
                          "DC=2640|MC=640|AV=4.4|WD=140.5|DD=138.3|M=1.4|VR=LOW",
                          "RDNUM=5|TIME=13:00|STAT1TO=ABE|STAT1=140|OFFSET=0|STAT2=240|LANE=2|DPT=6|SA=S|ADJ=0|"
                          "DC=2650|MC=650|AV=0|WD=124|DD=109|M=13.8|PERCM=12.7|PERC_COMP=90.4|VR=OK"}));
  EXPECT_EQ(tableRows("P7", "RDNUM"),
            expectedRows({"ID=7|SERNUM=23456|CDATE=02/03/05|RDNUM=0|DATE=03/02/05|DSTD=2700|SPG=2.7|MAXD=118|LOWD=90",
                          "RDNUM=10|TIME=12:30|STAT1TO=XYZ|STAT1=1|OFFSET=0|STAT2=2|LANE=3|DPT=4|SA=S|ADJ=0|"
                          "DC=2700|MC=600|AV=0|WD=120|DD=108|M=11.1|PERCM=10.2|PERC_COMP=91.5|VR=OK"}));
}

TEST_F(IndependentPrintout, N2600BXThousandAndFirstEmptyCallInARowEndsTheData) {
  auto empties = [&](int count) {
    QList<int> results;
    for (int i = 0; i < count; ++i) results.append(parse.Parse_N2600BX(QStringView()));
    return results;
  };
  const QChar blank(' ');
  EXPECT_EQ(empties(1000), QList<int>(1000, status::NoValue));
  EXPECT_EQ(parse.Parse_N2600BX(QStringView(&blank, 1)), status::NoValue);
  EXPECT_EQ(empties(1000), QList<int>(1000, status::NoValue));
  EXPECT_EQ(parse.Parse_N2600BX(QStringView()), status::ParseComplete);
}

TEST_F(IndependentPrintout, N2600BXSerialNamedAfterTheProjectsIsFilledInAtTheEndMarker) {
  const QByteArray printout =
      "PROJECT ID: 9 DATE: 04/01/05 D STD=2600 M STD=600 KVAL=0.25  SPG=2.6 MAXD=110 LOWD=80\r\n"
      "   1, 09:00,      A,      1,     0,      2,    3,   4,   S,     0,     2600,      600,      0,  120.0,  "
      "108.0,   11.1,   10.2,   91.5,     OK\r\n"
      "COMPACTION CONTROL DATA REPORT NS-2600BX SERIAL: 34567 CALIBRATION DATE: 05/06/07 \r\n";
  const QString header = "ID=9|RDNUM=0|DATE=04/01/05|DSTD=2600|MSTD=600|KVAL=0.25|SPG=2.6|MAXD=110|LOWD=80";
  for (const Via via : {Via::Serial, Via::ProjectFile}) {
    ASSERT_EQ(parse.Initit(parse.retrn_message()), status::Ok);
    run(&Parse::Parse_N2600BX, via == Via::Serial ? printout : printout + "\xFD\r\n", via);
    const QStringList rows = tableRows("P9", "RDNUM");
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows.first(), expectedRow(via == Via::Serial ? header : header + "|SERNUM=34567|CDATE=05/06/07"));
  }
}

// -------------------------------------------------------------- all models

TEST_F(IndependentPrintout, CutOffAndGarbageKeepWhatWasStoredBefore) {
  struct Case {
    Parse::Member member;
    QByteArray prefix;
    QString table;
    QString key;
    QString firstRow;
  };
  const QList<Case> cases = {
      {&Parse::Parse_LX9100, "CBR/LBR TEST\r1, 00:00:01, 1, 2, 3, 4\r2, 00:00:0", "CBR_LBR1", "READNUMBER",
       "READNUMBER=1|TIME=00:00:01|CH1=1|CH2=2|CH3=3|CH4=4"},
      {&Parse::Parse_T7310, "R#, 5,M:, 1.5,CF:, 0.98,D:, 06/01/2004,T:, 10:20:30\r1,100,1,2,3,4,5,6,7,8,0,0,1 2\r2,20",
       "RUN5", "BIN_NUMBER", "RUN_NUMBER=5|MEASURE=1.5|CALFACTOR=0.98|DATE=06/01/2004|TIME=10:20:30|BIN_NUMBER=0"},
      {&Parse::Parse_N2600A,
       "XX SERIAL: 12345 DATE:01/15/05\r   1  01/20/05    9    100      0    6   S     0.0   0.0    2650   650   1234"
       "   210  2.70   0   125  120.3  108.5  11.8  10.9    86.8\r   2  01/2",
       "P9", "RDNUM",
       QStringLiteral("SERNUM=12345|CDATE=01/15/05|ID=9|RDNUM=1|RDATE=01/20/05|STAT=100|OFFSET=0|DPT=6|DCNT=1234|"
                      "MCNT=210|WETD=120.3|DRYD=108.5|WAT=11.8|PWAT=10.9|PCOMP=86.8|") + SoilCommon},
      {&Parse::Parse_N2600BX,
       "PROJECT ID: 9 DATE: 04/01/05 D STD=2600 M STD=600 KVAL=0.25  SPG=2.6 MAXD=110 LOWD=80\r   1, 09:00, A, 1, 0, 2,"
       " 3, 4, S, 0, 2600, 600, 0, 120.0, 108.0, 11.1, 10.2, 91.5, OK\r   2, 09:0",
       "P9", "RDNUM", "ID=9|RDNUM=0|DATE=04/01/05|DSTD=2600|MSTD=600|KVAL=0.25|SPG=2.6|MAXD=110|LOWD=80"}};
  QRandomGenerator random(7310);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.table.toStdString());
    for (const bool garbage : {false, true}) {
      ASSERT_EQ(parse.Initit(parse.retrn_message()), status::Ok);
      QByteArray bytes = c.prefix;
      if (garbage)
        for (int i = 0; i < 4000; ++i) bytes += char(random.bounded(32, 91));
      feed(parse, c.member, bytes);
      parse.DeInit();
      const QStringList rows = tableRows(c.table, c.key);
      ASSERT_FALSE(rows.isEmpty());
      EXPECT_EQ(rows.first(), expectedRow(c.firstRow));
    }
  }
}

}  // namespace
