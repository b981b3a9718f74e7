#include "report/reflow/LoadFrameSteps.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <vector>

#include "report/builder/BuilderFixture.h"
#include "report/builder/ColumnPlacement.h"
#include "report/builder/ColumnSlots.h"
#include "report/builder/HideUnusedColumns.h"
#include "report/builder/ReadNumberColumn.h"
#include "report/builder/ReportHeader.h"
#include "report/reflow/LoadFrameColumnSet.h"
#include "report/reflow/ResizeReportFont.h"

namespace report {
namespace {

namespace names = platform::ReportNames;
using testing::lines;
using testing::numbers;

// The column of the mirror block's "RD#" at each size.
const std::map<int, int> MirrorReadNumberColumn{{9, 8}, {10, 7}, {11, 7}, {12, 6}};

class LoadFrameStepsTest : public testing::BuilderFixture {
 protected:
  // A test of count readings with the items placed on their columns at size 9.
  void compose(int count, const std::vector<std::pair<int, QString>>& items = {{2, "Time"}, {3, "CH1"}, {4, "CH2"}}) {
    designers.recreate();
    flags = ReportFlags{};
    table_ = load(0, testing::loadFramePrintout(count)).trimmed();
    auto c = context();
    Clear_Columns(*designers.Report);
    Build_Report_Header(c, table_, "N", 0);
    Fill_RD_Column(c, table_, "N", 0);
    for (const auto& [k, item] : items) Place_Column(c, k, item, table_, "N", 0, {0, 5});
  }
  // The block of a reading: its "RD#" column, the reading's line there and
  // the block's "Remarks" column.
  struct ReadingPlace {
    int line = -1;
    int remarks = 0;
  };
  ReadingPlace placeOf(int reading) {
    for (int k = 1; k <= LastColumn; ++k) {
      if (header(k) != "RD#") continue;
      const qsizetype line = lines(data(k)).indexOf(QString::number(reading));
      if (line < 0) continue;
      int remarks = k + 1;
      while (remarks < LastColumn && header(remarks) != RemarksHeader) ++remarks;
      return {static_cast<int>(line), remarks};
    }
    return {};
  }
  void putRemark(int reading, const QString& remark) {
    const ReadingPlace place = placeOf(reading);
    QStringList remarks = lines(data(place.remarks).trimmed().isEmpty() ? QString() : data(place.remarks));
    while (remarks.size() <= place.line) remarks << QString();
    remarks[place.line] = remark;
    setData(*designers.Report, place.remarks, remarks.join('\r') + '\r');
  }
  QString remarkBeside(int reading) {
    const ReadingPlace place = placeOf(reading);
    return place.line < 0 ? "<no reading>" : lines(data(place.remarks)).value(place.line);
  }
  void reflow(int size) { EXPECT_TRUE(Resize_Report_Font({designers, flags, &db}, size, 0, table_).reflowed); }
  // The columns a change to size says it took off.
  QStringList droppedAt(int size) { return Resize_Report_Font({designers, flags, &db}, size, 0, table_).droppedColumns; }

  // What prints: "header|data" of every shown column not hidden as free.
  QStringList printed() {
    const HiddenColumns forPrint = Hide_Unused_Columns(*designers.Report);
    QStringList columns;
    for (int k = 1; k <= LastColumn; ++k)
      if (!hidden(names::columnHeader(k)) && !hidden(names::columnData(k))) columns << header(k) + "|" + data(k);
    Show_Hidden_Columns(*designers.Report, forPrint);
    return columns;
  }
  // Every value printed under a header, left block then mirror block.
  QStringList printedUnder(const QString& header) {
    QStringList values;
    for (const QString& column : printed())
      if (column.section('|', 0, 0) == header) values += lines(column.section('|', 1));
    return values;
  }

