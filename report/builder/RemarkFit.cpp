#include "report/builder/RemarkFit.h"

#include <QSet>

#include "platform/report/ReportDesigner.h"
#include "platform/report/ReportNames.h"
#include "platform/report/TextWidth.h"
#include "report/builder/ColumnSlots.h"

namespace report {
namespace {

bool lineIsCut(const platform::RenderedText& shown, const QString& line) {
  return platform::textWidthTwips(line, shown.font) > shown.lineRoom();
}

QSet<QString> remarksColumnNames(const platform::ReportDesigner& report) {
  QSet<QString> names;
  for (int k = FirstDataColumn; k <= LastColumn; ++k)
    if (headerText(report, k) == RemarksHeader) names.insert(platform::ReportNames::columnData(k));
  return names;
}

}  // namespace

bool remarkWillBeCut(const platform::ReportClick& click, const RemarkPlace& place, const QString& remark) {
  if (!place.placeable()) return false;
  const QString name = platform::ReportNames::columnData(place.column);
  for (const platform::RenderedText& shown : click.pageTexts)
    if (shown.objectName == name) return lineIsCut(shown, remarkLine(remark));
  return false;
}

QStringList cutRemarks(const platform::ReportDesigner& report, const platform::RenderedReport& shown) {
  const QSet<QString> remarks = remarksColumnNames(report);
  QStringList cut;
  for (const platform::RenderedPage& page : shown.pages)
    for (const platform::RenderedText& text : page.texts) {
      if (!remarks.contains(text.objectName)) continue;
      for (const QString& line : text.lines)
        if (!line.trimmed().isEmpty() && lineIsCut(text, line)) cut.append(line);
    }
  return cut;
}

}  // namespace report
