// The N2600A section of project files and the raw-data CSV.

#include <gtest/gtest.h>

#include "../ProjectFileSupport.h"
#include "../ProjectSectionTest.h"
#include "instrument/DeviceType.h"
#include "support/TestData.h"

namespace {

constexpr int Layout = instrument::DeviceType::N2600A;

// The sixteen shared values, then the part's results (five soil, three
// asphalt), as the printout lists them.
QVariantMap aReading(const QStringList& values) {
  static const char* common[] = {"RDNUM", "RDATE", "ID",   "STAT", "OFFSET", "DPT", "SA",  "KVAL",
                                 "PADJ",  "DSTD",  "MSTD", "DCNT", "MCNT",   "SPG", "PAV", "MAXD"};
  static const char* soil[] = {"WETD", "DRYD", "WAT", "PWAT", "PCOMP"};
  static const char* asphalt[] = {"PAC", "DENS", "PCOMP"};
  QVariantMap row{{"SERNUM", 12345}, {"CDATE", "01/15/05"}};
  for (int i = 0; i < 16; ++i) row.insert(common[i], values[i]);
  const bool isAsphalt = values[6] == "A";
  for (qsizetype i = 16; i < values.size(); ++i) row.insert(isAsphalt ? asphalt[i - 16] : soil[i - 16], values[i]);
  return row;
}

void addHandWorkedRows() {
  projecttest::createTables(Layout, {"P125", "P7"});
  projecttest::addRow("P125", aReading({"1", "06/01/04", "12.5", "100", "1.5", "6", "S", "0.5", "0", "2350", "650",
                                        "1801", "321", "2.7", "5", "135.5", "100", "90", "10", "11.1", "95"}));
  projecttest::addRow("P125", aReading({"2", "06/01/04", "12.5", "150", "-2", "12", "S", "0.5", "0", "2350", "650",
                                        "1802", "322", "2.7", "5", "135.5", "102", "91.5", "10.5", "11.5", "96.5"}));
  projecttest::addRow("P7", aReading({"3", "06/03/04", "7", "300", "1", "2", "A", "0", "1.5", "2350", "650", "1704",
                                      "304", "2.65", "4", "150.2", "4.5", "140", "93"}));
  projecttest::addRow("P7", aReading({"4", "06/03/04", "7", "310", "1.25", "2", "A", "0", "1.5", "2350", "650",
                                      "1705", "305", "2.65", "4", "150.2", "5.5", "141", "94"}));
}

QStringList soilRow(const QString& number, const QString& date, const QString& wet) {
  return {number, date, "5", "10", "1", "6", "S", "0", "0", "2350", "650", "1801", "321", "2.7", "5", "135.5",
          wet,    wet,  "0", "0",  "0"};
}

class N2600ASection : public projecttest::ProjectSectionTest {
 protected:
  N2600ASection() : ProjectSectionTest(instrument::ModelCode::N2600A, QStringLiteral("a.txt")) {}
};

// Averages and deviations worked by hand: WETD 100 and 102 give 101.0 and
// the square root of 2, 1.4; DRYD 90 and 91.5 give 90.75 (90.8) and 1.06
// (1.1); PAC 4.5 and 5.5 give 5.0 and 0.7.
TEST_F(N2600ASection, WritesSoilThenAsphaltWithTheirSummariesAndReadsThemBack) {
  addHandWorkedRows();
  EXPECT_EQ(save("12.5 7 ").toStdString(), testsupport::readData("projects/n2600a_soil_asphalt.txt").toStdString());
  expectReadBack("12.5 7 ");
}

TEST_F(N2600ASection, TheRawDataExportWritesTheSoilPartWithCommas) {
  addHandWorkedRows();
  EXPECT_EQ(save("12.5 7 ", true).toStdString(), testsupport::readData("projects/n2600a_raw_data.csv").toStdString());
}

TEST_F(N2600ASection, OneRowHasNoSpreadAndOnlyAsphaltStartsWithItsHeader) {
  projecttest::createTables(Layout, {"P7"});
  projecttest::addRow("P7", aReading({"3", "06/03/04", "7", "300", "1", "2", "A", "0", "1.5", "2350", "650", "1704",
                                      "304", "2.65", "4", "150.2", "4.5", "140", "93"}));
  const QByteArray text = save("7 ");
  EXPECT_TRUE(text.startsWith(" 1 \r\n   \r\nCOMPACTION CONTROL DATA REPORT   NS-2600A SERIAL: 12345"));
  EXPECT_TRUE(text.contains("SAMPLE DEVIATIONS:          0.0    0.0     0.0\r\n"));
  expectReadBack("7 ");
}

TEST_F(N2600ASection, SoilRowsOfNoResultStillCloseTheirPartBeforeAsphalt) {
  projecttest::createTables(Layout, {"P5"});
  projecttest::addRow("P5", aReading(soilRow("1", "06/01/04", "0")));
  projecttest::addRow("P5", aReading({"2", "06/03/04", "5", "300", "1", "2", "A", "0", "1.5", "2350", "650", "1704",
                                      "304", "2.65", "4", "150.2", "4.5", "140", "93"}));
  EXPECT_EQ(save("5 ").count("AVERAGE OF ALL DATA:"), 2);
  expectReadBack("5 ");
}

TEST_F(N2600ASection, RowsOfAnotherSerialNumberGetAHeaderOfTheirOwn) {
  projecttest::createTables(Layout, {"P5"});
  projecttest::addRow("P5", aReading(soilRow("1", "06/01/04", "120")));
  QVariantMap later = aReading(soilRow("2", "07/01/04", "121"));
  later.insert("SERNUM", 12346);
  later.insert("CDATE", "02/20/06");
  projecttest::addRow("P5", later);
  EXPECT_EQ(save("5 ").count("COMPACTION CONTROL DATA REPORT"), 2);
  expectReadBack("5 ");
}

TEST_F(N2600ASection, AWideDateStaysApartFromTheProjectId) {
  projecttest::createTables(Layout, {"P5"});
  projecttest::addRow("P5", aReading(soilRow("1", "06/01/2004", "120")));
  EXPECT_TRUE(save("5 ").contains("   1  06/01/2004      5     10"));
  expectReadBack("5 ");
}

// The parser reads any row not marked asphalt as soil, so the soil part
// takes it too: leaving it out lost it on reopening.
TEST_F(N2600ASection, RowsOfAnotherSampleTypeGoInTheSoilPart) {
  projecttest::createTables(Layout, {"P5"});
  QStringList values = soilRow("1", "06/01/04", "120");
  values[6] = "T";
  projecttest::addRow("P5", aReading(values));
  projecttest::addRow("P5", aReading(soilRow("2", "06/01/04", "121")));
  const QByteArray text = save("5 ");
  EXPECT_EQ(text.count("COMPACTION CONTROL DATA REPORT"), 1);
  EXPECT_TRUE(text.contains("    6   T "));
  EXPECT_TRUE(text.contains("AVERAGE OF ALL DATA:      120.5"));

  // The raw-data CSV is no project file: such a row is in neither part and
  // counts in no average.
  const QByteArray csv = save("5 ", true);
  EXPECT_FALSE(csv.contains("  T"));
  EXPECT_EQ(csv.count(",  S,"), 1);
  EXPECT_TRUE(csv.contains("AVERAGE OF ALL DATA:,,,121.0,"));
  EXPECT_FALSE(csv.contains("120.5"));
}

}  // namespace
