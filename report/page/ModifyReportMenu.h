#pragma once

#include <array>

class QAction;
class QMenu;

namespace report {

// The items of the "Modify Report" pop-up menu (the main window's hidden menu
// Logo), as the report page commands reach them. The main window builds the
// menu and hands its items over; the report page never creates or deletes
// them.
struct ModifyReportMenu {
  QMenu* Logo = nullptr;
  QAction* StiffyToggle = nullptr;
  QMenu* Edit_text = nullptr;
  QAction* CN = nullptr;
  QAction* CI = nullptr;
  QAction* Date = nullptr;
  QAction* MN = nullptr;
  QAction* PN = nullptr;
  QAction* TB = nullptr;
  QAction* TBD = nullptr;
  QMenu* LogoOptions = nullptr;
  QAction* Ins_Logo = nullptr;
  QAction* LJ = nullptr;
  QAction* LR = nullptr;
  QAction* DLogo = nullptr;
  QMenu* RF = nullptr;
  std::array<QAction*, 4> Font{};  // Font9 to Font12
  QAction* SCons = nullptr;
};

// The toggle's first caption; it names the report that is not on view.
inline constexpr const char* ViewReportB = "View T7310 Report B";
inline constexpr const char* ViewReportA = "View T7310 Report A";

// The items a freshly built report offers for a model: machine number,
// project name and tested by for the density gauges only (the stiffness
// gauge keeps its project name item as it is), the constants editor and the
// report toggle for the stiffness gauge only. A fresh report has no logo, so
// the logo placement and delete items are off, and the toggle shows its first
// caption again.
void showItemsForNewReport(const ModifyReportMenu& menu, int Model_Code);

// The header items that a report tab offers: the stiffness report has no
// machine number, project name or tested-by text, the raw-data report has.
void showHeaderItemsForReportTab(const ModifyReportMenu& menu, int reportTab);

}  // namespace report
