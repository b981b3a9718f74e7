#include "mainwindow/WindowLayout.h"

#include <QChartView>
#include <QHeaderView>
#include <QPushButton>
#include <QTabWidget>

#include "DataViewFixture.h"
#include "report/page/ReportTabPage.h"

namespace mainwindow {
namespace {

using WindowLayoutTest = DataViewFixture;

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
    EXPECT_TWIPS(twips(data().DataGrid1->width()), tab.width() - 2000);
    EXPECT_TWIPS(twips(data().DataGrid2->width()), tab.width() - 2000);
    EXPECT_TWIPS(twips(data().DataGrid1->height()), tab.height() - 2500);
    EXPECT_TWIPS(twips(data().DataGrid2->height()), 705);
    // The buttons share one top below the grids; save_selected's right edge
    // is 160 beyond grid and tree, the others 50 apart to its left.
    QPushButton& saveSelected = *data().save_selected;
    const QPoint inTab = saveSelected.mapTo(main().MainTab, QPoint(0, 0));
    EXPECT_TWIPS(twips(inTab.x() + saveSelected.width()), twips(data().DataGrid1->width()) + 1750 + 160);
    EXPECT_TWIPS(twips(inTab.y()), twips(data().DataGrid1->height() + data().DataGrid2->height()) + 1350);
    EXPECT_EQ(data().Save_DB->y(), saveSelected.y());
    EXPECT_EQ(data().Load_DB->y(), saveSelected.y());
    EXPECT_TWIPS(twips(saveSelected.x() - data().Save_DB->x() - data().Save_DB->width()), 50);
    // Ten columns share width × 2 ÷ 9 each, hidden ones included; the header
    // grid's ten columns width × 2.22 ÷ 10.
    EXPECT_TWIPS(twips(data().DataGrid1->columnWidth(0)), twips(data().DataGrid1->width()) * 2.0 / 9);
    EXPECT_TWIPS(twips(data().DataGrid1->columnWidth(5)), twips(data().DataGrid1->width()) * 2.0 / 9);
    EXPECT_TWIPS(twips(data().DataGrid2->columnWidth(1)), twips(data().DataGrid2->width()) * 2.22 / 10);
    EXPECT_TWIPS(twips(main().MSGraph->width()), tab.width() - 550);
    EXPECT_TWIPS(twips(main().MSGraph->height()), tab.height() - 850);
  }
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
