#include "report/builder/ColumnSlots.h"

#include <gtest/gtest.h>

#include <utility>

#include "BuilderFixture.h"

namespace report {
namespace {

class ColumnSlotsTest : public testing::BuilderFixture {
 protected:
  platform::ReportDesigner& report() { return *designers.Report; }
};

TEST_F(ColumnSlotsTest, ClearColumnsFreesDataColumnsAndLeavesTheReadNumberColumn) {
  setHeader(report(), 1, "RN#");
  setHeader(report(), 5, "WD");
  setData(report(), 5, "1\r2\r");
  Clear_Columns(report());
  EXPECT_EQ(header(1), "RN#");
  EXPECT_EQ(header(5), "Col 4");
  EXPECT_EQ(data(5), " ");
  EXPECT_EQ(header(19), "Col 18");
  EXPECT_EQ(columnText("  1\r\r3\r "), "1\r\r3\r");  // blanks trimmed, line ends kept
  EXPECT_EQ(columnText(""), " ");
}

TEST_F(ColumnSlotsTest, NextFreeColumnIsTheSlotAfterTheHighestUsedOne) {
  Clear_Columns(report());
  EXPECT_EQ(Next_Free_Column(report(), flags, 1), 1);
  setHeader(report(), 1, "BN#");
  EXPECT_EQ(Next_Free_Column(report(), flags, 3), 2);
  setHeader(report(), 1, "RD#");
  setHeader(report(), 3, "DD");  // a gap at column 2 is not returned
  EXPECT_EQ(Next_Free_Column(report(), flags, 1), 4);
  setHeader(report(), 4, "Remarks");
  EXPECT_EQ(Next_Free_Column(report(), flags, 1), 5);
  setHeader(report(), 19, "VR");
  EXPECT_EQ(Next_Free_Column(report(), flags, 2), 20);
  // The load frame looks at its left block only.
  Clear_Columns(report());
  for (int k = 2; k <= 7; ++k) setHeader(report(), k, "CH1");
  setHeader(report(), 10, "CH2");
  EXPECT_EQ(Next_Free_Column(report(), flags, 0), 8);
  flags.Report_Font_Size = 12;
  EXPECT_EQ(Next_Free_Column(report(), flags, 0), 6);
}

TEST_F(ColumnSlotsTest, ResetColumnFreesTheLoadFrameMirrorByFontSize) {
  for (int k = 2; k <= 19; ++k) setHeader(report(), k, "X");
  flags.Report_Font_Size = 10;
  Reset_Column(report(), flags, 3, true, 0);
  EXPECT_EQ(header(3), "Col 2");
  EXPECT_EQ(header(9), "Col 8");
  flags.Report_Font_Size = 9;
  Reset_Column(report(), flags, 3, true, 0);
  EXPECT_EQ(header(10), "Col 9");
  Reset_Column(report(), flags, 8, true, 0);
  EXPECT_EQ(header(8), "Col 7");
  EXPECT_EQ(header(15), "X");
  Reset_Column(report(), flags, 4, true, 1);
  EXPECT_EQ(header(11), "X");
  Reset_Column(report(), flags, 1, true, 0);
  Reset_Column(report(), flags, 20, true, 0);
  EXPECT_EQ(header(1), "RD#");
}

// Runs of rows readings alternate between the blocks, each run in order; a
// test that fits one block stays in it.
TEST_F(ColumnSlotsTest, TwoBlockPlaceTakesReadingsInRunsOfRows) {
  const auto at = [](int reading, int rows, bool twoBlocks) {
    const BlockLine place = twoBlockPlace(reading, rows, twoBlocks);
    return std::pair(place.block == Block::Left ? 'L' : 'M', place.line);
  };
  EXPECT_EQ(at(1, 50, true), std::pair('L', 0));
  EXPECT_EQ(at(50, 50, true), std::pair('L', 49));
  EXPECT_EQ(at(51, 50, true), std::pair('M', 0));
  EXPECT_EQ(at(100, 50, true), std::pair('M', 49));
  EXPECT_EQ(at(101, 50, true), std::pair('L', 50));
  EXPECT_EQ(at(120, 50, true), std::pair('L', 69));
  EXPECT_EQ(at(35, 35, true), std::pair('L', 34));
  EXPECT_EQ(at(36, 35, true), std::pair('M', 0));
  EXPECT_EQ(at(106, 35, true), std::pair('M', 35));
  EXPECT_EQ(at(50, 50, false), std::pair('L', 49));
  EXPECT_EQ(at(120, 50, false), std::pair('L', 119));
}

}  // namespace
}  // namespace report
