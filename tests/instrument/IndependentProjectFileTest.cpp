// Project files written by hand from their layouts, opened and written back;
// printouts of the four instruments saved and opened again.

#include <QFile>
#include <QSet>
#include <QSqlRecord>
#include <gtest/gtest.h>

#include "instrument/CreateDatabase.h"
#include "instrument/DeviceType.h"
#include "instrument/Parse.h"
#include "instrument/StatusCodes.h"
#include "instrument/writeout.h"
#include "platform/db/Database.h"
#include "platform/db/SqlIdentifier.h"
#include "support/TempProgramFolder.h"
#include "support/TestData.h"
#include "RowText.h"

namespace {

using instrument::Parse;
using instrument::ReplayStatus;
using instrument::SaveStatus;
namespace status = instrument::status;

using rowtext::expectedRow;
using rowtext::expectedRows;
using rowtext::rowText;

// Every table of the working database by upper-case name, its rows as text in
// key order.
QMap<QString, QStringList> snapshot(const QStringList& leftOut = {}) {
  QMap<QString, QStringList> tables;
  platform::db::Database db;
  if (!db.open(instrument::CreateDatabase::databasePath())) {
    ADD_FAILURE() << "working database does not open";
    return tables;
  }
  for (const QString& table : db.tableNames()) {
    const auto records = db.select("SELECT * FROM " + platform::db::quoteIdentifier(table));
    if (!records) {
      ADD_FAILURE() << "table " << table.toStdString() << " cannot be read";
      continue;
    }
    QList<std::pair<qlonglong, QString>> keyed;
    for (const auto& record : *records) {
      qlonglong key = 0;
      for (const char* field : {"READNUMBER", "BIN_NUMBER", "RDNUM"})
        if (record.indexOf(field) >= 0) key = record.value(field).toLongLong();
      keyed.append({key, rowText(record, leftOut)});
    }
    std::sort(keyed.begin(), keyed.end());
    QStringList rows;
    for (const auto& [key, row] : keyed) rows.append(row);
    tables.insert(table.toUpper(), rows);
  }
  return tables;
}

QSet<QString> names(const QString& list) {
  const QStringList parts = list.split(' ', Qt::SkipEmptyParts);
  return {parts.begin(), parts.end()};
}

std::string fileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string("<missing>");
}

std::string dataBytes(const QString& relative) { return testsupport::readData(relative).toStdString(); }

void writeBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
}

class IndependentProjectFile : public ::testing::Test {
 protected:
  QString path(const QString& name) const { return folder.path(name); }

  // Parses a printout into a new working database as the project-file reader
  // would feed it; returns the table list.
  QString parsePrintout(int model, const QByteArray& printout) {
    Parse parse;
    EXPECT_EQ(parse.Initit(), status::Ok);
    const Parse::Member member = Parse::memberForModel(model);
    for (const char byte : printout) {
      const auto code = static_cast<unsigned char>(byte);
      if (!((code >= 32 && code <= 90) || code == 13)) continue;
      const QChar c(code);
      if ((parse.*member)(QStringView(&c, 1)) == status::ParseComplete && model == instrument::ModelCode::N2600BX) break;
    }
    parse.DeInit();
    return parse.retrn_message();
  }

  std::optional<QString> open(const QString& file, const QString& current = QString()) {
    instrument::writeout reader;
    const auto list = reader.Get_tables(file, current);
    foundDevice = reader.FoundDevice;
    finished = reader.Finished_;
    replayStatus = reader.replayStatus();
    return list;
  }

  SaveStatus save(const QString& file, const QString& list, int model, const QString& single = QString(),
                  bool csv = false) {
    instrument::writeout writer;
    return writer.writeout_(file, list, static_cast<qint16>(model), single, csv);
  }

  testsupport::TempProgramFolder folder;
  int foundDevice = -1;
  bool finished = false;
  ReplayStatus replayStatus = ReplayStatus::Replayed;
};

struct HandWritten {
  const char* file;
  int model;
  QString list;
  QMap<QString, QStringList> tables;
};

const char* const RoadSoil = "ID=ROAD|SERNUM=12345|CDATE=01/15/05|SA=S|DSTD=2650|MSTD=650|SPG=2.7|PAV=0|MAXD=125|";
const char* const RoadAsphalt = "ID=ROAD|SERNUM=12345|CDATE=01/15/05|SA=A|DPT=8|KVAL=0|PADJ=0|DSTD=2700|MSTD=640|"
                                "SPG=2.65|PAV=4|MAXD=145.2|";

