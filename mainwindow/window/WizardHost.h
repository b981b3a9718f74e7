#pragma once

#include <QPointer>

#include "download/DownloadHost.h"

namespace download {
class ImportWizard;
}

namespace mainwindow {

class MainWindow;

// The status bar while the wizard is open.
inline const QString WaitingForWizardStatus = QStringLiteral("Status: Waiting for data from Wizard.");

// The main window as the import wizard sees it, and the keeper of the one
// wizard window. The wizard is closed with the main window.
class WizardHost : public download::DownloadHost {
 public:
  explicit WizardHost(MainWindow& main);
  ~WizardHost() override;
  WizardHost(const WizardHost&) = delete;
  WizardHost& operator=(const WizardHost&) = delete;

  // Shows the wizard, making it when none is open.
  download::ImportWizard& showWizard();
  // The open wizard, nullptr when none is open.
  download::ImportWizard* wizard() const;

  QWidget& mainWindow() override;
  download::Communication& Comm() override;
  bool hasComm() const override;
  platform::CommControl& MSComm1() override;
  instrument::ProgramState& state() override;
  bool holdProgramFolder() override;
  void closeDatabaseView() override;
  void Initialize_TAB0() override;
  void setMainTabEnabled(int tab, bool enabled) override;
  void selectMainTab(int tab) override;
  void setStatusText(const QString& text) override;
  void clearStatusNote() override;
  void setCheckTimerRunning(bool running) override;
  void setComStatusCaptions(const QStringList& captions) override;
  QString knownPortStates() const override;
  void probePorts(const std::function<void(const QString& states)>& done) override;
  void saveCompanyInfo() override;
  void runLongWork(const std::function<void()>& work) override;

 private:
  MainWindow& main_;
  QPointer<download::ImportWizard> wizard_;
};

}  // namespace mainwindow
