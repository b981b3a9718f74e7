#include "report/page/ReportTabPage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "platform/ui/ReportViewer.h"

namespace report {
namespace {

const QString RawDataCaption = QStringLiteral("Raw Data");
const QString StiffnessDataCaption = QStringLiteral("Stiffness Data");
const QString List1Tip = QStringLiteral("Select the data to fill in the column");
const QString List2Tip = QStringLiteral("Select a column to fill");
const QString ClearTip = QStringLiteral("Clear all columns of the report.");
const QString ClearCaption = QStringLiteral("Clear Preview");
const QString SaveLayoutCaption = QStringLiteral("Save Layout");
const QString LoadLayoutCaption = QStringLiteral("Load Layout");
const QString ExportCaption = QStringLiteral("Export");
const QString List1Caption = QStringLiteral("Column Object");
const QString List2Caption = QStringLiteral("Column List");
constexpr int ListWidth = 170;

template <typename W>
W* named(W* widget, const char* name) {
  widget->setObjectName(QLatin1String(name));
  return widget;
}

}  // namespace

ReportTabPage::ReportTabPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("ReportTabPage"));
  Tab2Label = named(new QLabel(this), "Tab2Label");
  Tab2Label->setWordWrap(true);
  makeReportArea();

  auto* body = new QHBoxLayout;
  body->addWidget(makeListColumn());
  body->addWidget(Picture1, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Tab2Label);
  layout->addLayout(body, 1);
}

QWidget* ReportTabPage::makeListColumn() {
  auto* column = new QWidget(this);
  List2Label = named(new QLabel(List2Caption, column), "List2Label");
  List2 = named(new QListWidget(column), "List2");
  List2->setToolTip(List2Tip);
  List1Label = named(new QLabel(List1Caption, column), "List1Label");
  List1 = named(new QListWidget(column), "List1");
  List1->setToolTip(List1Tip);
  Preview_option = named(new QLabel(column), "Preview_option");
  Image1 = named(new QLabel(column), "Image1");
  Instruction[0] = named(new QLabel(column), "Instruction0");
  Instruction[0]->setWordWrap(true);

  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(List2Label);
  layout->addWidget(List2, 1);
  layout->addWidget(List1Label);
  layout->addWidget(List1, 2);
  layout->addWidget(Preview_option);
  layout->addWidget(Image1);
  layout->addWidget(Instruction[0]);
  layout->addWidget(makeButtonRow());
  column->setFixedWidth(ListWidth);
  return column;
}

QWidget* ReportTabPage::makeButtonRow() {
  auto* row = new QWidget(this);
  Clear_Button = named(new QPushButton(ClearCaption, row), "Clear_Button");
  Clear_Button->setToolTip(ClearTip);
  Save_Layout = named(new QPushButton(SaveLayoutCaption, row), "Save_Layout");
  Load_Layout = named(new QPushButton(LoadLayoutCaption, row), "Load_Layout");
  Export = named(new QPushButton(ExportCaption, row), "Export");
  auto* layout = new QVBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  for (QPushButton* button : {Clear_Button, Load_Layout, Save_Layout, Export}) layout->addWidget(button);
  return row;
}

void ReportTabPage::makeReportArea() {
  Picture1 = named(new QWidget(this), "Picture1");
  ReportTab = named(new QTabWidget(Picture1), "ReportTab");
  for (int i = 0; i < 2; ++i) {
    CRViewer1[i] = new platform::ReportViewer(nullptr, i);
    CRViewer1[i]->setObjectName(QStringLiteral("CRViewer1_%1").arg(i));
  }
  ReportTab->addTab(CRViewer1[0], RawDataCaption);
  ReportTab->addTab(CRViewer1[1], StiffnessDataCaption);
  Tab2PPLAbel = named(new QLabel(Picture1), "Tab2PPLAbel");
  What_report = named(new QLabel(Picture1), "What_report");
  Instruction[1] = named(new QLabel(Picture1), "Instruction1");

  auto* captions = new QHBoxLayout;
  captions->addWidget(Tab2PPLAbel);
  captions->addStretch(1);
  captions->addWidget(What_report);
  auto* layout = new QVBoxLayout(Picture1);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(captions);
  layout->addWidget(ReportTab, 1);
  layout->addWidget(Instruction[1]);
}

}  // namespace report
