#include "mainwindow/window/MenuCommands.h"

#include <QAction>
#include <QFileInfo>
#include <QUrl>

#include "download/ComSummary.h"
#include "mainwindow/window/AboutBox.h"
#include "mainwindow/window/ComPortStatus.h"
#include "mainwindow/window/MainMenus.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/ProgramInfo.h"
#include "platform/core/ProgramFiles.h"
#include "platform/core/ProgramFolder.h"
#include "platform/ui/Dialogs.h"
#include "report/page/settings/ReportFonts.h"
#include "report/page/compose/ReportPage.h"

namespace mainwindow {
namespace {

const QString NoHelpFile = QStringLiteral("No Help File Found");
const QString NoBrowser =
    QStringLiteral("No web browser could be started.  The web site is at %1");

}  // namespace

MenuCommands::MenuCommands(MainWindow& main) : QObject(&main), main_(main) {
  connectMenus();
}

void MenuCommands::reportNotBuilt() { platform::ui::Dialogs::inform(&main_, NoReportYet, ProgramTitle); }

void MenuCommands::connectMenus() {
  MainMenus& menus = main_.menus();
  connect(menus.File_Exit, &QAction::triggered, this, &MenuCommands::File_Exit_Click);
  connect(menus.ImportWizard, &QAction::triggered, this, &MenuCommands::ImportWizard_Click);
  connect(menus.Information, &QAction::triggered, this, &MenuCommands::Information_Click);
  connect(menus.Check_Ports, &QAction::triggered, this, &MenuCommands::Check_Ports_Click);
  connect(menus.Contents, &QAction::triggered, this, &MenuCommands::Contents_Click);
  connect(menus.Weblink, &QAction::triggered, this, &MenuCommands::Weblink_Click);
  connect(menus.About, &QAction::triggered, this, &MenuCommands::About_Click);
  main_.reportPage().headerTexts().connectMenu(
      {menus.CN, menus.CI, menus.Date, menus.MN, menus.PN, menus.TB, menus.TBD});
  connect(menus.Remarks, &QAction::triggered, this, [this] {
    report::HeaderTextCommands& texts = main_.reportPage().headerTexts();
    texts.Edit_Remarks(texts.lastClick());
  });
  for (int i = 0; i < 4; ++i) {
    const int size = report::ReportFontSizes[i];
    connect(menus.Font[i], &QAction::triggered, this,
            [this, size] { main_.reportFonts().Font_Click(size, main_.state().Model_Code); });
  }
}

void MenuCommands::File_Exit_Click() { main_.close(); }

void MenuCommands::Check_Ports_Click() {
  if (main_.state().longWork.running()) return;
  // The summary opens on the fresh states, once the probe has them; the
  // window goes on meanwhile.
  main_.comPortStatus().refresh([this](const QString&) {
    if (main_.state().longWork.running()) return;
    if (summary_) summary_->close();
    summary_ = download::ComSummary::showFor(main_.comPortStatus().captions(), main_);
  });
}

void MenuCommands::Contents_Click() {
  const QString helpFile = platform::ProgramFolder::path(platform::ProgramFiles::HelpFile);
  // Only a regular file: a pipe in its place would hold up the help viewer.
  if (QFileInfo(helpFile).isFile()) {
    platform::ui::Dialogs::openWithDesktop(QUrl::fromLocalFile(helpFile));
    return;
  }
  platform::ui::Dialogs::inform(&main_, NoHelpFile, ProgramTitle);
}

void MenuCommands::Weblink_Click() {
  if (!platform::ui::Dialogs::openWithDesktop(QUrl(WebSiteAddress)))
    platform::ui::Dialogs::inform(&main_, NoBrowser.arg(WebSiteAddress), ProgramTitle);
}

void MenuCommands::About_Click() {
  if (about_) {
    about_->raise();
    about_->activateWindow();
    return;
  }
  about_ = AboutBox::showFor(main_);
}

}  // namespace mainwindow
