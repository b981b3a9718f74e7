#include "mainwindow/MainWindow.h"
#include "mainwindow/MenuCommands.h"
#include "platform/core/IgnoreErrors.h"

namespace mainwindow {
namespace {

const QString WaitingForWizard = QStringLiteral("Status: Waiting for data from Wizard.");

}  // namespace

void MenuCommands::ImportWizard_Click() {
  platform::ignoringErrors([&] { main_.Comm().Halt_ = false; });
  // The import wizard window opens here, owned by the main window.
  main_.setStatusText(WaitingForWizard);
}

}  // namespace mainwindow
