#include "report/page/ReportOutputCommands.h"

#include <QPushButton>

#include "platform/ui/ReportViewer.h"
#include "report/page/ReportTabPage.h"

namespace report {

ReportOutputCommands::ReportOutputCommands(ReportDesigners& designers, instrument::ProgramState& state,
                                           ReportTabPage& page)
    : print_(designers, state, page), export_(designers, state, page) {
  for (platform::ReportViewer* viewer : page.CRViewer1) {
    QObject::connect(viewer, &platform::ReportViewer::printButtonClicked, viewer,
                     [this] { print_.CRViewer1_PrintButtonClicked(); });
    QObject::connect(viewer, &platform::ReportViewer::exportButtonClicked, viewer,
                     [this, viewer] { export_.viewerExportClicked(viewer->index()); });
  }
  QObject::connect(page.Export, &QPushButton::clicked, page.Export, [this] { export_.Export_Click(); });
}

}  // namespace report
