#include "report/builder/TypedRemarks.h"

#include "report/builder/ColumnSlots.h"
#include "report/builder/ReportFlags.h"

namespace report {

std::optional<int> remarksMirror(const ReportFlags& flags, int Model, int k) {
  const auto geometry = fontGeometry(flags.Report_Font_Size);
  if (Model != ModelCode::LX9100 || !geometry || k > geometry->leftBlockEnd) return std::nullopt;
  return k + geometry->mirrorOffset;
}

TypedRemarks typedRemarks(const platform::ReportDesigner& report, const ReportFlags& flags, int Model) {
  const int k = flags.Remarks_Column;
  if (k < FirstDataColumn || k > LastColumn || headerText(report, k) != RemarksHeader) return {};
  const std::optional<int> mirror = remarksMirror(flags, Model, k);
  return {k, dataText(report, k), mirror ? dataText(report, *mirror) : EmptyColumnText};
}

void carryRemarks(platform::ReportDesigner& report, const ReportFlags& flags, int Model, const TypedRemarks& typed) {
  const int target = flags.Remarks_Column;
  if (typed.column == 0 || target < FirstDataColumn || target > LastColumn) return;
  const auto moveText = [&](std::optional<int> from, std::optional<int> to, const QString& text) {
    if (to && *to <= LastColumn && headerText(report, *to) == RemarksHeader) setData(report, *to, text);
    if (from && *from != to && *from <= LastColumn && isOwnPlaceholder(headerText(report, *from), *from))
      setData(report, *from, EmptyColumnText);
  };
  moveText(typed.column, target, typed.left);
  moveText(remarksMirror(flags, Model, typed.column), remarksMirror(flags, Model, target), typed.mirror);
}

}  // namespace report
