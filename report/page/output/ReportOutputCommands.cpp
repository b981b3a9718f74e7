#include "report/page/output/ReportOutputCommands.h"

#include <QPushButton>
#include <QTabWidget>

#include "platform/ui/ReportViewer.h"
#include "report/page/ReportTabPage.h"

namespace report {

ReportOutputCommands::ReportOutputCommands(ReportDesigners& designers, instrument::ProgramState& state,
                                           ReportTabPage& page)
    : print_(designers, state, page), export_(designers, state, page) {
  setColumnHiding(hidingOfUnusedColumns());
  for (platform::ReportViewer* viewer : page.CRViewer1) {
    QObject::connect(viewer, &platform::ReportViewer::printButtonClicked, viewer, [this, viewer] {
      if (showsAReport(viewer)) print_.CRViewer1_PrintButtonClicked();
    });
    QObject::connect(viewer, &platform::ReportViewer::exportButtonClicked, viewer, [this, viewer] {
      if (showsAReport(viewer)) export_.viewerExportClicked(viewer->index());
    });
  }
  QObject::connect(page.Export, &QPushButton::clicked, page.Export, [this, &page] {
    if (showsAReport(page.CRViewer1[page.shownReport() == 1 ? 1 : 0])) export_.Export_Click();
  });
}

void ReportOutputCommands::setColumnHiding(const FreeColumnHiding& hiding) {
  print_.setColumnHiding(hiding);
  export_.setColumnHiding(hiding);
}

bool ReportOutputCommands::showsAReport(const platform::ReportViewer* viewer) const {
  if (viewer == nullptr || viewer->renderedReport().pageCount() > 0) return true;
  if (noReportNotice_) noReportNotice_();
  return false;
}

}  // namespace report
