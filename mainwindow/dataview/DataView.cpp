#include "mainwindow/dataview/DataView.h"

#include <QChartView>
#include <QGuiApplication>
#include <QHeaderView>
#include <QTableView>
#include <QTreeWidget>

#include <utility>

#include "mainwindow/dataview/DataTabPage.h"
#include "mainwindow/MainWindow.h"

namespace mainwindow {
namespace {

constexpr int CellPadding = 4;

}  // namespace

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
  // Compact rows, so the header grid shows its record under its captions.
  for (QTableView* grid : {data.DataGrid1, data.DataGrid2}) {
    const int line = grid->fontMetrics().height() + CellPadding;
    grid->verticalHeader()->setMinimumSectionSize(1);
    grid->verticalHeader()->setDefaultSectionSize(line);
    grid->horizontalHeader()->setFixedHeight(line);
  }
  data.DataGrid2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // Nodes are never renamed; long names scroll rather than shrink.
  data.TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  data.TreeView1->setTextElideMode(Qt::ElideNone);
  data.TreeView1->header()->setStretchLastSection(false);
  data.TreeView1->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  // The current node is the selection, however it became current (mouse,
  // arrow keys, Home/End). A click on the node that is already current
  // selects it again; the click that made it current does not select twice.
  connect(data.TreeView1, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
    selectedByPress_ = QGuiApplication::mouseButtons() != Qt::NoButton ? current : nullptr;
    selection_.TreeView1_Click();
  });
  connect(data.TreeView1, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
    if (std::exchange(selectedByPress_, nullptr) == item) return;
    selection_.TreeView1_Click();
  });
}

void DataView::closeDatabaseObjects() {
  view_.close();
  // The grids are empty now: the next click shows the table again, even the
  // one still highlighted in the tree.
  main_.state().New_Download = true;
}

void DataView::clearGrids() {
  view_.close();
  chart_.clear();
}

void DataView::reloadSelection() {
  main_.state().New_Download = true;
  selection_.TreeView1_Click();
}

}  // namespace mainwindow