QList<HandWritten> handWrittenFiles() {
  return {
      {"independent/lx9100_project.txt", 0, "CBR_LBR1 MARSHALL1 ",
       {{"CBR_LBR1", expectedRows({"READNUMBER=1|TIME=00:00:05|CH1=1.2346|CH2=2|CH3=3|CH4=4|CH1NAME=(LOAD)|"
                                   "CH2NAME=NONE|CH3NAME=NONE|CH4NAME=()"})},
        {"MARSHALL1", expectedRows({"READNUMBER=1|TIME=00:01:00|CH1=0.1234|CH2=0.5|CH3=0|CH4=0|CH1NAME=(LOAD KN)|"
                                    "CH2NAME=(FLOW MM)|CH3NAME=NONE|CH4NAME=()",
                                    "READNUMBER=2|TIME=00:01:30|CH1=10.9876|CH2=1.25|CH3=0|CH4=0|CH1NAME=(LOAD KN)|"
                                    "CH2NAME=(FLOW MM)|CH3NAME=NONE|CH4NAME=()"})}}},
      {"independent/t7310_project.txt", 3, "RUN5 RUN6 ",
       {{"RUN5",
         expectedRows({"RUN_NUMBER=5|MEASURE=1.5|CALFACTOR=0.98|DATE=06/01/2004|TIME=10:20:30|BIN_NUMBER=0",
                       "BIN_NUMBER=1|FREQUENCY=100|REAL_DISPL_ND=1|REAL_FORCE_ND=2|IMAG_DISPL_ND=3|IMAG_FORCE_ND=4|"
                       "REAL_DISPL_SD=5|REAL_FORCE_SD=6|IMAG_DISPL_SD=7|IMAG_FORCE_SD=8|NOISE_OL_FLAG=0|"
                       "SIGNL_OL_FLAG=0|DSNR=12.5|FSNR=13",
                       "BIN_NUMBER=2|FREQUENCY=105|REAL_DISPL_ND=-11|REAL_FORCE_ND=22|IMAG_DISPL_ND=-33|"
                       "IMAG_FORCE_ND=44|REAL_DISPL_SD=555|REAL_FORCE_SD=-666|IMAG_DISPL_SD=777|IMAG_FORCE_SD=-888|"
                       "NOISE_OL_FLAG=0|SIGNL_OL_FLAG=1|DSNR=9.75|FSNR=10.25"})},
        {"RUN6",
         expectedRows({"RUN_NUMBER=6|MEASURE=2|CALFACTOR=1.02|DATE=06/02/2004|TIME=08:00:00|BIN_NUMBER=0"})}}},
      {"independent/n2600a_project.txt", 1, "ROAD ",
       {{"PROAD",
         {expectedRow(QString(RoadSoil) + "RDNUM=1|RDATE=01/20/05|STAT=100|OFFSET=-5|DPT=6|KVAL=0|PADJ=0|DCNT=1234|"
                                          "MCNT=210|WETD=120.3|DRYD=108.5|WAT=11.8|PWAT=10.9|PCOMP=86.8"),
          expectedRow(QString(RoadSoil) + "RDNUM=2|RDATE=01/20/05|STAT=100.5|OFFSET=2.5|DPT=BS|KVAL=1.5|PADJ=-2|"
                                          "DCNT=1300|MCNT=215|WETD=122.1|DRYD=110|WAT=12.1|PWAT=11|PCOMP=88"),
          expectedRow(QString(RoadAsphalt) + "RDNUM=3|RDATE=01/20/05|STAT=200|OFFSET=0|DCNT=1100|MCNT=100|PAC=5.5|"
                                             "DENS=140.1|PCOMP=96.5"),
          expectedRow(QString(RoadAsphalt) + "RDNUM=4|RDATE=01/21/05|STAT=201|OFFSET=1|DCNT=1105|MCNT=101|PAC=5.3|"
                                             "DENS=141.3|PCOMP=97.3"),
          expectedRow(QString(RoadSoil) + "RDNUM=5|RDATE=01/21/05|STAT=300|OFFSET=0|DPT=6|KVAL=0|PADJ=0|DCNT=1250|"
                                          "MCNT=212|WETD=119|DRYD=107|WAT=12|PWAT=11.2|PCOMP=85.6")}}}},
      {"independent/n2600bx_project.txt", 2, "4.5 ",
       {{"P45", expectedRows({"ID=4.5|SERNUM=23456|CDATE=02/03/05|RDNUM=0|DATE=03/01/05|DSTD=2650|MSTD=650|KVAL=0.5|"
                              "SPG=2.65|MAXD=120.5|LOWD=95.5",
                              "RDNUM=1|TIME=10:42|STAT1TO=ABC|STAT1=100|OFFSET=5L|STAT2=200|LANE=1|DPT=6|SA=S|ADJ=0|"
                              "DC=2650|MC=650|AV=0|WD=125.3|DD=110.2|M=13.7|PERCM=12.4|PERC_COMP=91.5|VR=OK",
                              "RDNUM=2|TIME=10:50|STAT1TO=ABC|STAT1=110|OFFSET=5R|STAT2=210|LANE=2|DPT=6|SA=S|"
                              "ADJ=1.5|DC=2660|MC=655|AV=0|WD=126.1|DD=111|M=13.6|PERCM=12.3|PERC_COMP=92.1|VR=OK",
                              "RDNUM=3|TIME=11:05|STAT1TO=ABD|STAT1=120|OFFSET=CL|STAT2=220|LANE=1|DPT=BS|SA=A|ADJ=0|"
                              "DC=2640|MC=640|AV=4.5|WD=140.2|DD=138|M=1.5|PERCM=0|PERC_COMP=0|VR=LOW"})}}}};
}

