#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace platform {
class ReportDesigner;
}

namespace report {

struct ReportFlags;

// Texts as the report page's notices list them: each in double quotes,
// comma-separated.
QString quotedList(const QStringList& texts);

// The one notice naming every remark the laid-out raw-data report cannot show
// whole; at the smallest font size it sends nobody to a smaller one. Empty
// when nothing is cut.
QString remarksCutNotice(const platform::ReportDesigner& report, int fontSize);

// What the page cuts, taken before a change that can move or narrow the
// remarks column or store a remark (a placement, a column layout, the remark
// editor's Ok); tell() afterwards gives the notice when the change cut a
// remark the page showed whole before, so a change that cuts nothing new
// stays quiet.
class RemarksCutWatch {
 public:
  RemarksCutWatch(const platform::ReportDesigner* report, const ReportFlags& flags);
  void tell(QWidget* owner) const;

 private:
  const platform::ReportDesigner* report_;
  const ReportFlags& flags_;
  QStringList before_;
};

}  // namespace report