  QString table_;
};

// One "Remarks" per block, no free column printed, every reading printed at
// every size, and the same report back at 9; the 36-reading test needs a
// mirror block at 12 only, which is hidden again once emptied; a 50-reading
// test fits one block at 9 only.
TEST_F(LoadFrameStepsTest, EverySizeAndBackKeepsEveryReadingAndOneRemarks) {
  // A block holds 50 readings at 9, 45 at 10, 40 at 11 and 35 at 12.
  const std::map<std::pair<int, int>, qsizetype> blocks{
      {{12, 9}, 1}, {{12, 10}, 1}, {{12, 11}, 1}, {{12, 12}, 1}, {{36, 9}, 1}, {{36, 10}, 1},
      {{36, 11}, 1}, {{36, 12}, 2}, {{50, 9}, 1},  {{50, 10}, 2}, {{50, 11}, 2}, {{50, 12}, 2}};
  for (const int count : {12, 36, 50}) {
    SCOPED_TRACE(count);
    compose(count);
    const QStringList atNine = printed();
    for (const int size : {10, 11, 12, 9}) {
      SCOPED_TRACE(size);
      reflow(size);
      EXPECT_EQ(printedUnder(RemarksHeader).size(), blocks.at({count, size}));
      EXPECT_EQ(flags.Remarks_Column, 5);
      for (const QString& column : printed()) EXPECT_FALSE(looksLikePlaceholder(column)) << column.toStdString();
      EXPECT_EQ(printedUnder("RD#"), numbers(1, count));
      for (const QString item : {"Time", "CH1", "CH2"}) EXPECT_EQ(printedUnder(item).size(), count);
      EXPECT_EQ(printedUnder("CH1").first(), "0.50");  // as placement writes it
    }
    EXPECT_EQ(printed(), atNine);
    EXPECT_TRUE(hidden(names::columnHeader(8)));
  }
}

// A 120-reading test at each size: split in runs of the size's rows, the
// mirror block's "RD#" in its column for the size, nothing stale or shown past it.
TEST_F(LoadFrameStepsTest, LongTestAtEachSize) {
  struct Split {
    QStringList left, mirror;
  };
  const std::map<int, Split> expected{
      {9, { numbers(1, 50) + numbers(101, 120), numbers(51, 100)}},
      {10, { numbers(1, 45) + numbers(91, 120), numbers(46, 90)}},
      {11, { numbers(1, 40) + numbers(81, 120), numbers(41, 80)}},
      {12, { numbers(1, 35) + numbers(71, 105), numbers(36, 70) + numbers(106, 120)}}};
  compose(120);
  for (const int size : {12, 10, 9, 11, 12, 9}) {
    SCOPED_TRACE(size);
    reflow(size);
    const Split& split = expected.at(size);
    const int start = MirrorReadNumberColumn.at(size);
    EXPECT_EQ(lines(data(1)), split.left);
    EXPECT_EQ(header(start), "RD#");
    EXPECT_EQ(lines(data(start)), split.mirror);
    EXPECT_EQ(lines(data(start + 2)).size(), split.mirror.size());
    EXPECT_EQ(header(start + 4), RemarksHeader);
    for (int k = start + 5; k <= LastColumn; ++k)
      EXPECT_TRUE(hidden(names::columnHeader(k)) && isOwnPlaceholder(header(k), k)) << k;
    EXPECT_FALSE(hidden(names::columnLine(start - 1)));
  }
}

// A free column between data columns keeps its place at every size, and a
// remark stays beside its reading wherever the size puts it; the report
// comes back as it was.
TEST_F(LoadFrameStepsTest, FreeColumnsAndRemarksKeepTheirPlaces) {
  compose(120, {{2, "Time"}, {4, "CH1"}});
  ASSERT_EQ(header(3), "Col 2");
  ASSERT_EQ(header(5), RemarksHeader);
  putRemark(105, "cracked");
  putRemark(60, "re-seated");
  putRemark(1, "start");
  putRemark(50, "last of a run");
  const QStringList atNine = printed();
  for (const int size : {10, 11, 12, 9, 12, 10, 9}) {
    SCOPED_TRACE(size);
    reflow(size);
    const int mirror = MirrorReadNumberColumn.at(size) - 1;
    for (const int offset : {0, mirror}) {
      EXPECT_EQ(header(2 + offset), "Time");
      EXPECT_TRUE(isOwnPlaceholder(header(3 + offset), 3 + offset));
      EXPECT_EQ(header(4 + offset), "CH1");
      EXPECT_EQ(lines(data(4 + offset)).size(), lines(data(1 + offset)).size());
      EXPECT_EQ(header(5 + offset), RemarksHeader);
    }
    EXPECT_EQ(remarkBeside(105), "cracked");
    EXPECT_EQ(remarkBeside(60), "re-seated");
    EXPECT_EQ(remarkBeside(1), "start");
    EXPECT_EQ(remarkBeside(50), "last of a run");
    EXPECT_EQ(remarkBeside(2), "");
  }
  EXPECT_EQ(printed(), atNine);
}

// The same size moves nothing; a stale header past the new mirror block is
// freed with its line; a Null reading keeps its line; an unreadable table
// leaves the report alone and no table name is read as SQL.
TEST_F(LoadFrameStepsTest, WhatTheStepsMustNotTouchOrLose) {
  compose(120);
  const QStringList before = printed();
  Shift_LoadFrame_Columns(*designers.Report, flags, 9, 9);
  EXPECT_EQ(printed(), before);

  setHeader(*designers.Report, 13, "CH4");
  ASSERT_TRUE(db.exec(QStringLiteral("UPDATE \"%1\" SET \"CH2\" = NULL WHERE \"READNUMBER\" = 3").arg(table_)));
  reflow(10);
  EXPECT_EQ(header(13), "Col 12");
  EXPECT_TRUE(hidden(names::columnLine(13)));
  EXPECT_EQ(lines(data(4)).mid(1, 3), QStringList({"2.00", "", "2.00"}));

  const QString left = data(2);
  const LoadFrameColumnSet set = readLoadFrameColumnSet(*designers.Report, *fontGeometry(10));
  Rebuild_Two_Blocks(*designers.Report, db, table_ + "\"; DROP TABLE \"" + table_, flags, set, 10, 12);
  EXPECT_EQ(data(2), left);
  EXPECT_TRUE(db.tableNames().contains(table_));
}

// Each smaller size names the columns it takes off, once, though the mirror
// block repeated them; growing back names nothing and brings nothing back.
TEST_F(LoadFrameStepsTest, EachSizeNamesTheColumnsItTakesOff) {
  compose(120, {{2, "Time"}, {3, "CH1"}, {4, "CH2"}, {5, "CH3"}, {6, "CH4"}});
  ASSERT_EQ(header(7), RemarksHeader);
  EXPECT_EQ(droppedAt(10), QStringList{"CH4"});
  EXPECT_EQ(droppedAt(11), QStringList{});
  EXPECT_EQ(droppedAt(12), QStringList{"CH3"});
  EXPECT_EQ(droppedAt(9), QStringList{});
  EXPECT_EQ(header(5), RemarksHeader);
}

// A free column keeps its place and so takes room from the columns after it.
TEST_F(LoadFrameStepsTest, AFreeColumnCountsAndFittingColumnsAreNotNamed) {
  compose(12, {{2, "Time"}, {4, "CH1"}, {5, "CH2"}, {6, "CH3"}});
  EXPECT_EQ(droppedAt(12), QStringList({"CH2", "CH3"}));
  compose(12, {{2, "Time"}, {3, "CH1"}, {4, "CH2"}});
  EXPECT_EQ(droppedAt(12), QStringList{});
}

}  // namespace
}  // namespace report