TEST_F(IndependentProjectFile, HandWrittenFilesOpenToTheirTablesAndAreWrittenBackByteForByte) {
  for (const auto& hand : handWrittenFiles()) {
    SCOPED_TRACE(hand.file);
    const QString source = testsupport::dataPath(hand.file);
    const auto list = open(source);
    ASSERT_TRUE(list.has_value());
    EXPECT_EQ(*list, hand.list);
    EXPECT_EQ(foundDevice, hand.model);
    EXPECT_TRUE(finished);
    EXPECT_EQ(replayStatus, ReplayStatus::Replayed);
    EXPECT_EQ(snapshot(), hand.tables);

    const QString saved = path("saved.txt");
    ASSERT_EQ(save(saved, hand.list, hand.model), SaveStatus::Saved);
    EXPECT_EQ(fileBytes(saved), dataBytes(hand.file));
  }
}

TEST_F(IndependentProjectFile, N2600ARawDataExportWritesTheSoilPartWithCommas) {
  ASSERT_TRUE(open(testsupport::dataPath("independent/n2600a_project.txt")).has_value());
  const QString csv = path("DataRaw.csv");
  ASSERT_EQ(save(csv, "ROAD ", 1, QString(), true), SaveStatus::Saved);
  EXPECT_EQ(fileBytes(csv), dataBytes("independent/n2600a_export.csv"));
}

TEST_F(IndependentProjectFile, SingleTableOfAStiffnessFile) {
  ASSERT_TRUE(open(testsupport::dataPath("independent/t7310_project.txt")).has_value());
  const QString saved = path("run6.txt");
  ASSERT_EQ(save(saved, "RUN5 RUN6 ", 3, "RUN6"), SaveStatus::Saved);
  EXPECT_EQ(fileBytes(saved), " 3 \r\nRun#,  6,Meas:, 2,CalFac:, 1.02,Date:, 06/02/2004,Time:, 08:00:00\r\n\r\n");
}

struct Printout {
  QByteArray bytes;
  int model;
  QString single;
  QStringList leftOut;
};

TEST_F(IndependentProjectFile, PrintoutsSurviveSaveAndOpenWholeAndOneTable) {
  using testsupport::readData;
  const QList<Printout> printouts = {
      {readData("independent/lx9100_printout.txt"), 0, "MARSHALL1", {}},
      {"CBR/LBR TEST\r1, 00:00:01, 1, 2, 3, 4\rEND\rMARSHALL TEST\rRD #, TIME, A, B, C, D\r1, 00:00:01, 1, 2, 3, 4\r"
       "END\r",
       0, "MARSHALL1", {}},
      {readData("independent/t7310_printout.txt"), 3, "RUN6", {}},
      {"R#, 5,M:, 1.5,CF:, 0.98,D:, 06/01/2004,T:, 10:20:30\r1,100,1,2,3,4,5,6,7,8,0,0,12.5\r", 3, "RUN5", {}},
      {readData("independent/n2600a_printout.txt"), 1, "12.5", {"SERNUM", "CDATE"}},
      {readData("independent/n2600bx_printout.txt"), 2, "7", {}},
      {"PROJECT ID: 9 DATE: 04/01/05 D STD=2600 M STD=600 KVAL=0.25  SPG=2.6 MAXD=110 LOWD=80\r"
       "   1, 09:00,      A,      1,     0,      2,    3,   4,   S,     0,     2600,      600,      0,  120.0,  "
       "108.0,   11.1,   10.2,   91.5,     OK\r",
       2, "9", {}}};
  for (const auto& printout : printouts) {
    SCOPED_TRACE(printout.bytes.left(40).toStdString());
    const QString list = parsePrintout(printout.model, printout.bytes);
    const auto parsed = snapshot(printout.leftOut);
    ASSERT_FALSE(parsed.isEmpty());

    const QString whole = path("whole.txt");
    const QString single = path("single.txt");
    ASSERT_EQ(save(whole, list, printout.model), SaveStatus::Saved);
    ASSERT_EQ(save(single, list, printout.model, printout.single), SaveStatus::Saved);

    const auto reopened = open(whole, list);
    ASSERT_TRUE(reopened.has_value()) << static_cast<int>(replayStatus);
    EXPECT_EQ(names(*reopened), names(list));
    EXPECT_EQ(snapshot(printout.leftOut), parsed);

    const auto one = open(single, *reopened);
    ASSERT_TRUE(one.has_value()) << static_cast<int>(replayStatus);
    EXPECT_EQ(*one, printout.single + " ");
    const auto oneTable = snapshot(printout.leftOut);
    ASSERT_EQ(oneTable.size(), 1);
    const QString table = oneTable.firstKey();
    EXPECT_EQ(oneTable.first(), parsed.value(table)) << table.toStdString();
  }
}

