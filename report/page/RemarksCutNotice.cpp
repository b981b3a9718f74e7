#include "report/page/RemarksCutNotice.h"

#include "platform/core/IgnoreErrors.h"
#include "platform/report/ReportLayout.h"
#include "platform/ui/Dialogs.h"
#include "report/builder/RemarkFit.h"
#include "report/builder/ReportFlags.h"
#include "report/reflow/FontSizeTable.h"

namespace report {
namespace {

QStringList cutOnThePage(const platform::ReportDesigner* report) {
  QStringList cut;
  if (report != nullptr)
    platform::ignoringErrors([&] { cut = cutRemarks(*report, platform::ReportLayout::layout(*report)); });
  return cut;
}

// A remark counts once for every row that shows it cut.
bool cutsMore(const QStringList& before, QStringList after) {
  for (const QString& remark : before) after.removeOne(remark);
  return !after.isEmpty();
}

}  // namespace

QString quotedList(const QStringList& texts) {
  QStringList quoted;
  for (const QString& text : texts) quoted.append(QLatin1Char('"') + text + QLatin1Char('"'));
  return quoted.join(QStringLiteral(", "));
}

namespace {

QString remarksCutNotice(const QStringList& cut, int fontSize) {
  if (cut.isEmpty()) return {};
  const bool smallest = fontSize <= SmallestReportFont;
  const QString& notice = cut.size() == 1 ? (smallest ? RemarkCutAtSmallestSize : RemarkCutAtThisSize)
                                          : (smallest ? RemarksCutAtSmallestSize : RemarksCutAtThisSize);
  return notice.arg(quotedList(cut));
}

}  // namespace

QString remarksCutNotice(const platform::ReportDesigner& report, int fontSize) {
  return remarksCutNotice(cutOnThePage(&report), fontSize);
}

RemarksCutWatch::RemarksCutWatch(const platform::ReportDesigner* report, const ReportFlags& flags)
    : report_(report), flags_(flags), before_(cutOnThePage(report)) {}

void RemarksCutWatch::tell(QWidget* owner) const {
  const QStringList after = cutOnThePage(report_);
  if (cutsMore(before_, after)) platform::ui::Dialogs::inform(owner, remarksCutNotice(after, flags_.Report_Font_Size));
}

}  // namespace report
