#include "report/page/settings/FontChangeNotice.h"

#include <QStringList>

#include "platform/report/ReportLayout.h"
#include "report/builder/RemarkFit.h"

namespace report {
namespace {

QString quotedList(const QStringList& texts) {
  QStringList quoted;
  for (const QString& text : texts) quoted.append(QLatin1Char('"') + text + QLatin1Char('"'));
  return quoted.join(QStringLiteral(", "));
}

}  // namespace

QString fontChangeNotice(const platform::ReportDesigner& report, const ReflowResult& result) {
  if (!result.reflowed) return {};
  QStringList parts;
  if (!result.droppedColumns.isEmpty()) parts.append(ColumnsDroppedAtThisSize.arg(quotedList(result.droppedColumns)));
  if (!result.hiddenColumns.isEmpty()) parts.append(ColumnsHiddenAtThisSize.arg(quotedList(result.hiddenColumns)));
  const QStringList cut = cutRemarks(report, platform::ReportLayout::layout(report));
  if (!cut.isEmpty()) parts.append(RemarksCutAtThisSize.arg(quotedList(cut)));
  return parts.join(QStringLiteral("\n\n"));
}

}  // namespace report
