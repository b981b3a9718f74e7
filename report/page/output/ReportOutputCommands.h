#pragma once

#include <functional>

#include "report/page/output/ReportExportCommand.h"
#include "report/page/output/ReportPrintCommand.h"

namespace platform {
class ReportViewer;
}

namespace report {

// Printing and exporting of the report page: connects the viewers' print and
// export buttons and the page's "Export" button to their commands. A viewer
// that shows no pages yet has nothing to print or export: the click then
// only gives the notice, so the user learns how to get a report.
class ReportOutputCommands {
 public:
  ReportOutputCommands(ReportDesigners& designers, instrument::ProgramState& state, ReportTabPage& page);

  ReportPrintCommand& print() { return print_; }
  // How print and export leave out the free columns of the raw-data report;
  // the report builder's hiding unless a test sets another.
  void setColumnHiding(const FreeColumnHiding& hiding);
  ReportExportCommand& exporting() { return export_; }
  void setNoReportNotice(std::function<void()> notice) { noReportNotice_ = std::move(notice); }

 private:
  ReportPrintCommand print_;
  ReportExportCommand export_;
  std::function<void()> noReportNotice_;

  bool showsAReport(const platform::ReportViewer* viewer) const;
};

}  // namespace report
