#include "report/page/ModifyReportMenu.h"

#include <QAction>

#include "instrument/DeviceType.h"

namespace report {
namespace {

constexpr int StiffnessDataTab = 1;

void setVisible(QAction* item, bool visible) {
  if (item != nullptr) item->setVisible(visible);
}

void setEnabled(QAction* item, bool enabled) {
  if (item != nullptr) item->setEnabled(enabled);
}

}  // namespace

void showItemsForNewReport(const ModifyReportMenu& menu, int Model_Code) {
  const bool stiffness = Model_Code == instrument::ModelCode::T7310;
  const bool densityGauge =
      Model_Code == instrument::ModelCode::N2600A || Model_Code == instrument::ModelCode::N2600BX;
  setVisible(menu.MN, densityGauge);
  if (!stiffness) setVisible(menu.PN, densityGauge);
  setVisible(menu.TB, densityGauge);
  setVisible(menu.SCons, stiffness);
  setVisible(menu.StiffyToggle, stiffness);
  if (menu.StiffyToggle != nullptr) menu.StiffyToggle->setText(QString::fromLatin1(ViewReportB));
  for (QAction* item : {menu.LJ, menu.LR, menu.DLogo}) setEnabled(item, false);
  setEnabled(menu.Ins_Logo, true);
}

void showHeaderItemsForReportTab(const ModifyReportMenu& menu, int reportTab) {
  const bool shown = reportTab != StiffnessDataTab;
  for (QAction* item : {menu.PN, menu.MN, menu.TB}) setVisible(item, shown);
}

}  // namespace report
