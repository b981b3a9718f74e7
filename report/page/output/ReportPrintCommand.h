#pragma once

#include "instrument/ProgramState.h"
#include "platform/ui/ReportPrinter.h"
#include "report/page/output/FreeColumnHiding.h"

namespace platform {
class ReportDesigner;
}

namespace report {

struct ReportDesigners;
class ReportTabPage;

// The report viewers' print button (CRViewer1_PrintButtonClicked): prints the
// report on view (ReportTabPage::shownReport) through the print dialog, whose last page is
// the report's page count. The report prints in its model's orientation
// (portrait for the load frame, landscape for the others) and the raw-data
// report without its free columns; afterwards both the orientation and the
// columns are as they were, also when the print fails. A cancelled dialog
// changes nothing; a failed print is told through the dialog seam.
class ReportPrintCommand {
 public:
  ReportPrintCommand(ReportDesigners& designers, const instrument::ProgramState& state, ReportTabPage& page);

  // The hiding of free columns; until it is set nothing is hidden.
  void setColumnHiding(FreeColumnHiding hiding) { hiding_ = std::move(hiding); }

  void CRViewer1_PrintButtonClicked();

  platform::ReportPrinter& printer() { return printer_; }

 private:
  platform::ReportDesigner* shownReport() const;
  bool print(platform::ReportDesigner& report);

  ReportDesigners& designers_;
  const instrument::ProgramState& state_;
  ReportTabPage& page_;
  FreeColumnHiding hiding_;
  platform::ReportPrinter printer_;
};

}  // namespace report
