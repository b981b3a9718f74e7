#include "report/page/output/writeoutStiffy.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/report/ReportDefinitions.h"
#include "platform/report/ReportDesigner.h"
#include "platform/report/ReportNames.h"

namespace report {
namespace {

const char* const BinColumns[] = {"StiffyBinNumber",   "StiffyFrequency", "StiffyDisplSNR",  "StiffyForceSNR",
                                  "StiffyStiffnessMN", "StiffyStiffnessLbf", "StiffyYoungsMPa", "StiffyYoungsPsi",
                                  "StiffyShearMPa",    "StiffyShearPsi"};

const QByteArray Headings =
    "\r\n\r\n"
    ",,SNR,db,Meas Stiff,Meas Stiff,Calc Yngs Mod,Calc Yngs Mod,Calc Shr Mod,Calc Shr Mod,Meas Mois Cont,"
    "Est Dry Dens,Est Dry Dens\r\n"
    "BIN#,Freq.(Hz),Displ.,Force,(MN/m),(lbf/in),(MPa),(psi),(MPa),(psi),(%by Wght/100),PD(pcf),PD(kg/m^3)\r\n";

class WriteoutStiffyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    set("StiffyRunNumber", "7");
    set("StiffyMeasure", "12,8");  // as a comma locale shows it
    set("StiffyDate", "03/07/2024");
    set("StiffyTime", "14:05:09");
    set("StiffyMoisture", "0.12");
    set("StiffyDryDensityPcf", "105.3");
    set("StiffyDryDensityKg", "1686.7");
    for (int j = 1; j <= 6; ++j) set(platform::ReportNames::stiffyAverage(j), QStringLiteral("%1.5").arg(j));
  }
  void set(const QString& name, const QString& text) { ASSERT_EQ(report->member(name).SetText(text), platform::ReportStatus::Ok); }
  void set(const char* name, const char* text) { set(QLatin1String(name), QLatin1String(text)); }
  // Column j (0-based) of every bin, each value followed by a carriage return.
  void setBins(const QList<QStringList>& rows) {
    for (int j = 0; j < 10; ++j) {
      QString text;
      for (const QStringList& row : rows) text += row.value(j) + QLatin1Char('\r');
      set(QLatin1String(BinColumns[j]), text);
    }
  }
  QByteArray written() {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
  }

  QTemporaryDir dir;
  QString path = dir.filePath(QStringLiteral("DataStif.csv"));
  std::unique_ptr<platform::ReportDesigner> report = platform::ReportDefinitions::createStiffyReport();
};

TEST_F(WriteoutStiffyTest, AShortRunKeepsTheFixedFormByteForByteWithPointDecimals) {
  setBins({{"1", "100", "20.1", "18,4", "12.0", "68521.3", "101.2", "14674.0", "39.9", "5785.5"},
           {"2", "110", "21.0", "19.2", " ", " ", " ", " ", " ", " "},
           {"3", "120"}});
  // The last column text lacks its final carriage return: its last value still counts.
  set("StiffyShearPsi", "5785.5\r \r5800.0");
  ASSERT_EQ(writeoutStiffy(*report, path), StiffyCsvStatus::Written);
  EXPECT_EQ(written().toStdString(),
            QByteArray("RUN#:  7   MEAS:  12.8   DATE:  03/07/2024   TIME:  14:05:09\r\n" + Headings +
                       "1,100,20.1,18.4,12.0,68521.3,101.2,14674.0,39.9,5785.5,0.12,105.3,1686.7\r\n"
                       "2,110,21.0,19.2, , , , , , ,\r\n"
                       "3,120,,,,,,,,5800.0,\r\n" +
                       QByteArray(",,,,,,,,,,\r\n").repeated(22) +  // rows 4 to 25 of the fixed form
                       ",,,AVG:,1.5,2.5,3.5,4.5,5.5,6.5\r\n")
                .toStdString());
}

TEST_F(WriteoutStiffyTest, EveryBinOfALongRunAndOnlyItsOwnAveragesAreWritten) {
  QList<QStringList> rows;
  for (int bin = 1; bin <= 30; ++bin)
    rows.append(QStringList{QString::number(bin), QString::number(90 + bin * 10), "1.0", "2.0", "3.0", "4.0",
                            "5.0", "6.0", "7.0", "8.0"});
  setBins(rows);
  ASSERT_EQ(writeoutStiffy(*report, path), StiffyCsvStatus::Written);
  const QList<QByteArray> lines = written().split('\n');
  ASSERT_EQ(lines.size(), 1 + 4 + 30 + 1 + 1);  // run line, headings, bins, averages, after the last line end
  EXPECT_EQ(lines[34], "30,390,1.0,2.0,3.0,4.0,5.0,6.0,7.0,8.0,\r");
  EXPECT_EQ(lines[35], ",,,AVG:,1.5,2.5,3.5,4.5,5.5,6.5\r");

  // A list of later runs hides the average cells, which still hold another run's values.
  for (int j = 1; j <= 6; ++j) report->member(platform::ReportNames::stiffyAverage(j)).setSuppress(true);
  ASSERT_EQ(writeoutStiffy(*report, path), StiffyCsvStatus::Written);
  EXPECT_TRUE(written().endsWith("\r\n,,,AVG:,,,,,,\r\n"));
}

TEST_F(WriteoutStiffyTest, AFailedWriteIsReportedAndLeavesNoFile) {
  EXPECT_EQ(writeoutStiffy(*report, dir.filePath(QStringLiteral("missing/DataStif.csv"))),
            StiffyCsvStatus::WriteFailed);
  EXPECT_EQ(writeoutStiffy(*report, QString()), StiffyCsvStatus::WriteFailed);
  // A folder standing where the file should go cannot be replaced.
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("taken.csv")));
  EXPECT_EQ(writeoutStiffy(*report, dir.filePath(QStringLiteral("taken.csv"))), StiffyCsvStatus::WriteFailed);
  EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("taken.csv"))).isDir());
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList());  // no temporary file left
}

}  // namespace
}  // namespace report
