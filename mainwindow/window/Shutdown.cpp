#include <QApplication>
#include <QWidget>

#include "mainwindow/dataview/DataView.h"
#include "mainwindow/MainWindow.h"
#include "platform/core/IgnoreErrors.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Functions.h"
#include "report/page/compose/ReportPage.h"

namespace mainwindow {
namespace {

const QString SaveChangedInformation = QStringLiteral("Information changed.  Do you want to save changes?");
const QString InfoFormName = QStringLiteral("InfoForm");

void closeWindowNamed(const QString& name) {
  for (QWidget* window : QApplication::topLevelWidgets())
    if (window->objectName() == name) window->close();
}

}  // namespace

void MainWindow::Form_Unload() {
  platform::ignoringErrors([&] {
    if (dataView_) dataView_->closeDatabaseObjects();
  });
  platform::ignoringErrors([&] {
    if (comm_ && !comm_->Finished_) comm_->Close_Port();
  });
  platform::ignoringErrors([&] {
    if (!reportFlags_.Info_Changed) return;
    const auto answer = platform::ui::Dialogs::message(
        {this, SaveChangedInformation, QString(), platform::ui::MessageButtons::YesNo, {}});
    if (answer == platform::ui::MessageAnswer::Yes) reportPage_->Update_Report_Info(this);
  });
  platform::ignoringErrors([&] {
    if (platform::ui::Form_Loaded(InfoFormName)) closeWindowNamed(InfoFormName);
  });
  // No window of the program outlives the main window.
  for (QWidget* window : QApplication::topLevelWidgets())
    if (window != this && window->isVisible()) platform::ignoringErrors([&] { window->close(); });
  comm_.reset();
}

}  // namespace mainwindow
