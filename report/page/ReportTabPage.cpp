#include "report/page/ReportTabPage.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "platform/core/Twips.h"
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
constexpr int ListWidth = 150;
constexpr double Picture1Height = 1965;  // twips, as designed
constexpr int Picture1Slot = 1;          // below Tab2Label

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
  makePicture1();
  makeReportTab();
  Instruction[1] = named(new QLabel(this), "Instruction1");

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Tab2Label);
  layout->addWidget(Picture1);
  layout->addWidget(ReportTab, 1);
  layout->addWidget(Instruction[1]);
}

int ReportTabPage::shownReport() const {
  const int tab = ReportTab->currentIndex();
  if (tab != 0 && tab != 1) return tab;
  const int other = 1 - tab;
  if (CRViewer1[tab]->isHidden() && !CRViewer1[other]->isHidden()) return other;
  return tab;
}

void ReportTabPage::restorePicture1() {
  auto* layout = static_cast<QVBoxLayout*>(this->layout());
  if (layout->indexOf(Picture1) >= 0) return;
  layout->insertWidget(Picture1Slot, Picture1);
  Picture1->show();
}

QWidget* ReportTabPage::makeListColumn(QWidget* parent, QLabel* label, QListWidget* list) {
  auto* column = new QWidget(parent);
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  layout->addWidget(label);
  layout->addWidget(list, 1);
  column->setFixedWidth(ListWidth);
  return column;
}

QWidget* ReportTabPage::makeButtonColumn(QWidget* parent) {
  auto* column = new QWidget(parent);
  Clear_Button = named(new QPushButton(ClearCaption, column), "Clear_Button");
  Clear_Button->setToolTip(ClearTip);
  Save_Layout = named(new QPushButton(SaveLayoutCaption, column), "Save_Layout");
  Load_Layout = named(new QPushButton(LoadLayoutCaption, column), "Load_Layout");
  Export = named(new QPushButton(ExportCaption, column), "Export");
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  for (QPushButton* button : {Clear_Button, Load_Layout, Save_Layout, Export}) layout->addWidget(button);
  layout->addStretch(1);
  return column;
}

void ReportTabPage::makePicture1() {
  Picture1 = named(new QFrame(this), "Picture1");
  static_cast<QFrame*>(Picture1)->setFrameShape(QFrame::StyledPanel);
  List2Label = named(new QLabel(List2Caption, Picture1), "List2Label");
  List2 = named(new QListWidget(Picture1), "List2");
  List2->setToolTip(List2Tip);
  List1Label = named(new QLabel(List1Caption, Picture1), "List1Label");
  List1 = named(new QListWidget(Picture1), "List1");
  List1->setToolTip(List1Tip);
  Preview_option = named(new QLabel(Picture1), "Preview_option");
  Image1 = named(new QLabel(Picture1), "Image1");
  Instruction[0] = named(new QLabel(Picture1), "Instruction0");
  Instruction[0]->setWordWrap(true);
  Tab2PPLAbel = named(new QLabel(Picture1), "Tab2PPLAbel");
  What_report = named(new QLabel(Picture1), "What_report");

  auto* captions = new QVBoxLayout;
  captions->setSpacing(2);
  for (QWidget* label : std::initializer_list<QWidget*>{Preview_option, Image1, Instruction[0], Tab2PPLAbel,
                                                       What_report})
    captions->addWidget(label);
  captions->addStretch(1);

  auto* layout = new QHBoxLayout(Picture1);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(makeListColumn(Picture1, List2Label, List2));
  layout->addWidget(makeListColumn(Picture1, List1Label, List1));
  layout->addLayout(captions, 1);
  layout->addWidget(makeButtonColumn(Picture1));
  Picture1->setFixedHeight(platform::twipsToPixels(Picture1Height, logicalDpiY()));
}

void ReportTabPage::makeReportTab() {
  ReportTab = named(new QTabWidget(this), "ReportTab");
  for (int i = 0; i < 2; ++i) {
    CRViewer1[i] = new platform::ReportViewer(nullptr, i);
    CRViewer1[i]->setObjectName(QStringLiteral("CRViewer1_%1").arg(i));
  }
  ReportTab->addTab(CRViewer1[0], RawDataCaption);
  ReportTab->addTab(CRViewer1[1], StiffnessDataCaption);
}

}  // namespace report
