#pragma once

#include <QDialog>

#include <array>
#include <functional>

#include "report/page/output/ExportChoices.h"

class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace report {

// The export options dialog "Export Select": format, page range, which
// reports and the export file names. It exports nothing itself: a valid OK
// leaves the choices in Export_Choices (Export_Confirmed true) and closes the
// dialog; Cancel or closing it otherwise leaves Export_Confirmed false. A file
// name must name an existing folder and a file in it; a page range must lie
// within the pages of the reports exported. Refusals are told through the
// dialog seam and keep the dialog open. Loaded afresh for every export; it
// deletes itself when closed.
class ExportForm : public QDialog {
  Q_OBJECT

 public:
  // The pages of the reports an export covers: every report of the data
  // (exportAll) or only the one shown.
  using PageCount = std::function<int(bool exportAll)>;

  struct Context {
    qint32 Model_Code = 0;
    int shownReportTab = 0;     // the report on view as the dialog opens: 0 raw data, 1 stiffness data
    QString* Last_Path = nullptr;  // folder of the last file dialog; a browse may change it
    PageCount pageCount;
  };

  ExportForm(Export_Choices& choices, Context context, QWidget* owner);

  void ExportFormat_Click(int index);
  void ExportRange_Click(int index);
  void ExportWhat_Click(int index);
  void FileBrowseButton_Click(int index);
  void ExportOk_Click();
  void ExportCancel_Click();
  void RangeStart_GotFocus();
  void RangeFinish_GotFocus();

  std::array<QRadioButton*, 3> ExportFormat{};  // CSV, rich text, PDF
  std::array<QRadioButton*, 2> ExportRange{};   // all, range
  QLineEdit* RangeStart = nullptr;
  QLineEdit* RangeFinish = nullptr;
  std::array<QRadioButton*, 2> ExportWhat{};    // all, the shown report
  std::array<QLineEdit*, 2> ExportLocation{};   // raw data, stiffness data
  std::array<QToolButton*, 2> FileBrowseButton{};
  QPushButton* ExportCancel = nullptr;
  QPushButton* ExportOk = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildControls();
  QWidget* makeFormatGroup();
  QWidget* makeRangeGroup();
  QWidget* makeWhatGroup();
  QWidget* makePathGroup();
  void connectControls();
  void Form_Load();
  void guardPageBox(QLineEdit* box);
  bool fileNamesValid();
  bool pageRangeValid();
  void storeChoices();
  int selectedFormat() const;

  Export_Choices& choices_;
  Context context_;
};

}  // namespace report
