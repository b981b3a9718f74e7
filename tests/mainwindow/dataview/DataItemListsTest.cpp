#include "mainwindow/dataview/DataItemLists.h"

#include <QApplication>
#include <QListWidget>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace mainwindow {
namespace {

QStringList entries(const QListWidget& list) {
  QStringList result;
  for (int i = 0; i < list.count(); ++i) result.append(list.item(i)->text());
  return result;
}

TEST(DataItemListsTest, ItemCountsPerModel) {
  EXPECT_EQ(dataItems(0).size(), 6);
  EXPECT_EQ(dataItems(1).size(), 17);
  EXPECT_EQ(dataItems(2).size(), 19);
  EXPECT_EQ(dataItems(3).size(), 6);
  EXPECT_TRUE(dataItems(7).isEmpty());
  EXPECT_EQ(dataItems(0).last(), QStringLiteral("CH4"));
  EXPECT_EQ(dataItems(1)[9], QStringLiteral("%Air void"));
  EXPECT_EQ(dataItems(2)[2], QStringLiteral("Stat1 To"));
  EXPECT_EQ(dataItems(2)[16], QStringLiteral("%M Cont"));
  EXPECT_EQ(dataItems(3).mid(0, 2), (QStringList{"None", "Frequency"}));
}

TEST(DataItemListsTest, FillsBothListsWithoutDuplicatesOrSelection) {
  QListWidget List1;
  QListWidget List2;
  List1.setEnabled(false);
  for (int pass = 0; pass < 2; ++pass) Fill_Data_Lists(List1, List2, 0);
  EXPECT_EQ(entries(List1), dataItems(0));
  EXPECT_EQ(entries(List2), (QStringList{"Column1", "Column2", "Column3", "Column4", "Column5"}));
  EXPECT_TRUE(List1.isEnabled());
  EXPECT_TRUE(List2.isEnabled());
  EXPECT_EQ(List1.currentRow(), -1);
  EXPECT_TRUE(List2.selectedItems().isEmpty());
}

TEST(DataItemListsTest, ANewFillStartsAtTheFirstItemWhereverTheLastReportLeftTheList) {
  QListWidget List1;
  QListWidget List2;
  List1.resize(120, 60);
  List1.show();
  Fill_Data_Lists(List1, List2, 2);
  QApplication::processEvents();
  List1.scrollToItem(List1.item(List1.count() - 1));
  ASSERT_GT(List1.verticalScrollBar()->value(), 0);

  Fill_Data_Lists(List1, List2, 2);
  QApplication::processEvents();
  EXPECT_EQ(List1.verticalScrollBar()->value(), 0);
  EXPECT_TRUE(List1.viewport()->rect().contains(List1.visualItemRect(List1.item(0))));
}

TEST(DataItemListsTest, UnknownModelHasNoItemsButSeventeenColumns) {
  QListWidget List1;
  QListWidget List2;
  Fill_Data_Lists(List1, List2, 7);
  EXPECT_EQ(List1.count(), 0);
  EXPECT_EQ(List2.count(), 17);
  EXPECT_EQ(List2.item(16)->text(), QStringLiteral("Column17"));
  Fill_Data_Lists(List1, List2, 3);
  EXPECT_EQ(List1.count(), 6);
  EXPECT_EQ(List2.count(), 17);
}

}  // namespace
}  // namespace mainwindow
