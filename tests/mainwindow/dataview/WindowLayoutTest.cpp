#include "mainwindow/dataview/WindowLayout.h"

#include <QChartView>
#include <QCoreApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

#include "../DataViewFixture.h"
#include "report/page/ReportTabPage.h"

namespace mainwindow {
namespace {

class WindowLayoutTest : public DataViewFixture {
 protected:
  static int captionWidth(const QTableView& grid, int c) {
    return grid.fontMetrics().horizontalAdvance(grid.model()->headerData(c, Qt::Horizontal).toString());
  }
  // Each shown column shows its caption and values whole. They end inside
  // the grid when their texts fit, each at least as wide as the rule where
  // the room allows; when the texts do not fit, the grid scrolls sideways.
  void expectShownColumnsFit(const QTableView& grid, double ruleTwips) {
    QCoreApplication::processEvents();  // the scroll range follows the widths
    const QAbstractItemView& view = grid;
    int total = 0;
    int captions = 0;
    for (int c = 0; c < grid.model()->columnCount(); ++c) {
      if (grid.isColumnHidden(c)) continue;
      EXPECT_GE(grid.columnWidth(c), std::max(captionWidth(grid, c), view.sizeHintForColumn(c)))
          << grid.model()->headerData(c, Qt::Horizontal).toString().toStdString();
      total += grid.columnWidth(c);
      captions += std::max(captionWidth(grid, c), platform::twipsToPixels(ruleTwips, window->logicalDpiX()));
    }
    EXPECT_EQ(grid.horizontalHeader()->length(), total);
    if (total > grid.viewport()->width()) {
      EXPECT_GT(grid.horizontalScrollBar()->maximum(), 0);
      return;
    }
    if (captions > grid.viewport()->width()) return;
    for (int c = 0; c < grid.model()->columnCount(); ++c) {
      if (grid.isColumnHidden(c)) continue;
      EXPECT_GE(twips(grid.columnWidth(c)), ruleTwips - twips(1));
    }
  }
};

TEST_F(WindowLayoutTest, WindowKeepsItsMinimumSize) {
  main().resize(100, 100);
  main().dataView().layout().Form_Resize();
  EXPECT_TWIPS(twips(main().frameGeometry().width()), 7635);
  EXPECT_TWIPS(twips(main().frameGeometry().height()), 7335);
  EXPECT_EQ(main().minimumSize(), main().size());
}

TEST_F(WindowLayoutTest, DataTabControlsFollowTheTabStrip) {
  openProject("lx9100_two_tests.txt");
  click({QStringLiteral("CBR_LBR1")});
  for (QSize size : {QSize(900, 700), QSize(1200, 900), QSize(520, 500)}) {
    main().resize(size);
    main().dataView().layout().Form_Resize();
    const QSizeF tab = main().dataView().layout().mainTabTwips();
    EXPECT_TWIPS(twips(data().TreeView1->height()), tab.height() - 1100);
    // The tree's width beyond its 1750 (to show its texts) comes off the grids.
    const double tree = twips(data().TreeView1->width());
    EXPECT_GE(tree, 1750 - twips(1));
    EXPECT_TWIPS(twips(data().DataGrid1->width()), tab.width() - 2000 - (tree - 1750));
    EXPECT_TWIPS(twips(data().DataGrid2->width()), tab.width() - 2000 - (tree - 1750));
    EXPECT_TWIPS(twips(data().DataGrid1->height()), tab.height() - 2500);
    EXPECT_TWIPS(twips(data().DataGrid2->height()), 705);
    // The buttons share one top below the grids; save_selected's right edge
    // is 160 beyond grid and tree, the others 50 apart to its left.
    QPushButton& saveSelected = *data().save_selected;
    const QPoint inTab = saveSelected.mapTo(main().MainTab, QPoint(0, 0));
    EXPECT_TWIPS(twips(inTab.x() + saveSelected.width()), twips(data().DataGrid1->width()) + tree + 160);
    EXPECT_TWIPS(twips(inTab.y()), twips(data().DataGrid1->height() + data().DataGrid2->height()) + 1350);
    EXPECT_EQ(data().Save_DB->y(), saveSelected.y());
    EXPECT_EQ(data().Load_DB->y(), saveSelected.y());
    EXPECT_TWIPS(twips(saveSelected.x() - data().Save_DB->x() - data().Save_DB->width()), 50);
    // The rule gives ten columns width × 2 ÷ 9 each, hidden ones included
    // (the header grid's ten width × 2.22 ÷ 10); the shown ones get no more
    // than fits inside the frame, so the last one is never cut.
    expectShownColumnsFit(*data().DataGrid1, twips(data().DataGrid1->width()) * 2.0 / 9);
    expectShownColumnsFit(*data().DataGrid2, twips(data().DataGrid2->width()) * 2.22 / 10);
    EXPECT_TWIPS(twips(main().MSGraph->width()), tab.width() - 550);
    EXPECT_TWIPS(twips(main().MSGraph->height()), tab.height() - 850);
  }
}

// The program's first size is narrower than the run's fourteen readings.
TEST_F(WindowLayoutTest, ReadingsTooWideForTheGridScrollSidewaysUncut) {
  openProject("t7310_runs_1_to_25.txt");
  click({QStringLiteral("RUN3")});
  main().resize(1000, 720);
  main().dataView().layout().Form_Resize();
  QTableView& readings = *data().DataGrid1;
  expectShownColumnsFit(readings, twips(readings.width()) * 3.79 / (readings.model()->columnCount() - 1));
  EXPECT_GT(readings.horizontalHeader()->length(), readings.viewport()->width());
}

TEST_F(WindowLayoutTest, TheTreeShowsItsTextsWholeAndTheUserCanWidenIt) {
  openProject("t7310_runs_1_to_25.txt");
  main().resize(1200, 900);
  QTreeWidget& tree = *data().TreeView1;
  // The root's title "Run Number (t7310_runs_1_to_25.txt)" fits beside the
  // scroll bar.
  const QRect title = tree.visualItemRect(root());
  EXPECT_LE(title.left() + tree.fontMetrics().horizontalAdvance(root()->text(0)), tree.viewport()->width());
  EXPECT_GT(twips(tree.width()), 1750);

  // Dragging the handle right widens the tree; the grids give the room, and
  // the buttons keep their place.
  const int treeBefore = tree.width();
  const int gridRight = data().DataGrid2->geometry().right();
  const int buttonsRight = data().save_selected->geometry().right();
  auto& layout = main().dataView().layout();
  layout.startTreeDrag();
  layout.dragTree(60);
  EXPECT_NEAR(tree.width(), treeBefore + 60, 2);
  EXPECT_NEAR(data().DataGrid2->geometry().right(), gridRight, 2);
  EXPECT_NEAR(data().save_selected->geometry().right(), buttonsRight, 2);
  EXPECT_GT(data().DataGrid2->x(), tree.geometry().right());
  // Never narrower than its design width, and the grids keep some room.
  layout.dragTree(-5000);
  EXPECT_TWIPS(twips(tree.width()), 1750);
  layout.dragTree(5000);
  EXPECT_GE(twips(data().DataGrid2->width()), 3000 - twips(1));
}

TEST_F(WindowLayoutTest, ReportTabCapsItsTabStripAndLeavesTheGrids) {
  openProject("lx9100_two_tests.txt");
  click({QStringLiteral("CBR_LBR1")});
  const QSize gridBefore = data().DataGrid1->size();
  main().MainTab->setCurrentIndex(ReportTab);
  main().resize(1200, 900);
  main().dataView().layout().Form_Resize();
  const QSizeF tab = main().dataView().layout().mainTabTwips();
  EXPECT_TWIPS(twips(main().reportTab().ReportTab->maximumWidth()), tab.width() - 175);
  EXPECT_TWIPS(twips(main().reportTab().ReportTab->maximumHeight()), tab.height() - 2450);
  EXPECT_EQ(data().DataGrid1->size(), gridBefore);
}

}  // namespace
}  // namespace mainwindow
