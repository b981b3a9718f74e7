#include "report/page/ReportPage.h"

#include <QApplication>
#include <QPushButton>
#include <QStringList>
#include <QWidget>

#include "platform/core/IgnoreErrors.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Functions.h"
#include "report/page/InfoFile.h"
#include "report/page/ReportPageHost.h"
#include "report/page/ReportTabPage.h"

namespace report {
namespace {

constexpr int DataTab = 0;
constexpr int ReportTabIndex = 1;
constexpr int GraphTab = 2;

const QString StatusOk = QStringLiteral("Status: OK");
const QString StatusSettingUp = QStringLiteral("Status: Setting up report with selected data...");
const QString StatusReportReady =
    QStringLiteral("Status: OK, Left Click on preview window to see more options.");
const QString InformationSaved = QStringLiteral("Information Saved.");
const QString InformationNotSaved =
    QStringLiteral("The company information could not be saved; the file holds what it held before.");

void closeWindowNamed(const QString& name) {
  const QList<QWidget*> windows = QApplication::topLevelWidgets();
  for (QWidget* window : windows)
    if (window->objectName() == name) window->close();
}

}  // namespace

ReportPage::ReportPage(ReportPageHost& host, ReportTabPage& page, instrument::ProgramState& state,
                       ReportFlags& flags, CompanyInfo& info, StiffnessConstants& constants)
    : host_(host), page_(page), state_(state), flags_(flags), info_(info), constants_(constants) {}

const QStringList& ReportPage::reportDialogNames() {
  static const QStringList names{QStringLiteral("ReportEdit"), QStringLiteral("Add_Info"),
                                 QStringLiteral("StiffnessCons"), QStringLiteral("ExportForm")};
  return names;
}

void ReportPage::MainTab_Click(int /*previousTab*/) {
  for (const QString& name : reportDialogNames()) {
    platform::ignoringErrors([&] {
      if (host_.currentMainTab() != ReportTabIndex && platform::ui::Form_Loaded(name)) closeWindowNamed(name);
    });
  }
  platform::ignoringErrors([&] { host_.enableWindowMenus(true); });
  platform::ignoringErrors([&] { host_.Form_Resize(); });
  switch (host_.currentMainTab()) {
    case DataTab:
      platform::ignoringErrors([&] { host_.Initialize_TAB0(); });
      host_.setStatusText(StatusOk);
      break;
    case GraphTab:
      host_.setStatusText(StatusOk);
      break;
    case ReportTabIndex:
      setUpReportPage();
      break;
    default:
      break;
  }
}

void ReportPage::setUpReportPage() {
  host_.setStatusText(StatusSettingUp);
  platform::ignoringErrors([&] { host_.Fill_Data_Lists(); });
  if (state_.New_Data) {
    // The rebuild of the report designers, header and viewers goes here.
    for (QPushButton* button : {page_.Clear_Button, page_.Save_Layout, page_.Load_Layout, page_.Export})
      button->setVisible(true);
  }
  state_.New_Data = false;
  host_.setStatusText(StatusReportReady);
}

void ReportPage::Clear_Columns() {
  // The report designer's columns are reset here once the designer exists.
}

void ReportPage::Build_Report_Header() {
  // The header is filled from CInfo and the selected table here once the
  // designer exists.
}

void ReportPage::Update_Report_Info(QWidget* owner) {
  if (!Info_File(InfoFileSave, info_, state_.Download_Title)) {
    // Still changed: the texts are offered for saving again.
    platform::ui::Dialogs::message({owner, InformationNotSaved, QString(), platform::ui::MessageButtons::Ok,
                                    platform::ui::MessageIcon::Warning});
    return;
  }
  platform::ui::Dialogs::inform(owner, InformationSaved);
  flags_.Info_Changed = false;
}

}  // namespace report
