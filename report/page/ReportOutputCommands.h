#pragma once

#include "report/page/ReportExportCommand.h"
#include "report/page/ReportPrintCommand.h"

namespace report {

// Printing and exporting of the report page: connects the viewers' print and
// export buttons and the page's "Export" button to their commands.
class ReportOutputCommands {
 public:
  ReportOutputCommands(ReportDesigners& designers, instrument::ProgramState& state, ReportTabPage& page);

  ReportPrintCommand& print() { return print_; }
  ReportExportCommand& exporting() { return export_; }

 private:
  ReportPrintCommand print_;
  ReportExportCommand export_;
};

}  // namespace report
