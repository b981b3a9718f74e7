#include "report/builder/ColumnLines.h"

#include "platform/report/ReportDesigner.h"
#include "platform/report/ReportNames.h"
#include "report/builder/ColumnSlots.h"
#include "report/builder/ReportFlags.h"

namespace report {
namespace {

void showLine(platform::ReportDesigner& report, int k, bool shown) {
  report.member(platform::ReportNames::columnLine(k)).setSuppress(!shown);
}

// During a font change the remarks column follows the left block's one
// "Remarks", which the re-flow has already put after the last data column.
// Writing "Remarks" over the block end here would cover a data column, or
// give a one-block test a mirror "Remarks" it does not have.
void followLoadFrameRemarks(const platform::ReportDesigner& report, ReportFlags& flags) {
  const auto geometry = fontGeometry(flags.Report_Font_Size);
  if (!flags.Font_Changing || !geometry) return;
  for (int k = FirstDataColumn; k <= geometry->leftBlockEnd; ++k) {
    if (headerText(report, k) != RemarksHeader) continue;
    flags.New_Remarks_Column = k;
    flags.Remarks_Column = k;
    return;
  }
}

void updateLoadFrameLines(platform::ReportDesigner& report, const ReportFlags& flags) {
  const auto geometry = fontGeometry(flags.Report_Font_Size);
  const int secondBlockStart = geometry ? geometry->leftBlockEnd + 1 : 0;
  for (int i = FirstDataColumn; i <= LastLineColumn; ++i) {
    const QString header = headerText(report, i);
    if (i == secondBlockStart) showLine(report, i - 1, header.toUpper() == ReadNumberHeader);
    showLine(report, i, !looksLikePlaceholder(header) && header != RemarksHeader);
  }
  if (flags.Report_Font_Size > 9)
    for (int k = 13; k <= 15; ++k) showLine(report, k, false);
}

}  // namespace

void Update_Column_Lines(platform::ReportDesigner& report, ReportFlags& flags, int LastCol, int Model) {
  if (Model != ModelCode::LX9100) {
    for (int k = FirstDataColumn; k <= LastLineColumn; ++k) showLine(report, k, LastCol > k);
    return;
  }
  followLoadFrameRemarks(report, flags);
  updateLoadFrameLines(report, flags);
}

}  // namespace report
