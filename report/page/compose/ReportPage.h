#pragma once

#include <QPointer>
#include <QString>

#include <memory>

#include "instrument/ProgramState.h"
#include "report/builder/ReportDesigners.h"
#include "report/builder/ReportFlags.h"
#include "report/builder/StiffnessConstants.h"
#include "report/builder/CompanyInfo.h"
#include "report/page/ColumnChooser.h"
#include "report/page/ModifyReportMenu.h"
#include "report/page/compose/ReportAreaPopOut.h"
#include "report/page/ReportRefresh.h"
#include "report/page/settings/StiffnessConstantsCommands.h"
#include "report/page/header/HeaderTextCommands.h"
#include "report/page/header/InfoForm.h"
#include "report/page/ReportPageContext.h"
#include "report/page/output/ReportOutputCommands.h"
#include "report/page/settings/LayoutCommands.h"
#include "report/page/header/LogoCommands.h"
#include "report/reflow/ResizeReportFont.h"

class QWidget;

namespace platform::db {
class Database;
}

namespace report {

class ReportPageHost;
class ReportTabPage;
class ReportViewerCommands;

// The report page's entry points that the main window calls. Each does what
// the window relies on today; the report builder and report page work
// completes them (designers, header, columns, viewers).
class ReportPage {
 public:
  ReportPage(ReportPageHost& host, ReportTabPage& page, instrument::ProgramState& state,
             ReportFlags& flags, CompanyInfo& info, StiffnessConstants& constants);
  ~ReportPage();

  // Gives the viewers' click its "Modify Report" pop-up menu and connects the
  // menu's report toggle, constants command and font items (their redraw).
  void connectReportMenu(const ModifyReportMenu& menu);

  // The pop-up menu as a freshly built report of the current model offers it
  // (the report set-up calls it on every rebuild).
  void resetReportMenu();

  // The tab-switch handler of the main tab strip. Off the report tab it closes
  // the report dialogs; it re-lays the window out; on the data tab it rebuilds
  // the project tree; on the report tab it sets the report page up.
  void MainTab_Click(int previousTab);

  // Puts the data columns of the report back to their placeholders.
  void Clear_Columns();

  // A click on a data item of List1: places it into the column chosen in
  // List2 (the stiffness blocks into four) and moves List2 on.
  void List1_Click() { chooser_.List1_Click(); }
  ColumnChooser& columnChooser() { return chooser_; }

  // "Clear Preview": the report's data columns back to a fresh report's.
  void Clear_Button_Click();

  // Builds the report header for the selected table from the working
  // database (the data view's connection).
  void Build_Report_Header(platform::db::Database& db);

  // Saves the company information and puts it into the report header.
  void Update_Report_Info(QWidget* owner);

  // The "Edit Text" commands of the "Modify Report" menu and remark editing.
  HeaderTextCommands& headerTexts() { return *headerTexts_; }

  // "Lab Info": shows the company information window, owned by `owner`.
  void Information_Click(QWidget* owner);
  InfoForm* infoForm() const { return infoForm_; }

  // The two report designers, owned here; a rebuild re-creates them.
  ReportDesigners& designers() { return designers_; }

  // The deferred redraw of the viewers (Timer5).
  ReportRefresh& refresh() { return refresh_; }
  // StiffCons_File, SCons_Click and the TextChanged timer.
  StiffnessConstantsCommands& stiffnessConstants() { return constantsCommands_; }
  // The editing panel's pop-out (Picture1_DblClick).
  ReportAreaPopOut& popOut() { return popOut_; }
  // Viewer click, report toggle and ReportTab_Click; null before
  // connectReportMenu.
  ReportViewerCommands* viewerCommands() { return viewerCommands_.get(); }
  // Printing and exporting (the viewers' buttons and "Export").
  ReportOutputCommands& output() { return output_; }

  // Re-flows both designers to a font size of 9 to 12 for the current model
  // and table; the Report Font commands and a loaded header layout use it.
  ReflowResult resizeReportFont(int fontSize);

  // The "Logo Options" items; the Save and Load Layout buttons (the column
  // layout file joins through LayoutCommands::setColumnLayoutFile, the font
  // re-flow through setResizeReportFont).
  LogoCommands& logo() { return logo_; }
  LayoutCommands& layout() { return layout_; }

  // The report dialogs closed when another tab than the report tab is shown.
  static const QStringList& reportDialogNames();

  // What the report commands share.
  ReportPageContext context();

 private:
  // Captions and lists every time; the whole report only for new data.
  void setUpReportPage();
  bool rebuildReport();
  void resetFontsAndMenus();
  void enableRawDataTab();
  // Whether the table shown is the shared table of later stiffness runs.
  bool laterRunsShown();
  void selectReportTab();
  bool showReport();
  void offerFittingColumns();
  void reportLoadFailure();
  void fillReadNumberColumn();
  // The stiffness report of the selected run again, with the constants now
  // in use; nothing else changes.
  void refillStiffyReport();
  // After an edit of the table's stored data (ProgramState::Data_Edited) the
  // built report reads its header values, read numbers, averages and placed
  // columns again in place, so the remarks and the layout the user made stay.
  // Edits are made on the data tab only, so following them as the report tab
  // is shown comes before any print or export.
  void followEditedData();

  ReportPageHost& host_;
  ReportTabPage& page_;
  instrument::ProgramState& state_;
  ReportFlags& flags_;
  CompanyInfo& info_;
  StiffnessConstants& constants_;
  ReportDesigners designers_;
  ReportRefresh refresh_;
  StiffnessConstantsCommands constantsCommands_;
  ReportAreaPopOut popOut_;
  ModifyReportMenu menu_;
  std::unique_ptr<ReportViewerCommands> viewerCommands_;
  std::unique_ptr<HeaderTextCommands> headerTexts_;
  QPointer<InfoForm> infoForm_;
  ColumnChooser chooser_;
  ReportOutputCommands output_{designers_, state_, page_};
  LogoCommands logo_;
  LayoutCommands layout_;
};

}  // namespace report