QByteArray stiffnessRuns(int first, int count) {
  QByteArray printout;
  for (int run = first; run < first + count; ++run) {
    printout += "R#, " + QByteArray::number(run) + ",M:, 1.5,CF:, 0.98,D:, 06/01/2004,T:, 10:20:30\r\n";
    printout += "1,100,1,2,3,4,5,6,7,8,0,0,12.5 13.2\r\n2,200,1,2,3,4,5,6,7,8,0,0,5 7\r\n";
  }
  return printout;
}

TEST_F(IndependentProjectFile, TwentyFiveStiffnessRunsSurviveSaveAndOpen) {
  for (const int first : {1, 101}) {
    SCOPED_TRACE(first);
    const QString list = parsePrintout(3, stiffnessRuns(first, 25));
    const auto parsed = snapshot();
    ASSERT_EQ(parsed.size(), 21);
    const QString saved = path("runs.txt");
    ASSERT_EQ(save(saved, list, 3), SaveStatus::Saved);
    const auto reopened = open(saved, list);
    ASSERT_TRUE(reopened.has_value()) << static_cast<int>(replayStatus);
    EXPECT_EQ(*reopened, list);
    EXPECT_EQ(snapshot(), parsed);
  }
}

TEST_F(IndependentProjectFile, LoadFrameTablesAreNumberedAfreshOnOpen) {
  QByteArray printout;
  for (int test = 1; test <= 5; ++test)
    printout += "CBR/LBR TEST\r\n1, 00:00:0" + QByteArray::number(test) + ", " + QByteArray::number(test) +
                ", 2, 3, 4\r\nEND\r\n";
  parsePrintout(0, printout);
  const auto parsed = snapshot();
  const QString saved = path("two.txt");
  ASSERT_EQ(save(saved, "CBR_LBR2 CBR_LBR5 ", 0), SaveStatus::Saved);
  EXPECT_EQ(open(saved), std::optional<QString>("CBR_LBR1 CBR_LBR2 "));
  const auto reopened = snapshot();
  EXPECT_EQ(reopened.keys(), QStringList({"CBR_LBR1", "CBR_LBR2"}));
  EXPECT_EQ(reopened.value("CBR_LBR1"), parsed.value("CBR_LBR2"));
  EXPECT_EQ(reopened.value("CBR_LBR2"), parsed.value("CBR_LBR5"));
}

TEST_F(IndependentProjectFile, N2600APartsWithoutRowsOrWithoutStatistics) {
  const QByteArray title = "COMPACTION CONTROL DATA REPORT   NS-2600A SERIAL: 12345   CALIBRATION DATE:01/15/05\r\n";
  const QByteArray tail = "  01/20/05      9    100      0    6   T     0.0   0.0    2650   650   1234   210  2.70"
                          "   0   125      0      0     0     0       0\r\n";
  const QString saved = path("none.txt");
  // Rows of a letter other than "A" are soil rows, as the parser reads them.
  QByteArray soil = tail;
  soil.replace("   T  ", "   S  ");
  for (const QByteArray& row : {tail, soil}) {
    parsePrintout(1, title + "   1" + row + "   2" + row + "\r\n");
    ASSERT_EQ(snapshot().value("P9").size(), 2);
    ASSERT_EQ(save(saved, "9 ", 1), SaveStatus::Saved);
    const std::string text = fileBytes(saved);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 8);
    EXPECT_EQ(text.find("AVERAGE"), std::string::npos);
  }
}

