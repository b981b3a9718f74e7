#include "mainwindow/MainWindow.h"
#include "mainwindow/window/MenuCommands.h"
#include "platform/core/IgnoreErrors.h"

namespace mainwindow {

void MenuCommands::ImportWizard_Click() {
  // A running download or project read owns the working database.
  if (main_.state().longWork.running()) return;
  platform::ignoringErrors([&] { main_.Comm().Halt_ = false; });
  platform::ignoringErrors([&] {
    if (!wizardHost_) wizardHost_ = std::make_unique<WizardHost>(main_);
    wizardHost_->showWizard();
  });
  main_.setStatusText(WaitingForWizardStatus);
}

}  // namespace mainwindow
