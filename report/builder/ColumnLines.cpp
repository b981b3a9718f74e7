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

// During a font change the last column of each block becomes "Remarks" when
// the first block's last column is in use.
void placeLoadFrameRemarks(platform::ReportDesigner& report, ReportFlags& flags) {
  const auto geometry = fontGeometry(flags.Report_Font_Size);
  if (!flags.Font_Changing || !geometry) return;
  const int blockEnd = geometry->leftBlockEnd;
  if (looksLikePlaceholder(headerText(report, blockEnd))) return;
  for (int k : {blockEnd, blockEnd * 2}) {
    setHeader(report, k, RemarksHeader);
    setData(report, k, EmptyColumnText);
  }
  flags.New_Remarks_Column = Next_Free_Column(report, flags, ModelCode::LX9100) - 1;
  flags.Remarks_Column = flags.New_Remarks_Column;
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
  placeLoadFrameRemarks(report, flags);
  updateLoadFrameLines(report, flags);
}

}  // namespace report
