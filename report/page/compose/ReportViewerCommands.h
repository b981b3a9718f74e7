#pragma once

#include <QObject>

#include <functional>

#include "platform/report/ReportClick.h"
#include "report/page/ModifyReportMenu.h"

class QMenu;

namespace report {

class ReportPageHost;
class ReportRefresh;
class ReportTabPage;

// The report viewers' own commands: a click on a viewer pops up the "Modify
// Report" menu, the menu's report toggle swaps the stiffness gauge's two
// reports, and the report tab strip enables the column lists on its raw-data
// tab only.
class ReportViewerCommands : public QObject {
 public:
  // Shows the pop-up menu; the default pops it up at the mouse pointer
  // without waiting for a choice (tests install their own).
  using Popup = std::function<void(QMenu&)>;

  ReportViewerCommands(ReportPageHost& host, ReportTabPage& page, const ModifyReportMenu& menu,
                       ReportRefresh& refresh, QObject* parent = nullptr);

  // A click on either viewer. Off the report tab it does nothing. Otherwise it
  // keeps the click for the header-text editor, offers the header items the
  // shown report tab has and pops the menu up. The clipboard is left alone.
  void CRViewer1_Clicked(const platform::ReportClick& click);

  // Shows the report that is not on view (the caption names it) and asks for
  // a redraw.
  void StiffyToggle_Click();

  // Tab 0 enables the column lists, tab 1 disables them.
  void ReportTab_Click();

  // A rebuilt report shows each tab's own viewer, and the toggle its first
  // caption.
  void resetStiffyToggle();

  // The last click on a viewer on the report tab; the remark insertion places
  // its line by it.
  const platform::ReportClick& lastClick() const { return lastClick_; }

  void setPopup(Popup popup) { popup_ = std::move(popup); }

 private:
  ReportPageHost& host_;
  ReportTabPage& page_;
  ModifyReportMenu menu_;
  ReportRefresh& refresh_;
  platform::ReportClick lastClick_;
  Popup popup_;
};

}  // namespace report
