#include "mainwindow/dataview/WindowPlacement.h"

#include <gtest/gtest.h>

namespace mainwindow {
namespace {

PlacementInputs dataTab(int model, bool run21 = false) {
  PlacementInputs in;
  in.tab = 0;
  in.Model_Code = model;
  in.run21View = run21;
  in.treeWidth = 1750;
  in.loadWidth = 1300;
  in.saveAllWidth = 1500;
  in.saveSelectedWidth = 1800;
  return in;
}

TEST(WindowPlacementTest, WindowNeverGoesBelowItsMinimumSize) {
  EXPECT_EQ(keepMinimumSize({5000, 4000}), QSizeF(7635, 7335));
  EXPECT_EQ(keepMinimumSize({7635, 7335}), QSizeF(7635, 7335));
  EXPECT_EQ(keepMinimumSize({9000, 7000}), QSizeF(9000, 7335));
  EXPECT_EQ(mainTabSize(keepMinimumSize({100, 100})), QSizeF(7485, 6335));
}

TEST(WindowPlacementTest, TheRun21ViewGivesTheHeaderGridTheReadingsPlace) {
  const ControlPlacement p = placeControls({12000, 9000}, dataTab(3, true));
  ASSERT_TRUE(p.data);
  EXPECT_EQ(p.data->header, QSizeF(10000, 7500));
  EXPECT_FALSE(p.data->readingsShown);
  EXPECT_DOUBLE_EQ(p.data->saveSelected.y(), 7500 + 1050);
  EXPECT_FLOAT_EQ(p.data->readingsFactor, 3.79F);
}

TEST(WindowPlacementTest, OtherTabsPlaceOnlyTheirOwnControls) {
  PlacementInputs in = dataTab(1);
  in.tab = 1;
  ControlPlacement p = placeControls({12000, 9000}, in);
  EXPECT_FALSE(p.data);
  ASSERT_TRUE(p.report);
  EXPECT_EQ(p.report->reportTab, QSizeF(11825, 6550));
  EXPECT_EQ(p.report->viewers, QSizeF(11650, 6050));
  in.reportEditLoaded = true;
  EXPECT_EQ(placeControls({12000, 9000}, in).report->reportTab, QSizeF(11825, 8475));
  in.tab = 2;
  p = placeControls({12000, 9000}, in);
  EXPECT_FALSE(p.data);
  EXPECT_FALSE(p.report);
  EXPECT_EQ(p.graph, QSizeF(11450, 8150));
  // An unknown model gives no column widths.
  EXPECT_FLOAT_EQ(placeControls({12000, 9000}, dataTab(99)).data->readingsFactor, 0.0F);
}

}  // namespace
}  // namespace mainwindow
