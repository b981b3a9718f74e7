#include "mainwindow/DataView.h"

#include <QChartView>
#include <QTableView>
#include <QTreeWidget>

#include "mainwindow/DataTabPage.h"
#include "mainwindow/MainWindow.h"

namespace mainwindow {

DataView::DataView(MainWindow& main)
    : main_(main),
      chart_(*main.MSGraph),
      selection_(main, view_, chart_),
      headerEdit_(view_, main.state(), *main.dataTab().DataGrid1, &main),
      layout_(main),
      files_(std::make_unique<ProjectFileCommands>(main, *this)) {
  wireControls();
  chart_.clear();
}

DataView::~DataView() {
  // The grids outlive the record sets they show.
  DataTabPage& data = main_.dataTab();
  data.DataGrid1->setModel(nullptr);
  data.DataGrid2->setModel(nullptr);
}

void DataView::wireControls() {
  DataTabPage& data = main_.dataTab();
  data.DataGrid1->setModel(&view_.Rows_Recordset);
  data.DataGrid2->setModel(&view_.Header_Recordset);
  data.DataGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  data.DataGrid2->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                                  QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
  view_.Header_Recordset.setEditHandler([this](int row, int column, const QVariant& value) {
    return headerEdit_.DataGrid2_AfterColUpdate(row, column, value);
  });
  // Nodes are never renamed.
  data.TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  connect(data.TreeView1, &QTreeWidget::itemClicked, this, [this] { selection_.TreeView1_Click(); });
}

void DataView::closeDatabaseObjects() { view_.close(); }

void DataView::clearGrids() {
  view_.close();
  chart_.clear();
}

void DataView::reloadSelection() {
  main_.state().New_Download = true;
  selection_.TreeView1_Click();
}

}  // namespace mainwindow
