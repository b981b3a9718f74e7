#pragma once

#include <QDialog>

#include <array>

#include "report/builder/CompanyInfo.h"
#include "report/builder/ReportDesigners.h"
#include "report/builder/ReportFlags.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace report {

// InfoForm, "Testing Lab Information": edits the nine company texts. Every
// edit goes straight into the CompanyInfo store, so closing keeps unsaved
// edits for the next opening. "Save Information" writes the information file
// and both report headers; Close only hides the window.
class InfoForm : public QDialog {
  Q_OBJECT

 public:
  InfoForm(CompanyInfo& info, QString& Download_Title, ReportDesigners& designers, ReportFlags& flags,
           QWidget* owner);

  // Shows the window with the texts the store holds now.
  void showInformation();

  void Save_info_Click();
  void CloseInfo_Click() { hide(); }

  std::array<QLineEdit*, CInfoCount> CInfo{};
  std::array<QLabel*, CInfoCount + 1> Tab4Label{};
  QPushButton* Save_info = nullptr;
  QPushButton* CloseInfo = nullptr;

 signals:
  // The report headers changed; the viewers should show them again.
  void refreshViewers();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  CompanyInfo& info_;
  QString& Download_Title_;
  ReportDesigners& designers_;
  ReportFlags& flags_;
};

}  // namespace report
