#include "report/builder/FieldMap.h"

#include <gtest/gtest.h>

#include "BuilderFixture.h"
#include "platform/db/Recordset.h"
#include "report/builder/ReportRecords.h"

namespace report {
namespace {

class FieldMapTest : public testing::BuilderFixture {
 protected:
  // The item's value of the first reading of the table.
  QString first(const QString& table, const QString& sa, int model, const QString& item) {
    platform::db::Recordset records;
    EXPECT_TRUE(openColumnRecords(records, db, table, sa, model));
    EXPECT_TRUE(firstRecord(records));
    return Get_Field_Value(records, item, model);
  }
};

TEST_F(FieldMapTest, DensityItemsReadTheFieldOfTheirModel) {
  loadFile(1, "n2600a/soil_asphalt.txt");
  EXPECT_EQ(first("125", "S", 1, "WD"), "120.1");
  EXPECT_EQ(first("125", "S", 1, "%Comp"), "96.5");
  EXPECT_EQ(first("125", "S", 1, "Stat"), "100");
  for (const QString item : {"Time", "M Cont", "Freq.", "NO Flag", "None", ""})
    EXPECT_EQ(first("125", "S", 1, item), "") << item.toStdString();
  platform::db::Recordset records;
  ASSERT_TRUE(openColumnRecords(records, db, "125", "S", 1) && firstRecord(records));
  EXPECT_EQ(Get_Field_Value(records, "WD", 0), "");
  EXPECT_EQ(Get_Field_Value(records, "WD", 3), "");
  loadFile(2, "n2600bx/one_project.txt");
  EXPECT_EQ(first("45", "S", 2, "WD"), "122.4");
  EXPECT_EQ(first("45", "S", 2, "Time"), "10:42");
  EXPECT_EQ(first("45", "S", 2, "M Cont"), "10.3");
  EXPECT_EQ(first("45", "S", 2, "VR"), "OK");
}

TEST_F(FieldMapTest, ChannelsHaveTwoDecimalsAndStiffnessFlagsAreDistinct) {
  const QString table = load(0, testing::loadFramePrintout(3)).trimmed();
  EXPECT_EQ(first(table, "N", 0, "CH1"), "0.50");
  EXPECT_EQ(first(table, "N", 0, "CH2"), "2.00");
  EXPECT_EQ(first(table, "N", 0, "Time"), "00:00:01");
  const QString halves = load(0, "CBR/LBR TEST\r\nRD #, TIME, (LOAD), (), (), ()\r\n"
                                 "1, 00:00:01, 0.025, 0.075, 0.125, 0.175\r\nEND\r\n").trimmed();
  EXPECT_EQ(first(halves, "N", 0, "CH1"), "0.03");
  EXPECT_EQ(first(halves, "N", 0, "CH2"), "0.08");
  EXPECT_EQ(first(halves, "N", 0, "CH3"), "0.13");
  EXPECT_EQ(first(halves, "N", 0, "CH4"), "0.18");
  loadFile(3, "t7310/runs_101_to_125.txt");
  platform::db::Recordset records;
  ASSERT_TRUE(openColumnRecords(records, db, "RUN101", "N", 3));
  ASSERT_TRUE(firstRecord(records) && nextRecord(records));
  EXPECT_EQ(Get_Field_Value(records, "Frequency", 3), "100");
  EXPECT_EQ(Get_Field_Value(records, "R_D_ND", 3), "10101");
  EXPECT_EQ(Get_Field_Value(records, "Noise Overload Flag", 3), "0");
  EXPECT_EQ(Get_Field_Value(records, "Signal Overload Flag", 3), "1");
  EXPECT_EQ(headerAbbreviation("Void Ratio"), "VR");
  EXPECT_EQ(headerAbbreviation("CH1"), "CH1");
}

}  // namespace
}  // namespace report
