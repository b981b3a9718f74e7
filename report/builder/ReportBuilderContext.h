#pragma once

#include "report/builder/CompanyInfo.h"
#include "report/builder/ReportDesigners.h"
#include "report/builder/ReportFlags.h"
#include "report/builder/StiffnessConstants.h"

namespace platform::db {
class Database;
}

namespace report {

// What the report builder works on, all owned elsewhere: the two designers
// (the report page), the working database connection (the data view), the
// report state, the company texts and the stiffness constants (the main
// window). Designers are looked up afresh for each use, since a rebuild
// replaces them.
struct ReportBuilderContext {
  ReportDesigners& designers;
  platform::db::Database& db;
  ReportFlags& flags;
  const CompanyInfo& info;
  const StiffnessConstants& constants;

  platform::ReportDesigner& report() const { return *designers.Report; }
  platform::ReportDesigner& stiffyReport() const { return *designers.StiffyReport; }
};

}  // namespace report