TEST_F(IndependentProjectFile, N2600BXFileIsReadUpToTheEndOfDataMarker) {
  const QByteArray file =
      " 2 \r\nCOMPACTION CONTROL DATA REPORT NS-2600BX SERIAL: 23456 CALIBRATION DATE: 02/03/05 \r\n\r\n"
      "PROJECT ID: 4.5 DATE: 03/01/05 D STD=2650 M STD=650 KVAL=0.5  SPG=2.65 MAXD=120.5 LOWD=95.5\r\n"
      " B   .\r\n"
      "PROJECT ID: 7 DATE: 03/02/05 D STD=2700 M STD=600 KVAL=0.75  SPG=2.70 MAXD=118 LOWD=90\r\n";
  writeBytes(path("bx.txt"), file);
  EXPECT_EQ(open(path("bx.txt")), std::optional<QString>("4.5 "));
  EXPECT_EQ(snapshot().keys(), QStringList{"P45"});
}

TEST_F(IndependentProjectFile, FirstLineThatIsNotAModelCodeIsRefusedAndLeavesTheDatabase) {
  const QString list = parsePrintout(0, testsupport::readData("independent/lx9100_printout.txt"));
  const auto before = snapshot();
  for (const QByteArray first : {"ABCDEF", " 12345", "12345", " 7 ", "-1", "X"}) {
    SCOPED_TRACE(first.toStdString());
    writeBytes(path("bad.txt"), first + "\r\nCBR/LBR TEST\r\n1, 00:00:01, 1, 2, 3, 4\r\nEND\r\n");
    EXPECT_FALSE(open(path("bad.txt"), list).has_value());
    EXPECT_EQ(replayStatus, ReplayStatus::NotProjectFile);
    if (first.size() >= 6) EXPECT_EQ(foundDevice, 99);
    EXPECT_EQ(snapshot(), before);
  }
}

TEST_F(IndependentProjectFile, CutOffOrGarbageBodyIsAFailedReplay) {
  const QByteArray whole = testsupport::readData("independent/lx9100_project.txt");
  const QByteArray cut = whole.left(whole.indexOf("END"));
  for (const QByteArray& body : {cut, QByteArray(" 0 \r\n#$%&'()*+,-./0123456789:;<=>?@XYZ\r\n")}) {
    writeBytes(path("cut.txt"), body);
    EXPECT_FALSE(open(path("cut.txt")).has_value());
    EXPECT_NE(replayStatus, ReplayStatus::Replayed);
  }
}

TEST_F(IndependentProjectFile, SaveOfAMissingTableFailsAndKeepsThePreviousFile) {
  const QList<std::pair<const char*, QString>> models = {{"independent/lx9100_printout.txt", "CBR_LBR1 CBR_LBR9 "},
                                                         {"independent/n2600a_printout.txt", "ROAD 99 "},
                                                         {"independent/n2600bx_printout.txt", "4.5 99 "},
                                                         {"independent/t7310_printout.txt", "RUN5 RUN99 "}};
  const QString saved = path("keep.txt");
  for (int model = 0; model < 4; ++model) {
    SCOPED_TRACE(model);
    parsePrintout(model, testsupport::readData(models[model].first));
    writeBytes(saved, "previous");
    EXPECT_EQ(save(saved, models[model].second, model), SaveStatus::TableFailed);
    EXPECT_EQ(fileBytes(saved), "previous");
  }
  EXPECT_EQ(save(QString(), "CBR_LBR1 ", 0), SaveStatus::NoFileName);
}

TEST_F(IndependentProjectFile, LoadFrameSaveOfAMissingTableOfNoTestTypeFails) {
  parsePrintout(0, testsupport::readData("independent/lx9100_printout.txt"));
  const QString saved = path("keep.txt");
  writeBytes(saved, "previous");
  EXPECT_EQ(save(saved, "CBR_LBR1 NOSUCH1 ", 0), SaveStatus::TableFailed);
  EXPECT_EQ(fileBytes(saved), "previous");
}

TEST_F(IndependentProjectFile, PadFieldRightJustifiesAndNeverCuts) {
  EXPECT_EQ(instrument::writeout::Pad_Field("TIME", 8), "    TIME");
  EXPECT_EQ(instrument::writeout::Pad_Field("ABCDEF", 4), "ABCDEF");
  EXPECT_EQ(instrument::writeout::Pad_Field("ABCD", 4), "ABCD");
  EXPECT_EQ(instrument::writeout::Pad_Field("", 3), "   ");
}

}  // namespace
