#pragma once

#include <QObject>
#include <QPointer>

#include "platform/report/ReportClick.h"
#include "report/page/header/HeaderTextEditor.h"

class QAction;

namespace report {

// The "Edit Text" submenu items of the "Modify Report" menu.
struct EditTextActions {
  QAction* CN;
  QAction* CI;
  QAction* Date;
  QAction* MN;
  QAction* PN;
  QAction* TB;
  QAction* TBD;
};

// The "Edit Text" items of the "Modify Report" pop-up menu and remark
// editing: each opens the header-text editor for its kind of text, at the
// click that opened the menu. An editor already open is cancelled first, so
// an edit in progress is discarded, never applied.
class HeaderTextCommands : public QObject {
  Q_OBJECT

 public:
  HeaderTextCommands(HeaderTextContext context, QWidget* owner);

  void CN_Click(const platform::ReportClick& click) { open(WhatCompanyName, click); }
  void CI_Click(const platform::ReportClick& click) { open(WhatCompanyInfo, click); }
  void Date_Click(const platform::ReportClick& click) { open(WhatDate, click); }
  void MN_Click(const platform::ReportClick& click) { open(WhatMachineNumber, click); }
  void PN_Click(const platform::ReportClick& click) { open(WhatProjectName, click); }
  void TB_Click(const platform::ReportClick& click) { open(WhatTestedBy, click); }
  void TBD_Click(const platform::ReportClick& click) { open(WhatTestedByDate, click); }
  void Edit_Remarks(const platform::ReportClick& click) { open(WhatRemark, click); }

  HeaderTextEditor* editor() const { return editor_; }

  // The viewer click that opens the "Modify Report" menu; the menu items
  // connected here act at that click.
  void rememberClick(const platform::ReportClick& click) { lastClick_ = click; }
  const platform::ReportClick& lastClick() const { return lastClick_; }
  void connectMenu(const EditTextActions& actions);

 signals:
  void refreshViewers();

 private:
  void open(int what, const platform::ReportClick& click);

  HeaderTextContext context_;
  QWidget* owner_;
  QPointer<HeaderTextEditor> editor_;
  platform::ReportClick lastClick_;
};

}  // namespace report
