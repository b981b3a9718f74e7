#include "mainwindow/dataview/TreeSelection.h"

#include <QPushButton>
#include <QTableView>
#include <QTreeWidget>

#include "instrument/DeviceType.h"
#include "mainwindow/grids/DataGrids.h"
#include "mainwindow/dataview/DataTabPage.h"
#include "mainwindow/grids/LoadFrameChart.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/tree/ProjectTree.h"
#include "mainwindow/dataview/ViewConnection.h"
#include "platform/core/IgnoreErrors.h"
#include "report/page/compose/ReportPage.h"
#include "report/page/ReportTabPage.h"

namespace mainwindow {
namespace {

const QString ReadingNumber = QStringLiteral("RDNUM");
constexpr int SelectionFontSize = 9;

}  // namespace

TreeSelection::TreeSelection(MainWindow& main, ViewConnection& view, LoadFrameChart& chart)
    : main_(main), view_(view), chart_(chart) {}

void TreeSelection::TreeView1_Click() {
  const QTreeWidgetItem* node = main_.dataTab().TreeView1->currentItem();
  if (node == nullptr) return;
  const TreeClick click{nodeKind(*node), node->text(0), node->data(0, TreeTableRole).toString()};
  const instrument::ProgramState& state = main_.state();
  const auto selection = selectionFor(state.Model_Code, click, state.Table_Name, state.New_Download);
  if (selection) show(*selection);
}

void TreeSelection::show(const Selection& selection) {
  instrument::ProgramState& state = main_.state();
  report::ReportFlags& flags = main_.reportFlags();
  state.New_Download = false;
  main_.dataTab().DataGrid1->setVisible(selection.readingsShown);
  resetReport();
  state.Table_Name = selection.Table_Name;
  state.Test_Name = selection.Test_Name;
  state.projectId = selection.projectId;
  openRecordsets(selection);
  if (state.Model_Code == instrument::ModelCode::T7310) {
    flags.Noise_Block = false;
    flags.Signal_Block = false;
  }
  if (state.Model_Code == instrument::ModelCode::LX9100) {
    state.Row_Count = view_.Rows_Recordset.recordCount();
    main_.setMainTabEnabled(GraphTab, true);
    platform::ignoringErrors([&] { chart_.Draw_Graph(view_.Rows_Recordset); });
  }
  applyColumns();
  flags.Report_Font_Size = SelectionFontSize;
  state.New_Data = true;
  platform::ignoringErrors([&] { main_.Form_Resize(); });
  main_.setMainTabEnabled(ReportTab, !state.Table_Name.isEmpty());
}

void TreeSelection::resetReport() {
  platform::ignoringErrors([&] { main_.reportPage().Clear_Columns(); });
  report::ReportTabPage& page = main_.reportTab();
  for (QPushButton* button : {page.Clear_Button, page.Load_Layout, page.Save_Layout, page.Export}) button->hide();
  main_.reportFlags().Logo_Loaded = false;
}

void TreeSelection::openRecordsets(const Selection& selection) {
  view_.open();
  RecordGridModel& rows = view_.Rows_Recordset;
  if (selection.readingsShown)
    rows.open(view_.DB_Connection, selection.table, selection.rows.where, selection.rows.values);
  else
    rows.close();
  Condition header = selection.header;
  if (selection.headerFromFirstReading) {
    const QVariant first = rows.value(0, ReadingNumber);
    header = n2600aHeader(first.isNull() ? std::nullopt : std::optional<qint64>(first.toLongLong()));
  }
  view_.Header_Recordset.open(view_.DB_Connection, selection.table, header.where, header.values);
}

void TreeSelection::applyColumns() {
  DataTabPage& data = main_.dataTab();
  const int model = main_.state().Model_Code;
  applyColumnRules(*data.DataGrid1, view_.Rows_Recordset, GridKind::Readings, model);
  applyColumnRules(*data.DataGrid2, view_.Header_Recordset, GridKind::Header, model);
}

}  // namespace mainwindow
