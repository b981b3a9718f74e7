#include "mainwindow/dataview/TreeSelection.h"

#include <QChart>
#include <QChartView>
#include <QImage>
#include <QPushButton>
#include <QTabWidget>

#include "../DataViewFixture.h"
#include "platform/core/ProgramFiles.h"
#include "report/page/ReportTabPage.h"

namespace mainwindow {
namespace {

using TreeSelectionTest = DataViewFixture;

QStringList split(const char* names) { return QString::fromLatin1(names).split(QLatin1Char(' ')); }

TEST_F(TreeSelectionTest, LoadFrameTestShowsReadingsHeaderAndChart) {
  openProject("lx9100_two_tests.txt");
  ASSERT_EQ(childTexts(root()), split("CBR_LBR1 MARSHALL1"));
  EXPECT_FALSE(main().MainTab->isTabEnabled(ReportTab));

  // A click as the tree reports it.
  QTreeWidget& tree = *data().TreeView1;
  tree.setCurrentItem(node({QStringLiteral("CBR_LBR1")}));
  emit tree.itemClicked(tree.currentItem(), 0);

  const instrument::ProgramState& state = main().state();
  EXPECT_EQ(state.Table_Name, QStringLiteral("CBR_LBR1"));
  EXPECT_EQ(state.Test_Name, QStringLiteral("NONE"));
  EXPECT_EQ(state.Row_Count, 3);
  EXPECT_TRUE(state.New_Data);
  EXPECT_FALSE(state.New_Download);
  EXPECT_EQ(main().reportFlags().Report_Font_Size, 9);
  EXPECT_EQ(shownColumns(*data().DataGrid1), split("READNUMBER CH1 CH2 CH3 CH4"));
  EXPECT_EQ(shownColumns(*data().DataGrid2), split("TIME CH1NAME CH2NAME CH3NAME CH4NAME"));
  EXPECT_EQ(data().DataGrid1->model()->rowCount(), 3);
  EXPECT_EQ(data().DataGrid2->model()->rowCount(), 1);
  EXPECT_EQ(data().DataGrid1->model()->index(2, 3).data().toString(), QStringLiteral("12"));
  EXPECT_TRUE(main().MainTab->isTabEnabled(ReportTab));
  EXPECT_TRUE(main().MainTab->isTabEnabled(GraphTab));
  for (QPushButton* button : {main().reportTab().Clear_Button, main().reportTab().Load_Layout,
                              main().reportTab().Save_Layout, main().reportTab().Export})
    EXPECT_TRUE(button->isHidden());
  EXPECT_EQ(QImage(folder.path(platform::ProgramFiles::GraphImage)).size(), QSize(621, 415));
  EXPECT_EQ(main().MSGraph->chart()->series().size(), 2);

  // A second click on the test shown changes nothing.
  main().reportFlags().Report_Font_Size = 12;
  click({QStringLiteral("CBR_LBR1")});
  EXPECT_EQ(main().reportFlags().Report_Font_Size, 12);
  click({QStringLiteral("MARSHALL1")});
  EXPECT_EQ(main().state().Row_Count, 2);
  EXPECT_EQ(main().reportFlags().Report_Font_Size, 9);
}

TEST_F(TreeSelectionTest, RootAndProjectNodesSelectNothing) {
  openProject("n2600bx_two_projects.txt");
  ASSERT_EQ(childTexts(root()), split("12.5 7"));
  ASSERT_EQ(childTexts(node({QStringLiteral("12.5")})), split("Asphalt Soil Thin"));
  click({});
  click({QStringLiteral("12.5")});
  EXPECT_TRUE(main().state().Table_Name.isEmpty());
  EXPECT_EQ(data().DataGrid1->model()->columnCount(), 0);
  EXPECT_FALSE(main().MainTab->isTabEnabled(ReportTab));
}

TEST_F(TreeSelectionTest, DensityGaugeSampleTypeAndTheOneEditableCell) {
  openProject("n2600bx_two_projects.txt");
  click({QStringLiteral("12.5"), QStringLiteral("Soil")});
  const instrument::ProgramState& state = main().state();
  EXPECT_EQ(state.Table_Name, QStringLiteral("125"));
  EXPECT_EQ(state.Test_Name, QStringLiteral("SOIL"));
  EXPECT_EQ(state.projectId, QStringLiteral("12.5"));  // for the report's caption
  EXPECT_EQ(shownColumns(*data().DataGrid1),
            split("RDNUM STAT1TO STAT1 OFFSET STAT2 LANE DPT SA ADJ DC MC AV WD DD M PERCM PERC_COMP VR"));
  EXPECT_EQ(shownColumns(*data().DataGrid2), split("ID SERNUM CDATE DATE DSTD MSTD KVAL SPG MAXD LOWD TIME"));
  const RecordGridModel& rows = view().Rows_Recordset;
  ASSERT_EQ(rows.recordCount(), 2);
  EXPECT_EQ(rows.value(0, u"RDNUM").toInt(), 1);
  EXPECT_EQ(rows.value(1, u"RDNUM").toInt(), 3);
  EXPECT_FALSE(main().MainTab->isTabEnabled(GraphTab));

  // Only MAXD of the header grid takes typing.
  QStringList editable;
  for (QTableView* grid : {data().DataGrid1, data().DataGrid2})
    for (int r = 0; r < grid->model()->rowCount(); ++r)
      for (int c = 0; c < grid->model()->columnCount(); ++c)
        if (grid->model()->flags(grid->model()->index(r, c)) & Qt::ItemIsEditable)
          editable << grid->objectName() + QLatin1Char('.') + grid->model()->headerData(c, Qt::Horizontal).toString();
  EXPECT_EQ(editable, QStringList{QStringLiteral("DataGrid2.MAXD")});

  // Typing 125 into MAXD recomputes the soil readings: 112.5 and 118.75 of 125.
  QAbstractItemModel& header = *data().DataGrid2->model();
  ASSERT_TRUE(header.setData(header.index(0, view().Header_Recordset.fieldIndex(u"MAXD")), QStringLiteral("125")));
  EXPECT_EQ(rows.value(0, u"PERC_COMP").toDouble(), 90.0);
  EXPECT_EQ(rows.value(1, u"PERC_COMP").toDouble(), 95.0);
  EXPECT_TRUE(dialogs.messages.isEmpty());
  // A quotient that single precision cannot hold exactly shows no noise.
  ASSERT_TRUE(header.setData(header.index(0, view().Header_Recordset.fieldIndex(u"MAXD")), QStringLiteral("104.09")));
  const QAbstractItemModel& readings = *data().DataGrid1->model();
  EXPECT_EQ(readings.data(readings.index(0, rows.fieldIndex(u"PERC_COMP"))).toString(), QStringLiteral("108.0795"));
  // The asphalt reading keeps its own.
  click({QStringLiteral("12.5"), QStringLiteral("Asphalt")});
  EXPECT_EQ(view().Rows_Recordset.value(0, u"PERC_COMP").toDouble(), 96.0);
  EXPECT_EQ(main().state().Test_Name, QStringLiteral("ASPHALT"));
}

TEST_F(TreeSelectionTest, N2600AHeaderIsTheFirstReadingOfTheSampleType) {
  openProject("n2600a_soil_asphalt.txt");
  click({QStringLiteral("12.5"), QStringLiteral("Asphalt")});
  EXPECT_EQ(view().Rows_Recordset.recordCount(), 2);
  ASSERT_EQ(view().Header_Recordset.recordCount(), 1);
  EXPECT_EQ(view().Header_Recordset.value(0, u"RDNUM").toInt(), 3);
  EXPECT_EQ(shownColumns(*data().DataGrid2), split("ID SERNUM CDATE KVAL DSTD MSTD SPG MAXD"));
  // Nothing to recompute from MAXD: it takes no typing.
  QAbstractItemModel& header = *data().DataGrid2->model();
  const QModelIndex maxd = header.index(0, view().Header_Recordset.fieldIndex(u"MAXD"));
  EXPECT_FALSE(header.flags(maxd) & Qt::ItemIsEditable);
  EXPECT_FALSE(header.setData(maxd, QStringLiteral("125")));
  EXPECT_TRUE(dialogs.messages.isEmpty());
  click({QStringLiteral("12.5"), QStringLiteral("Soil")});
  EXPECT_EQ(view().Rows_Recordset.recordCount(), 2);
  EXPECT_EQ(view().Header_Recordset.value(0, u"RDNUM").toInt(), 1);
}

TEST_F(TreeSelectionTest, StiffnessRunsAndTheRun21View) {
  openProject("t7310_runs_1_to_25.txt");
  ASSERT_EQ(childTexts(root()).size(), 21);
  EXPECT_EQ(childTexts(root()).last(), QStringLiteral("RUN21+"));
  main().reportFlags().Noise_Block = true;
  click({QStringLiteral("RUN21+")});
  EXPECT_EQ(main().state().Table_Name, QStringLiteral("RUN21"));
  EXPECT_FALSE(main().reportFlags().Noise_Block);
  EXPECT_TRUE(data().DataGrid1->isHidden());
  EXPECT_EQ(view().Rows_Recordset.columnCount(), 0);
  EXPECT_EQ(view().Header_Recordset.recordCount(), 5);  // runs 21 to 25, header records only
  EXPECT_EQ(shownColumns(*data().DataGrid2), split("RUN_NUMBER MEASURE CALFACTOR DATE TIME"));
  const double tabHeight = twips(main().MainTab->height());
  EXPECT_TWIPS(twips(data().DataGrid2->height()), tabHeight - 1500);

  click({QStringLiteral("RUN3")});
  EXPECT_FALSE(data().DataGrid1->isHidden());
  EXPECT_TWIPS(twips(data().DataGrid2->height()), 705);
  EXPECT_EQ(view().Rows_Recordset.recordCount(), 3);
  EXPECT_EQ(view().Header_Recordset.recordCount(), 1);
  EXPECT_EQ(view().Header_Recordset.value(0, u"RUN_NUMBER").toInt(), 3);
}

TEST_F(TreeSelectionTest, NodesCannotBeRenamed) {
  openProject("lx9100_two_tests.txt");
  QTreeWidgetItem* test = node({QStringLiteral("CBR_LBR1")});
  EXPECT_FALSE(test->flags() & Qt::ItemIsEditable);
  EXPECT_EQ(data().TreeView1->editTriggers(), QAbstractItemView::NoEditTriggers);
}

}  // namespace
}  // namespace mainwindow
