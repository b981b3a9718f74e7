#include "report/page/settings/FontChangeNotice.h"

#include <QStringList>

#include "report/page/RemarksCutNotice.h"

namespace report {

QString fontChangeNotice(const platform::ReportDesigner& report, const ReflowResult& result, int fontSize) {
  if (!result.reflowed) return {};
  QStringList parts;
  if (!result.droppedColumns.isEmpty()) parts.append(ColumnsDroppedAtThisSize.arg(quotedList(result.droppedColumns)));
  if (!result.hiddenColumns.isEmpty()) parts.append(ColumnsHiddenAtThisSize.arg(quotedList(result.hiddenColumns)));
  const QString cut = remarksCutNotice(report, fontSize);
  if (!cut.isEmpty()) parts.append(cut);
  return parts.join(QStringLiteral("\n\n"));
}

}  // namespace report
