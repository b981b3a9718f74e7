#pragma once

#include <QObject>
#include <QPointer>

#include "report/page/compose/ReportEdit.h"

namespace report {


class ReportPageHost;
class ReportTabPage;

// Moves the report editing panel (Picture1) into the window ReportEdit and
// back, so the report viewers can use the whole height of the report tab. A
// double-click on the panel toggles; any close of the window puts the panel
// back above the report tabs.
class ReportAreaPopOut : public QObject {
 public:
  ReportAreaPopOut(ReportPageHost& host, ReportTabPage& page, QObject* parent = nullptr);

  // Pops the panel out: the window opens 250 twips right of and below the
  // main window's corner, 100 twips wider and 700 twips taller than the
  // panel. While it is shown, closes it instead.
  void Picture1_DblClick();

  bool poppedOut() const { return window_ != nullptr && window_->isVisible(); }
  ReportEdit* window() const { return window_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void putBack();

  ReportPageHost& host_;
  ReportTabPage& page_;
  QPointer<ReportEdit> window_;
};

}  // namespace report
