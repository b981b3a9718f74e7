#include "report/page/compose/ReportViewerCommands.h"

#include <QAction>
#include <QCursor>
#include <QListWidget>
#include <QMenu>
#include <QTabWidget>

#include "platform/core/IgnoreErrors.h"
#include "platform/ui/ReportViewer.h"
#include "report/page/ReportPageHost.h"
#include "report/page/ReportRefresh.h"
#include "report/page/ReportTabPage.h"

namespace report {
namespace {

constexpr int ReportTabIndex = 1;
constexpr int RawDataTab = 0;
constexpr int StiffnessDataTab = 1;

}  // namespace

ReportViewerCommands::ReportViewerCommands(ReportPageHost& host, ReportTabPage& page, const ModifyReportMenu& menu,
                                           ReportRefresh& refresh, QObject* parent)
    : QObject(parent),
      host_(host),
      page_(page),
      menu_(menu),
      refresh_(refresh),
      popup_([](QMenu& popup) { popup.popup(QCursor::pos()); }) {
  for (platform::ReportViewer* viewer : page_.CRViewer1)
    connect(viewer, &platform::ReportViewer::clicked, this, &ReportViewerCommands::CRViewer1_Clicked);
  if (menu_.StiffyToggle != nullptr)
    connect(menu_.StiffyToggle, &QAction::triggered, this, &ReportViewerCommands::StiffyToggle_Click);
  connect(page_.ReportTab, &QTabWidget::currentChanged, this, &ReportViewerCommands::ReportTab_Click);
}

void ReportViewerCommands::CRViewer1_Clicked(const platform::ReportClick& click) {
  if (host_.currentMainTab() != ReportTabIndex) return;
  lastClick_ = click;
  platform::ignoringErrors([&] { showHeaderItemsForReportTab(menu_, page_.ReportTab->currentIndex()); });
  if (menu_.Logo != nullptr) platform::ignoringErrors([&] { popup_(*menu_.Logo); });
}

void ReportViewerCommands::StiffyToggle_Click() {
  refresh_.request(ReportRefresh::ShortInterval);
  const bool stiffnessOnView = menu_.StiffyToggle->text() == QLatin1String(ViewReportB);
  platform::ReportViewer* stiffy = page_.CRViewer1[StiffnessDataTab];
  platform::ReportViewer* raw = page_.CRViewer1[RawDataTab];
  stiffy->setVisible(!stiffnessOnView);
  raw->setVisible(stiffnessOnView);
  menu_.StiffyToggle->setText(QString::fromLatin1(stiffnessOnView ? ViewReportA : ViewReportB));
  refresh_.request(ReportRefresh::ShortInterval);
}

void ReportViewerCommands::resetStiffyToggle() {
  if (menu_.StiffyToggle != nullptr) menu_.StiffyToggle->setText(QString::fromLatin1(ViewReportB));
  // Each tab shows its own viewer again.
  const int tab = page_.ReportTab->currentIndex();
  for (int i = 0; i < 2; ++i) page_.CRViewer1[i]->setVisible(i == tab);
}

void ReportViewerCommands::ReportTab_Click() {
  const int tab = page_.ReportTab->currentIndex();
  if (tab != RawDataTab && tab != StiffnessDataTab) return;
  page_.List1->setEnabled(tab == RawDataTab);
  page_.List2->setEnabled(tab == RawDataTab);
}

}  // namespace report
