// The N2600BX section of project files.

#include <gtest/gtest.h>

#include "../ProjectFileSupport.h"
#include "../ProjectSectionTest.h"
#include "instrument/CreateDatabase.h"
#include "instrument/DeviceType.h"
#include "platform/db/Database.h"
#include "support/TestData.h"

namespace {

constexpr int Layout = instrument::DeviceType::N2600BX;

QVariantMap projectHeader(const QString& id) {
  return {{"ID", id},       {"SERNUM", 54321}, {"CDATE", "03/04/05"}, {"DATE", "06/01/2004"},
          {"DSTD", 2350},   {"MSTD", 650},     {"KVAL", 0.95},        {"SPG", 2.7},
          {"MAXD", 135.5},  {"LOWD", 120.5},   {"RDNUM", 0}};
}

QVariantMap bxReading(const QStringList& values) {
  const char* fields[] = {"RDNUM", "TIME", "STAT1TO", "STAT1", "OFFSET", "STAT2", "LANE", "DPT", "S/A",   "ADJ",
                          "DC",    "MC",   "AV",      "WD",    "DD",     "M",     "PERCM", "PERC_COMP", "VR"};
  QVariantMap row;
  for (qsizetype i = 0; i < values.size(); ++i)
    row.insert(QString::fromLatin1(fields[i]).replace("S/A", "SA"), values[i]);
  return row;
}

class N2600BXSection : public projecttest::ProjectSectionTest {
 protected:
  N2600BXSection() : ProjectSectionTest(instrument::ModelCode::N2600BX, QStringLiteral("bx.txt")) {}
};

TEST_F(N2600BXSection, WritesTitleProjectAndReadingsAndReadsThemBack) {
  projecttest::createTables(Layout, {"P45"});
  projecttest::addRow("P45", projectHeader("4.5"));
  projecttest::addRow("P45", bxReading({"7", "10:42", "ABC", "10+50", "2.5L", "11+00", "L1", "6", "S", "0", "1800",
                                        "320", "4.5", "122.4", "112.1", "10.3", "8.5", "97.2", "OK"}));
  projecttest::addRow("P45", bxReading({"8", "10:47", "10+00", "10+50", "2.5R", "11+00", "L2", "12", "A", "1.5",
                                        "1801", "321", "4", "140.2", "93.3", "9", "0", "98", "BAD"}));
  projecttest::addRow("P45", bxReading({"9", "11:02", "10+00", "10+60", "0", "11+10", "L1", "6", "S", "0", "1802",
                                        "322", "4.5", "122.5", "112.2", "10.2", "8.4", "97.1", "OK"}));

  // The table of id 4.5 is found without the id's dot.
  EXPECT_EQ(save("4.5 ").toStdString(), testsupport::readData("projects/n2600bx_one_project.txt").toStdString());
  expectReadBack("4.5 ");
}

TEST_F(N2600BXSection, StandardsOfOneCharacterOrNoneReadBackAlone) {
  projecttest::createTables(Layout, {"P3"});
  QVariantMap header = projectHeader("3");
  header.insert("DSTD", 5);
  header.remove("MSTD");
  header.remove("DATE");
  projecttest::addRow("P3", header);
  EXPECT_TRUE(save("3 ").contains("\r\nPROJECT ID: 3 D STD= 5 M STD=-- KVAL=0.95  SPG=2.7 MAXD=135.5 LOWD=120.5\r\n"));
  expectReadBack("3 ");
}

TEST_F(N2600BXSection, AReadingOfFifteenValuesEndsAfterM) {
  projecttest::createTables(Layout, {"P9"});
  projecttest::addRow("P9", projectHeader("9"));
  projecttest::addRow("P9", bxReading({"1", "10:42", "10+00", "10+50", "2.5L", "11+00", "L1", "6", "S", "0", "1800",
                                       "320", "4.5", "122.4", "112.1", "10.3"}));
  EXPECT_TRUE(save("9 ").contains("112.1,   10.3\r\n"));
  expectReadBack("9 ");
}

TEST_F(N2600BXSection, AProjectWithoutReadingsOrHeaderComesBack) {
  projecttest::createTables(Layout, {"P1", "P2"});
  projecttest::addRow("P1", projectHeader("1"));
  // P2 was defined but its header never completed.
  const QByteArray text = save("1 2 ");
  EXPECT_TRUE(text.contains("\r\nPROJECT ID: 2 \r\n")) << text.toStdString();
  expectReadBack("1 2 ");
}

// A percentage the gauge left empty is no value: it is saved as blanks and
// reads back as no value again. (A 0 an older file holds stays a 0: the
// hand-written project files.)
TEST_F(N2600BXSection, AnEmptyPercentageStaysEmptyThroughASaveAndReopen) {
  const QByteArray printout = testsupport::readData("n2600bx/empty_values.txt");
  ASSERT_EQ(projecttest::parsePrintout(instrument::ModelCode::N2600BX, printout), "7 ");
  platform::db::Database db;
  ASSERT_TRUE(db.open(instrument::CreateDatabase::databasePath()));
  const auto percentages = [&](int rdnum) {
    return db.select("SELECT PERCM, PERC_COMP, M, VR FROM P7 WHERE RDNUM = ?", {rdnum})->first();
  };
  EXPECT_TRUE(percentages(2).isNull(0));
  EXPECT_TRUE(percentages(2).isNull(1));
  EXPECT_FLOAT_EQ(percentages(2).value(2).toFloat(), 12.7F);
  EXPECT_EQ(percentages(2).value(3).toString(), "HI");

  EXPECT_TRUE(save("7 ").contains(",   12.7,       ,       ,     HI\r\n"));
  expectReadBack("7 ");
}

}  // namespace
