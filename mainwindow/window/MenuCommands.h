#pragma once

#include <QObject>
#include <QPointer>

#include <memory>

#include "download/ComSummary.h"
#include "mainwindow/window/AboutBox.h"
#include "mainwindow/window/WizardHost.h"

namespace mainwindow {

class MainWindow;

// The commands of the main window's menu bar. The Modify Report menu's
// commands belong to the report page.
class MenuCommands : public QObject {
  Q_OBJECT

 public:
  explicit MenuCommands(MainWindow& main);

  void File_Exit_Click();
  void ImportWizard_Click();
  void Information_Click();
  void Check_Ports_Click();
  void Contents_Click();
  void Weblink_Click();
  void About_Click();
  // A report command with no report to act on says so.
  void reportNotBuilt();

  inline static const QString NoReportYet = QStringLiteral(
      "No report has been built yet.  Select a test, project or run in the Project ID Pane, then choose View "
      "Report.");

  AboutBox* aboutBox() const { return about_; }
  download::ComSummary* comSummary() const { return summary_; }
  download::ImportWizard* importWizard() const { return wizardHost_ ? wizardHost_->wizard() : nullptr; }

 private:
  void connectMenus();

  MainWindow& main_;
  QPointer<AboutBox> about_;
  QPointer<download::ComSummary> summary_;
  std::unique_ptr<WizardHost> wizardHost_;
};

}  // namespace mainwindow
