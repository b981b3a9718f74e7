#pragma once

#include <QString>

#include "instrument/ProgramState.h"
#include "report/builder/ReportDesigners.h"
#include "report/builder/ReportFlags.h"
#include "report/builder/StiffnessConstants.h"
#include "report/builder/CompanyInfo.h"
#include "report/page/ReportOutputCommands.h"

class QWidget;

namespace report {

class ReportPageHost;
class ReportTabPage;

// The report page's entry points that the main window calls. Each does what
// the window relies on today; the report builder and report page work
// completes them (designers, header, columns, viewers).
class ReportPage {
 public:
  ReportPage(ReportPageHost& host, ReportTabPage& page, instrument::ProgramState& state,
             ReportFlags& flags, CompanyInfo& info, StiffnessConstants& constants);

  // The tab-switch handler of the main tab strip. Off the report tab it closes
  // the report dialogs; it re-lays the window out; on the data tab it rebuilds
  // the project tree; on the report tab it sets the report page up.
  void MainTab_Click(int previousTab);

  // Puts the data columns of the report back to their placeholders.
  void Clear_Columns();

  // Builds the report header for the selected table.
  void Build_Report_Header();

  // Saves the company information and puts it into the report header.
  void Update_Report_Info(QWidget* owner);

  // The two report designers, owned here; a rebuild re-creates them.
  ReportDesigners& designers() { return designers_; }

  // Printing and exporting (the viewers' buttons and "Export").
  ReportOutputCommands& output() { return output_; }

  // The report dialogs closed when another tab than the report tab is shown.
  static const QStringList& reportDialogNames();

 private:
  void setUpReportPage();

  ReportPageHost& host_;
  ReportTabPage& page_;
  instrument::ProgramState& state_;
  ReportFlags& flags_;
  CompanyInfo& info_;
  StiffnessConstants& constants_;
  ReportDesigners designers_;
  ReportOutputCommands output_{designers_, state_, page_};
};

}  // namespace report
