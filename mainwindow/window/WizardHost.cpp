#include "mainwindow/window/WizardHost.h"

#include <QAction>
#include <QTabWidget>

#include "download/ImportWizard.h"
#include "mainwindow/window/ComPortStatus.h"
#include "mainwindow/dataview/DataView.h"
#include "mainwindow/window/MainMenus.h"
#include "mainwindow/MainWindow.h"
#include "platform/ui/OwnedWindow.h"
#include "report/page/header/CompanyInfoSave.h"

namespace mainwindow {

WizardHost::WizardHost(MainWindow& main) : main_(main) {}

WizardHost::~WizardHost() { delete wizard_.data(); }

download::ImportWizard& WizardHost::showWizard() {
  // A wizard that has closed is on its way out; a new one takes its place.
  if (wizard_.isNull() || wizard_->unloaded()) {
    wizard_ = new download::ImportWizard(*this);
    platform::ui::centreOnOwner(*wizard_);
  }
  wizard_->show();
  wizard_->raise();
  wizard_->activateWindow();
  return *wizard_;
}

download::ImportWizard* WizardHost::wizard() const {
  return wizard_.isNull() || wizard_->unloaded() ? nullptr : wizard_.data();
}

QWidget& WizardHost::mainWindow() { return main_; }

download::Communication& WizardHost::Comm() { return main_.Comm(); }

bool WizardHost::hasComm() const { return main_.hasComm(); }

platform::CommControl& WizardHost::MSComm1() { return main_.MSComm1; }

instrument::ProgramState& WizardHost::state() { return main_.state(); }

bool WizardHost::holdProgramFolder() { return main_.holdProgramFolder(); }

void WizardHost::closeDatabaseView() { main_.dataView().closeDatabaseObjects(); }

void WizardHost::Initialize_TAB0() { main_.Initialize_TAB0(); }

void WizardHost::setMainTabEnabled(int tab, bool enabled) { main_.setMainTabEnabled(tab, enabled); }

void WizardHost::selectMainTab(int tab) { main_.MainTab->setCurrentIndex(tab); }

// Kept over the activation of the main window that follows the wizard's close.
void WizardHost::setStatusText(const QString& text) { main_.setLastingStatusText(text); }

void WizardHost::clearStatusNote() { main_.setStatusText(WaitingForWizardStatus); }

void WizardHost::setCheckTimerRunning(bool running) {
  QTimer& timer = main_.comPortStatus().Check_Timer;
  if (running) {
    timer.start();
  } else {
    timer.stop();
  }
}

void WizardHost::setComStatusCaptions(const QStringList& captions) {
  const auto& items = main_.menus().COM_STAT;
  for (std::size_t i = 0; i < items.size() && i < static_cast<std::size_t>(captions.size()); ++i)
    if (items[i] != nullptr) items[i]->setText(captions[static_cast<qsizetype>(i)]);
}

QString WizardHost::knownPortStates() const { return main_.comPortStatus().states(); }

void WizardHost::probePorts(const std::function<void(const QString& states)>& done) {
  main_.comPortStatus().refresh(done);
}

void WizardHost::saveCompanyInfo() {
  QWidget* owner = wizard() != nullptr ? static_cast<QWidget*>(wizard()) : &main_;
  report::saveDataSetTitle(owner, main_.companyInfo(), main_.state().Download_Title, main_.reportFlags());
}

void WizardHost::runLongWork(const std::function<void()>& work) { main_.runLongWork(work); }

}  // namespace mainwindow
