#pragma once

#include <array>

#include "report/page/ModifyReportMenu.h"

class QAction;
class QMenu;
class QMenuBar;

namespace mainwindow {

// The main window's menu tree. Every menu and item carries its control name
// as object name, so commands can be found and triggered by name. The
// "Modify Report" menu (Logo) stays out of the menu bar: it is the report
// viewer's pop-up menu.
class MainMenus {
 public:
  explicit MainMenus(QMenuBar& bar);

  QMenu* File = nullptr;
  QAction* File_Exit = nullptr;
  QAction* ImportWizard = nullptr;
  QAction* Information = nullptr;
  QMenu* COM_DES = nullptr;
  std::array<QAction*, 4> COM_STAT{};
  QAction* DivideCom = nullptr;
  QAction* Check_Ports = nullptr;
  QMenu* Help = nullptr;
  QAction* Contents = nullptr;
  QAction* Weblink = nullptr;
  QAction* DividerAbout = nullptr;
  QAction* About = nullptr;

  QMenu* Logo = nullptr;
  QAction* StiffyToggle = nullptr;
  QAction* DividerReport = nullptr;
  QMenu* Edit_text = nullptr;
  QAction* CN = nullptr;
  QAction* CI = nullptr;
  QAction* Date = nullptr;
  QAction* MN = nullptr;
  QAction* PN = nullptr;
  QAction* TB = nullptr;
  QAction* TBD = nullptr;
  QAction* Remarks = nullptr;  // opens the remark editor at the clicked row
  QMenu* LogoOptions = nullptr;
  QAction* Ins_Logo = nullptr;
  QAction* LJ = nullptr;
  QAction* LR = nullptr;
  QAction* DLogo = nullptr;
  QMenu* RF = nullptr;
  std::array<QAction*, 4> Font{};  // Font9, Font10, Font11, Font12
  QAction* SCons = nullptr;

  // The "Modify Report" items, as the report page reaches them.
  report::ModifyReportMenu modifyReportMenu() const;

  // Enables or disables ImportWizard, Information and COM_DES together.
  void enableWindowMenus(bool enabled);

 private:
  void buildMenuBar(QMenuBar& bar);
  void buildReportMenu(QMenuBar& bar);
};

}  // namespace mainwindow
