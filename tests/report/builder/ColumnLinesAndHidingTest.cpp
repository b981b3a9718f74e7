#include <gtest/gtest.h>

#include "BuilderFixture.h"
#include "report/builder/ColumnLines.h"
#include "report/builder/ColumnSlots.h"
#include "report/builder/HideUnusedColumns.h"

namespace report {
namespace {

namespace names = platform::ReportNames;

class ColumnLinesAndHidingTest : public testing::BuilderFixture {
 protected:
  platform::ReportDesigner& report() { return *designers.Report; }
  bool lineShown(int k) const { return !hidden(names::columnLine(k)); }
};

TEST_F(ColumnLinesAndHidingTest, DensityLinesFollowTheBoundOnly) {
  setHeader(report(), 3, "WD");
  Update_Column_Lines(report(), flags, 7, 1);
  for (int k = 2; k <= 18; ++k) EXPECT_EQ(lineShown(k), k < 7) << k;
  Update_Column_Lines(report(), flags, 2, 3);
  for (int k = 2; k <= 18; ++k) EXPECT_FALSE(lineShown(k)) << k;
}

TEST_F(ColumnLinesAndHidingTest, LoadFrameLinesFollowTheHeadersAndTheSecondBlock) {
  Clear_Columns(report());
  setHeader(report(), 2, "CH1");
  setHeader(report(), 3, "col x");    // counts as a placeholder
  setHeader(report(), 4, "remarks");  // not the Remarks header
  setHeader(report(), 7, RemarksHeader);
  setHeader(report(), 8, "rd#");
  Update_Column_Lines(report(), flags, 0, 0);
  EXPECT_TRUE(lineShown(2));
  EXPECT_FALSE(lineShown(3));
  EXPECT_TRUE(lineShown(4));
  EXPECT_TRUE(lineShown(7));  // the second block exists
  EXPECT_EQ(flags.Remarks_Column, 0);
  flags.Report_Font_Size = 10;
  setHeader(report(), 13, "CH2");
  Update_Column_Lines(report(), flags, 0, 0);
  EXPECT_FALSE(lineShown(13));
}

// During a font change the remarks column follows the left block's
// "Remarks"; a used column at the block end is not written over.
TEST_F(ColumnLinesAndHidingTest, FontChangePointsTheRemarksColumnAtTheLeftRemarks) {
  Clear_Columns(report());
  for (int k = 2; k <= 5; ++k) setHeader(report(), k, "CH1");
  setHeader(report(), 4, RemarksHeader);
  flags.Font_Changing = true;
  flags.Report_Font_Size = 12;
  Update_Column_Lines(report(), flags, 0, 0);
  EXPECT_EQ(header(5), "CH1");
  EXPECT_EQ(header(10), "Col 9");
  EXPECT_EQ(flags.Remarks_Column, 4);
  EXPECT_EQ(flags.New_Remarks_Column, 4);
}

// Hiding for printing, then showing again, puts back exactly what was there.
TEST_F(ColumnLinesAndHidingTest, HideAndRestoreAreExact) {
  Clear_Columns(report());
  setHeader(report(), 2, RemarksHeader);
  setHeader(report(), 5, "WD");
  setHeader(report(), 6, "col 5");
  report().member(names::columnHeader(19)).setSuppress(true);  // hidden by a font re-flow
  report().member(names::columnLine(3)).setSuppress(false);
  const HiddenColumns changes = Hide_Unused_Columns(report());
  EXPECT_FALSE(hidden(names::columnHeader(2)));
  EXPECT_TRUE(hidden(names::columnHeader(3)));
  EXPECT_TRUE(hidden(names::columnLine(3)));
  EXPECT_FALSE(hidden(names::columnData(5)));
  EXPECT_FALSE(hidden(names::columnHeader(6)));
  EXPECT_TRUE(hidden(names::columnData(19)));
  const HiddenColumns again = Hide_Unused_Columns(report());
  Show_Hidden_Columns(report(), again);
  EXPECT_TRUE(hidden(names::columnHeader(3)));
  Show_Hidden_Columns(report(), changes);
  EXPECT_FALSE(hidden(names::columnHeader(3)));
  EXPECT_FALSE(hidden(names::columnLine(3)));
  EXPECT_TRUE(hidden(names::columnLine(4)));
  EXPECT_TRUE(hidden(names::columnHeader(19)));
  EXPECT_FALSE(hidden(names::columnData(19)));
}

}  // namespace
}  // namespace report
