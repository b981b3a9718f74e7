#include "mainwindow/tree/SelectionQueries.h"

#include <gtest/gtest.h>

namespace mainwindow {
namespace {

constexpr int LX9100 = 0;
constexpr int N2600A = 1;
constexpr int N2600BX = 2;
constexpr int T7310 = 3;

TreeClick node(TreeNodeKind kind, const char* text, const char* entry) {
  return {kind, QString::fromLatin1(text), QString::fromLatin1(entry)};
}

TEST(SelectionQueriesTest, RootsAndProjectNodesSelectNothingWhateverTheirText) {
  for (int model : {LX9100, N2600A, N2600BX, T7310}) {
    EXPECT_FALSE(selectionFor(model, node(TreeNodeKind::Root, "Tests (run1.txt)", ""), QString(), false));
    EXPECT_FALSE(selectionFor(model, node(TreeNodeKind::Root, "CBR_LBR1", ""), QString(), true));
  }
  // A density-gauge project node, numeric or not, is not a table to show.
  EXPECT_FALSE(selectionFor(N2600BX, node(TreeNodeKind::Table, "12.5", "12.5"), QString(), true));
  EXPECT_FALSE(selectionFor(N2600A, node(TreeNodeKind::Table, "ABC", "ABC"), QString(), true));
  // A sample-type text under a load frame is no test.
  EXPECT_FALSE(selectionFor(LX9100, node(TreeNodeKind::SampleType, "Soil", "X"), QString(), true));
  EXPECT_FALSE(selectionFor(99, node(TreeNodeKind::Table, "CBR_LBR1", "CBR_LBR1"), QString(), true));
}

TEST(SelectionQueriesTest, DensityGaugeSampleTypeReadsItsProjectTableByBoundLetter) {
  const auto s = selectionFor(N2600BX, node(TreeNodeKind::SampleType, "Soil", "12.5"), QStringLiteral("125"), false);
  ASSERT_TRUE(s);
  EXPECT_EQ(s->Table_Name, QStringLiteral("125"));
  EXPECT_EQ(s->Test_Name, QStringLiteral("SOIL"));
  EXPECT_EQ(s->table, QStringLiteral("P125"));
  EXPECT_EQ(s->rows.where, QStringLiteral("\"SA\" = ? AND \"RDNUM\" > 0"));
  EXPECT_EQ(s->rows.values, QVariantList{QStringLiteral("S")});
  EXPECT_EQ(s->header.where, QStringLiteral("\"RDNUM\" = 0"));
  EXPECT_FALSE(s->headerFromFirstReading);

  const auto thin = selectionFor(N2600BX, node(TreeNodeKind::SampleType, "Thin", "7"), QString(), false);
  EXPECT_EQ(thin->rows.values, QVariantList{QStringLiteral("T")});

  const auto a = selectionFor(N2600A, node(TreeNodeKind::SampleType, "Asphalt", "7"), QString(), false);
  EXPECT_EQ(a->rows.values, QVariantList{QStringLiteral("A")});
  EXPECT_TRUE(a->headerFromFirstReading);
  EXPECT_EQ(n2600aHeader(7).where, QStringLiteral("\"RDNUM\" = ?"));
  EXPECT_EQ(n2600aHeader(7).values, QVariantList{qint64(7)});
  EXPECT_EQ(n2600aHeader(std::nullopt).where, QStringLiteral("\"RDNUM\" = 0"));
}

TEST(SelectionQueriesTest, RepeatedClickOnTheTestShownDoesNothingUntilADownload) {
  const TreeClick test = node(TreeNodeKind::Table, "CBR_LBR1", "CBR_LBR1");
  const auto first = selectionFor(LX9100, test, QString(), false);
  ASSERT_TRUE(first);
  EXPECT_EQ(first->table, QStringLiteral("CBR_LBR1"));
  EXPECT_EQ(first->Test_Name, QStringLiteral("NONE"));
  EXPECT_TRUE(first->rows.where.isEmpty());
  EXPECT_EQ(first->header.where, QStringLiteral("\"READNUMBER\" < 2"));
  EXPECT_FALSE(selectionFor(LX9100, test, QStringLiteral("CBR_LBR1"), false));
  EXPECT_TRUE(selectionFor(LX9100, test, QStringLiteral("CBR_LBR1"), true));
  // Sample-type nodes reload every time: their text is never a table name.
  EXPECT_TRUE(selectionFor(N2600A, node(TreeNodeKind::SampleType, "Soil", "Soil"), QStringLiteral("Soil"), false));
}

}  // namespace
}  // namespace mainwindow
