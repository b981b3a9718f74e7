#include "report/reflow/LoadFrameSteps.h"

#include <gtest/gtest.h>

#include "report/builder/BuilderFixture.h"
#include "report/builder/ColumnLines.h"
#include "report/builder/ColumnPlacement.h"
#include "report/builder/ColumnSlots.h"
#include "report/builder/HideUnusedColumns.h"
#include "report/builder/ReadNumberColumn.h"
#include "report/builder/ReportHeader.h"
#include "report/reflow/ResizeReportFont.h"

namespace report {
namespace {

namespace names = platform::ReportNames;
using testing::lines;
using testing::numbers;

struct Column {
  int k;
  QString header;
  QString data;
  bool operator==(const Column&) const = default;
};

void PrintTo(const Column& column, std::ostream* os) {
  *os << column.k << ' ' << column.header.toStdString() << ' ' << column.data.left(40).toStdString();
}

class LoadFrameStepsTest : public testing::BuilderFixture {
 protected:
  // A report set up for a test of count readings with Time, CH1 and CH2
  // placed, as the report page composes it at size 9.
  void compose(int count) {
    table_ = load(0, testing::loadFramePrintout(count)).trimmed();
    auto c = context();
    Clear_Columns(report());
    Build_Report_Header(c, table_, "N", 0);
    Fill_RD_Column(c, table_, "N", 0);
    int k = FirstDataColumn;
    for (const char* item : {"Time", "CH1", "CH2"}) Place_Column(c, k++, item, table_, "N", 0, {0, 5});
  }

  // A font change as the Report Font commands make it.
  void reflow(int size) {
    const ReflowResult result = Resize_Report_Font({designers, flags, &db}, size, ModelCode::LX9100, table_);
    EXPECT_TRUE(result.reflowed);
  }

  platform::ReportDesigner& report() { return *designers.Report; }

  // The columns that print: shown and not hidden as free.
  QList<Column> printed() {
    const HiddenColumns hiddenForPrint = Hide_Unused_Columns(report());
    QList<Column> columns;
    for (int k = 1; k <= LastColumn; ++k)
      if (!hidden(names::columnHeader(k)) && !hidden(names::columnData(k))) columns.append({k, header(k), data(k)});
    Show_Hidden_Columns(report(), hiddenForPrint);
    return columns;
  }

  // Every value printed under a header, left block then mirror block.
  static QStringList valuesUnder(const QList<Column>& columns, const QString& header) {
    QStringList values;
    for (const Column& column : columns)
      if (column.header == header) values += lines(column.data);
    return values;
  }

  static int countHeader(const QList<Column>& columns, const QString& header) {
    int count = 0;
    for (const Column& column : columns) count += column.header == header;
    return count;
  }

