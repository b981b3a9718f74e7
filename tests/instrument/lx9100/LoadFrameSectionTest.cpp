// The load-frame section of project files: the layout of the printout, and
// what the replay makes of it.

#include <gtest/gtest.h>

#include "../ProjectFileSupport.h"
#include "../ProjectSectionTest.h"
#include "instrument/DeviceType.h"
#include "instrument/writeout.h"
#include "support/TestData.h"

namespace {

using instrument::DeviceType::LoadFrameSingle;
using instrument::ModelCode::LX9100;
using instrument::writeout;

QVariantMap reading(int number, const QString& time, const QVariantList& channels, const QStringList& names) {
  QVariantMap row{{"READNUMBER", number}, {"TIME", time}};
  for (qsizetype i = 0; i < channels.size(); ++i) {
    row.insert(QStringLiteral("CH%1").arg(i + 1), channels[i]);
    row.insert(QStringLiteral("CH%1NAME").arg(i + 1), names[i]);
  }
  return row;
}

class LoadFrameSection : public projecttest::ProjectSectionTest {
 protected:
  LoadFrameSection() : ProjectSectionTest(LX9100, QStringLiteral("lx.txt")) {}
};

TEST_F(LoadFrameSection, WritesEachTestAsThePrintoutLaysItOutAndReadsItBack) {
  const QStringList names{"(LOAD)", "NONE", "NONE", "()"};
  projecttest::createTables(LoadFrameSingle, {"CBR_LBR1", "MARSHALL1"});
  projecttest::addRow("CBR_LBR1", reading(1, "00:00:05", {1.2346, 2, 3, 4}, names));
  projecttest::addRow("CBR_LBR1", reading(2, "00:00:10", {12.5, 0.025, 0, -0.5}, names));
  projecttest::addRow("MARSHALL1", reading(1, "00:01:00", {100.1, 1.2, 0, 0}, {"(STAB)", "(FLOW)", "NONE", "()"}));
  const auto before = projecttest::snapshot();

  EXPECT_EQ(save("CBR_LBR1 MARSHALL1 ").toStdString(),
            testsupport::readData("projects/lx9100_two_tests.txt").toStdString());

  writeout reader;
  EXPECT_EQ(reader.Get_tables(testsupport::dataPath("projects/lx9100_two_tests.txt"), "CBR_LBR1 MARSHALL1 "),
            QStringLiteral("CBR_LBR1 MARSHALL1 "));
  EXPECT_EQ(projecttest::snapshot(), before);
}

TEST_F(LoadFrameSection, AWideReadingNumberKeepsItsRowOnOneLine) {
  projecttest::createTables(LoadFrameSingle, {"UC1"});
  projecttest::addRow("UC1", reading(40000, "00:00:05", {1, 2, 3, 4}, {"A", "B", "C", "D"}));
  const auto before = projecttest::snapshot();
  const QByteArray text = save("UC1 ");
  // One blank where the line would have been broken at each column stop.
  EXPECT_TRUE(text.contains("\r\n40000,  00:00:05,           1,           2,           3,           4\r\n"))
      << text.toStdString();
  writeout reader;
  ASSERT_TRUE(reader.Get_tables(file_, QString()).has_value()) << reader.message().toStdString();
  EXPECT_EQ(projecttest::snapshot(), before);
}

TEST_F(LoadFrameSection, AnEmptyTestComesBackEmpty) {
  projecttest::createTables(LoadFrameSingle, {"DSHEARTEST1"});
  EXPECT_EQ(save("DSHEARTEST1 "), QByteArray(" 0 \r\nDIRECT SHEAR TEST\r\n\r\nEND\r\n\r\n"));
  writeout reader;
  EXPECT_EQ(reader.Get_tables(file_, QString()), QStringLiteral("DSHEARTEST1 "));
  EXPECT_EQ(projecttest::snapshot().value("DSHEARTEST1"), QStringList());
}

TEST_F(LoadFrameSection, ATableNoTestTypeNamesIsLeftOut) {
  projecttest::createTables(LoadFrameSingle, {"OTHER1", "S_C_TEST1"});
  projecttest::addRow("OTHER1", reading(1, "00:00:01", {1, 1, 1, 1}, {"A", "B", "C", "D"}));
  projecttest::addRow("S_C_TEST1", reading(1, "00:00:01", {1, 1, 1, 1}, {"A", "B", "C", "D"}));
  const QByteArray text = save("OTHER1 S_C_TEST1 ");
  EXPECT_TRUE(text.startsWith(" 0 \r\nSOIL CEMENT TEST\r\n"));
  EXPECT_EQ(text.count("END"), 1);
}

}  // namespace
