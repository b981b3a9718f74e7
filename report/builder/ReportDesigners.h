#pragma once

#include <memory>

#include "platform/report/ReportDefinitions.h"
#include "platform/report/ReportDesigner.h"

namespace report {

// The two report designers: Report (every model) and StiffyReport (the
// stiffness gauge). The report page owns the one instance and re-creates both
// whenever it rebuilds the report; everyone else gets them by reference and
// looks them up afresh for each use, since a rebuild replaces them.
struct ReportDesigners {
  std::unique_ptr<platform::ReportDesigner> Report = platform::ReportDefinitions::createReport();
  std::unique_ptr<platform::ReportDesigner> StiffyReport = platform::ReportDefinitions::createStiffyReport();

  void recreate() {
    Report = platform::ReportDefinitions::createReport();
    StiffyReport = platform::ReportDefinitions::createStiffyReport();
  }
};

}  // namespace report
