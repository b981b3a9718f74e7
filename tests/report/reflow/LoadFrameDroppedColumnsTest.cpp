#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "report/builder/BuilderFixture.h"
#include "report/builder/ColumnPlacement.h"
#include "report/builder/ColumnSlots.h"
#include "report/builder/ReadNumberColumn.h"
#include "report/builder/ReportHeader.h"
#include "report/reflow/ResizeReportFont.h"

namespace report {
namespace {

using Items = std::vector<std::pair<int, QString>>;

class LoadFrameDroppedColumnsTest : public testing::BuilderFixture {
 protected:
  // A test of count readings with the items placed on their columns at size 9.
  void compose(int count, const Items& items) {
    table_ = load(0, testing::loadFramePrintout(count)).trimmed();
    auto c = context();
    Clear_Columns(*designers.Report);
    Build_Report_Header(c, table_, "N", 0);
    Fill_RD_Column(c, table_, "N", 0);
    for (const auto& [k, item] : items) Place_Column(c, k, item, table_, "N", 0, {0, 5});
  }
  QStringList droppedAt(int size) {
    return Resize_Report_Font({designers, flags, &db}, size, ModelCode::LX9100, table_).droppedColumns;
  }

  QString table_;
};

// Each smaller size names the columns it takes off, once, though the mirror
// block repeated them; growing back names nothing and brings nothing back.
TEST_F(LoadFrameDroppedColumnsTest, EachSizeNamesTheColumnsItTakesOff) {
  compose(120, {{2, "Time"}, {3, "CH1"}, {4, "CH2"}, {5, "CH3"}, {6, "CH4"}});
  ASSERT_EQ(header(7), RemarksHeader);
  EXPECT_EQ(droppedAt(10), QStringList{"CH4"});
  EXPECT_EQ(droppedAt(11), QStringList{});
  EXPECT_EQ(droppedAt(12), QStringList{"CH3"});
  EXPECT_EQ(droppedAt(9), QStringList{});
  EXPECT_EQ(header(5), RemarksHeader);
}

// A free column keeps its place and so takes room from the columns after it.
TEST_F(LoadFrameDroppedColumnsTest, AFreeColumnCountsAndFittingColumnsAreNotNamed) {
  compose(12, {{2, "Time"}, {4, "CH1"}, {5, "CH2"}, {6, "CH3"}});
  EXPECT_EQ(droppedAt(12), QStringList({"CH2", "CH3"}));
  compose(12, {{2, "Time"}, {3, "CH1"}, {4, "CH2"}});
  EXPECT_EQ(droppedAt(12), QStringList{});
}

}  // namespace
}  // namespace report
