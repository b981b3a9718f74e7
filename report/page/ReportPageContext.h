#pragma once

#include <QString>

#include "instrument/ProgramState.h"
#include "report/builder/ReportBuilderContext.h"
#include "report/page/ReportPageHost.h"

namespace report {

class ReportRefresh;
class ReportTabPage;

// What the report page's commands share, all owned elsewhere: the window,
// the report tab's controls, the program and report state, the designers
// and the deferred redraw.
struct ReportPageContext {
  ReportPageHost& host;
  ReportTabPage& page;
  instrument::ProgramState& state;
  ReportFlags& flags;
  const CompanyInfo& info;
  const StiffnessConstants& constants;
  ReportDesigners& designers;
  ReportRefresh& refresh;

  ReportBuilderContext builder() const { return {designers, host.workingDatabase(), flags, info, constants}; }
  // The builder's sample-type letter: S, A or T for a density gauge, the N
  // of "NONE" otherwise.
  QString sampleType() const { return state.Test_Name.left(1); }
  bool nothingSelected() const { return state.Table_Name.isEmpty() && state.Test_Name.isEmpty(); }
};

}  // namespace report
