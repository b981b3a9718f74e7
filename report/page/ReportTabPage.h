#pragma once

#include <QWidget>

#include <array>

class QLabel;
class QListWidget;
class QPushButton;
class QTabWidget;

namespace platform {
class ReportViewer;
}

namespace report {

// The report tab of the main window: the report editing panel (Picture1) with
// the column list and data-item list, the report-page buttons and labels, and
// below it the inner tab strip with the two report viewers. The panel can move
// to a window of its own and back (ReportAreaPopOut). The report page commands
// give the controls their behaviour.
class ReportTabPage : public QWidget {
  Q_OBJECT

 public:
  explicit ReportTabPage(QWidget* parent = nullptr);

  QLabel* Tab2Label = nullptr;
  std::array<QLabel*, 2> Instruction{};
  QLabel* Image1 = nullptr;
  QLabel* List1Label = nullptr;
  QLabel* List2Label = nullptr;
  QListWidget* List1 = nullptr;  // data items ("Column Object")
  QListWidget* List2 = nullptr;  // columns ("Column List")
  QLabel* Preview_option = nullptr;
  QLabel* Tab2PPLAbel = nullptr;
  QLabel* What_report = nullptr;
  QPushButton* Clear_Button = nullptr;
  QPushButton* Save_Layout = nullptr;
  QPushButton* Load_Layout = nullptr;
  QPushButton* Export = nullptr;
  QWidget* Picture1 = nullptr;       // the editing panel above the report tabs
  QTabWidget* ReportTab = nullptr;   // 0 "Raw Data", 1 "Stiffness Data"
  // 0 shows Report (every model), 1 StiffyReport (the stiffness gauge).
  std::array<platform::ReportViewer*, 2> CRViewer1{};

 // The report on view: 0 Report, 1 StiffyReport. Normally the shown tab's,
  // but the report toggle can put the other tab's viewer over it, and what
  // is shown is what prints and exports.
  int shownReport() const;

 // Puts the editing panel back in its place above the report tabs.
  void restorePicture1();

 private:
  QWidget* makeButtonColumn(QWidget* parent);
  QWidget* makeListColumn(QWidget* parent, QLabel* label, QListWidget* list);
  void makePicture1();
  void makeReportTab();
};

}  // namespace report
