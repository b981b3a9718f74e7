#include "report/builder/HideUnusedColumns.h"

#include "platform/report/ReportDesigner.h"
#include "platform/report/ReportNames.h"
#include "report/builder/ColumnSlots.h"

namespace report {
namespace {

void hide(platform::ReportDesigner& report, const QString& name, HiddenColumns& hidden) {
  const platform::ObjectRef object = report.member(name);
  const auto was = object.suppress();
  if (!was) return;
  hidden.changes.append({name, *was});
  object.setSuppress(true);
}

}  // namespace

HiddenColumns Hide_Unused_Columns(platform::ReportDesigner& report) {
  using namespace platform::ReportNames;
  HiddenColumns hidden;
  for (int k = FirstDataColumn; k <= LastColumn; ++k) {
    if (!isOwnPlaceholder(headerText(report, k), k)) continue;
    hide(report, columnHeader(k), hidden);
    hide(report, columnData(k), hidden);
    if (k <= LastLineColumn) hide(report, columnLine(k), hidden);
  }
  return hidden;
}

void Show_Hidden_Columns(platform::ReportDesigner& report, const HiddenColumns& hidden) {
  for (const HiddenColumns::Change& change : hidden.changes)
    report.member(change.object).setSuppress(change.wasSuppressed);
}

}  // namespace report