  QString table_;
};

// Font changes on tests of one block at every size and of one that needs two
// at size 12: one "Remarks" per block, no free column printed, every reading
// printed, and the same report back at 9.
TEST_F(LoadFrameStepsTest, EverySizeAndBackKeepsEveryReadingAndOneRemarks) {
  for (const int count : {12, 36}) {
    SCOPED_TRACE(count);
    flags = ReportFlags{};
    designers.recreate();
    compose(count);
    const QList<Column> atNine = printed();
    for (const int size : {10, 11, 12, 9}) {
      SCOPED_TRACE(size);
      reflow(size);
      const QList<Column> columns = printed();
      const bool twoBlocks = count > fontGeometry(size)->rowsPerBlock;
      EXPECT_EQ(countHeader(columns, RemarksHeader), twoBlocks ? 2 : 1);
      EXPECT_EQ(header(5), RemarksHeader);
      EXPECT_EQ(flags.Remarks_Column, 5);
      for (const Column& column : columns) EXPECT_FALSE(looksLikePlaceholder(column.header)) << column.k;
      EXPECT_EQ(valuesUnder(columns, "RD#"), numbers(1, count));
      for (const QString item : {"Time", "CH1", "CH2"}) EXPECT_EQ(valuesUnder(columns, item).size(), count) << item.toStdString();
      EXPECT_EQ(valuesUnder(columns, "CH1").first(), "0.50");  // the form placement writes, not "0.5"
    }
    EXPECT_EQ(printed(), atNine);
  }
}

// A 36-reading test splits at size 12 (35 rows per block): readings 35 and 36
// go to a mirror block that shows under its own headers, and back at 11 the
// emptied mirror block is freed and hidden with its lines.
TEST_F(LoadFrameStepsTest, MirrorBlockAppearsAndGoesWithTheSplit) {
  compose(36);
  reflow(11);
  reflow(12);
  EXPECT_EQ(lines(data(1)), numbers(1, 34));
  EXPECT_EQ(lines(data(6)), numbers(35, 36));
  for (int k = 6; k <= 10; ++k) EXPECT_FALSE(hidden(names::columnHeader(k))) << k;
  EXPECT_EQ(header(6), "RD#");
  EXPECT_EQ(header(7), "Time");
  EXPECT_EQ(header(10), RemarksHeader);
  EXPECT_FALSE(hidden(names::columnLine(5)));  // between the blocks
  reflow(11);
  for (int k = 7; k <= LastColumn; ++k) {
    EXPECT_TRUE(hidden(names::columnHeader(k))) << k;
    EXPECT_EQ(header(k), columnPlaceholder(k)) << k;
  }
  EXPECT_TRUE(hidden(names::columnLine(6)));
  EXPECT_EQ(lines(data(1)), numbers(1, 36));
}

// A 120-reading test at each size: the blocks split by the rows of the size,
// the mirror block starts where the size puts it, nothing stale past it.
TEST_F(LoadFrameStepsTest, LongTestAtEachSize) {
  compose(120);
  for (const int size : {12, 10, 9, 11, 12, 9}) {
    SCOPED_TRACE(size);
    reflow(size);
    const FontGeometry g = *fontGeometry(size);
    const int rows = g.rowsPerBlock;
    QStringList left = numbers(1, rows - 1), mirror;
    for (int r = rows; r <= 120; ++r) ((r / rows) % 2 ? mirror : left) << QString::number(r);
    EXPECT_EQ(lines(data(1)), left);
    const int mirrorStart = 1 + g.mirrorOffset;
    EXPECT_EQ(header(mirrorStart), "RD#");
    EXPECT_EQ(lines(data(mirrorStart)), mirror);
    EXPECT_EQ(header(mirrorStart + 2), "CH1");
    EXPECT_EQ(lines(data(mirrorStart + 2)).size(), mirror.size());
    EXPECT_EQ(header(mirrorStart + 4), RemarksHeader);
    for (int k = mirrorStart + 5; k <= LastColumn; ++k) {
      EXPECT_EQ(header(k), columnPlaceholder(k)) << k;
      EXPECT_TRUE(hidden(names::columnHeader(k))) << k;
    }
    EXPECT_EQ(countHeader(printed(), RemarksHeader), 2);
  }
}

// The same size moves nothing; a stale header past the new mirror block is
// freed and hidden; an unreadable table leaves the report as it is and reads
// no table name as SQL.
TEST_F(LoadFrameStepsTest, ShiftAndRebuildLeaveWhatTheyMustNotTouch) {
  compose(120);
  QStringList before;
  for (int k = 1; k <= LastColumn; ++k) before << header(k) + "|" + data(k);
  Shift_LoadFrame_Columns(report(), flags, 9, 9);
  QStringList after;
  for (int k = 1; k <= LastColumn; ++k) after << header(k) + "|" + data(k);
  EXPECT_EQ(after, before);

  setHeader(report(), 13, "CH4");
  reflow(10);
  EXPECT_EQ(header(13), "Col 12");
  EXPECT_TRUE(hidden(names::columnHeader(13)));
  EXPECT_TRUE(hidden(names::columnLine(13)));

  const QString hostile = table_ + "\"; DROP TABLE \"" + table_;
  const QString left = data(2);
  Rebuild_Two_Blocks(report(), db, hostile, flags, 10, 12);
  EXPECT_EQ(data(2), left);
  EXPECT_TRUE(db.tableNames().contains(table_));
}

// A Null reading keeps its line, empty, so the later readings stay beside
// their read numbers.
TEST_F(LoadFrameStepsTest, NullReadingKeepsItsLine) {
  compose(12);
  ASSERT_TRUE(db.exec(QStringLiteral("UPDATE \"%1\" SET \"CH2\" = NULL WHERE \"READNUMBER\" = 3").arg(table_)));
  reflow(12);
  const QStringList ch2 = lines(data(4));
  ASSERT_EQ(ch2.size(), 12);
  EXPECT_EQ(ch2[2], "");
  EXPECT_EQ(ch2[3], "2.00");
}

}  // namespace
}  // namespace report
