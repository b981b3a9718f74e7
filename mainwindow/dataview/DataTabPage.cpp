#include "mainwindow/dataview/DataTabPage.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTreeWidget>

#include "mainwindow/dataview/TreeSplitter.h"

namespace mainwindow {
namespace {

const QString Tab1Caption =
    QStringLiteral("Click on the Project ID Pain to select data for viewing and reporting.");
const QString TreeCaption = QStringLiteral("Project ID Pane");
const QString HeaderGridCaption = QStringLiteral("Project Information");
const QString ReadingsGridCaption = QStringLiteral("Project Data");
const QString SaveAllCaption = QStringLiteral("Save All Projects");
const QString SaveSelectedCaption = QStringLiteral("Save Selected Project");
const QString OpenCaption = QStringLiteral("Open Project(s)");
const QString SaveTip = QStringLiteral("Save projects for future use");
const QString OpenTip = QStringLiteral("Load previously saved projects");
const QString TreeTip = QStringLiteral("Select a project to view or for printing");

template <typename W>
W* named(W* widget, const char* name) {
  widget->setObjectName(QLatin1String(name));
  return widget;
}

}  // namespace

DataTabPage::DataTabPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("DataTabPage"));
  Tab1label = named(new QLabel(this), "Tab1label");
  TreeLabel = named(new QLabel(this), "TreeLabel");
  TreeView1 = named(new QTreeWidget(this), "TreeView1");
  TreeView1->setHeaderHidden(true);
  TreeView1->setToolTip(TreeTip);
  TreeView1->setRootIsDecorated(true);
  Tree_Splitter = new TreeSplitter(this);
  Data_Display_label[0] = named(new QLabel(this), "Data_Display_label0");
  Data_Display_label[1] = named(new QLabel(this), "Data_Display_label1");
  DataGrid2 = named(new QTableView(this), "DataGrid2");
  DataGrid1 = named(new QTableView(this), "DataGrid1");
  for (QTableView* grid : {DataGrid1, DataGrid2}) grid->verticalHeader()->setVisible(false);
  Load_DB = named(new QPushButton(this), "Load_DB");
  Load_DB->setToolTip(OpenTip);
  Save_DB = named(new QPushButton(this), "Save_DB");
  Save_DB->setToolTip(SaveTip);
  save_selected = named(new QPushButton(this), "save_selected");
  save_selected->setToolTip(SaveTip);
}

void DataTabPage::setCaptions() {
  Tab1label->setText(Tab1Caption);
  TreeLabel->setText(TreeCaption);
  Data_Display_label[0]->setText(HeaderGridCaption);
  Data_Display_label[1]->setText(ReadingsGridCaption);
  Save_DB->setText(SaveAllCaption);
  save_selected->setText(SaveSelectedCaption);
  Load_DB->setText(OpenCaption);
}

}  // namespace mainwindow
