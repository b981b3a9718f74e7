#include "report/page/settings/ReportFonts.h"

#include <QAction>
#include <QListWidget>
#include <gtest/gtest.h>


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

// The command re-flows first and marks the size afterwards; it leaves the
// stored size to the re-flow.
TEST(ReportFontsTest, FontCommandReflowsMarksItsCaptionAndRefillsTheColumnList) {
  QAction a9, a10, a11, a12;
  QListWidget List2;
  QList<int> reflows;
  ReportFonts fonts({&a9, &a10, &a11, &a12}, List2, [&](int size) {
    reflows.append(size);
    EXPECT_FALSE((size == 12 ? a12 : a10).text().contains(CurrentFontMark));
    return ReflowResult{};
  });
  fonts.Font12_Click(2);
  EXPECT_EQ(reflows, QList<int>{12});
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
