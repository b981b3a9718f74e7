#include "report/page/ReportFonts.h"

#include <QAction>
#include <QListWidget>
#include <gtest/gtest.h>

#include "report/builder/ReportFlags.h"

namespace report {
namespace {

TEST(ReportFontsTest, ColumnsThatFitPerSizeAndModel) {
  EXPECT_EQ(fittingColumnEntries(9, 1), 17);
  EXPECT_EQ(fittingColumnEntries(10, 2), 15);
  EXPECT_EQ(fittingColumnEntries(11, 3), 13);
  EXPECT_EQ(fittingColumnEntries(12, 1), 12);
  EXPECT_EQ(fittingColumnEntries(9, 0), 5);
  EXPECT_EQ(fittingColumnEntries(10, 0), 4);
  EXPECT_EQ(fittingColumnEntries(11, 0), 4);
  EXPECT_EQ(fittingColumnEntries(12, 0), 3);
}

TEST(ReportFontsTest, FontCommandMarksItsCaptionAndRefillsTheColumnList) {
  QAction a9, a10, a11, a12;
  QListWidget List2;
  ReportFlags flags;
  ReportFonts fonts({&a9, &a10, &a11, &a12}, List2, flags);
  fonts.Font12_Click(2);
  EXPECT_EQ(flags.Report_Font_Size, 12);
  EXPECT_EQ(a12.text(), QStringLiteral("12 (Current)"));
  EXPECT_EQ(a9.text(), QStringLiteral("9"));
  ASSERT_EQ(List2.count(), 12);
  EXPECT_EQ(List2.item(11)->text(), QStringLiteral("Column12"));
  EXPECT_EQ(List2.currentRow(), 0);

  fonts.Font10_Click(0);
  EXPECT_EQ(a10.text(), QStringLiteral("10 (Current)"));
  EXPECT_EQ(a12.text(), QStringLiteral("12"));
  EXPECT_EQ(List2.count(), 4);
}

}  // namespace
}  // namespace report
