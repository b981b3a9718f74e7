#include "report/builder/ColumnReset.h"

#include "platform/core/IgnoreErrors.h"
#include "platform/report/ReportDesigner.h"
#include "report/builder/ColumnLines.h"
#include "report/builder/ColumnSlots.h"
#include "report/builder/ColumnWidths.h"
#include "report/builder/ReadNumberColumn.h"
#include "report/builder/ReportBuilderContext.h"
#include "report/builder/StiffnessBlocks.h"

namespace report {
namespace {

const QString ClearedReadNumberHeader = QStringLiteral("RDNUM");

// The load-frame report's second block starts at the column after "Remarks"
// of the first: columns 6 to 9 by font size, 0 for untouched.
std::optional<QString> loadFrameBlockHeader(int k, int fontSize) {
  struct Row {
    int k;
    const char* bySize[4];  // 9, 10, 11, 12; nullptr: untouched
  };
  static constexpr Row rows[] = {{6, {"Col 5", "Col 5", "Col 5", nullptr}},
                                 {7, {"Col 6", nullptr, nullptr, "Remarks"}},
                                 {8, {nullptr, "Remarks", "Remarks", "Col 7"}},
                                 {9, {"Remarks", "Col 8", "Col 8", "Col 8"}}};
  const char* text = rows[k - 6].bySize[fontSize - 9];
  if (text == nullptr) return std::nullopt;
  return QString::fromLatin1(text);
}

void clearColumns(ReportBuilderContext& context, const QString& Table, const QString& SA, int Model) {
  platform::ReportDesigner& report = context.report();
  const int size = context.flags.Report_Font_Size;
  for (int k = ReadNumberColumn; k <= LastColumn; ++k) {
    platform::ignoringErrors([&] {
      const std::optional<QString> header = clearedHeader(k, Model, size);
      if (!header) return;
      setHeader(report, k, *header);
      setData(report, k, EmptyColumnText);
      if (k == ReadNumberColumn && !SA.isEmpty()) Fill_RD_Column(context, Table, SA, Model);
    });
  }
  for (const StiffnessBlock& block : stiffnessBlocks()) report.member(block.titleObject).setSuppress(true);
}

void resetColumnState(ReportFlags& flags) {
  flags.Used_Columns = 1;
  flags.New_Remarks_Column = 1;
  flags.Remarks_Column = 2;
  flags.Noise_Block = false;
  flags.Signal_Block = false;
}

}  // namespace

std::optional<QString> clearedHeader(int k, int Model_Code, int fontSize) {
  if (k == ReadNumberColumn) return ClearedReadNumberHeader;
  if (k == FirstDataColumn) return RemarksHeader;
  if (Model_Code == ModelCode::LX9100 && k >= 6 && k <= 9 && fontSize >= 9 && fontSize <= 12)
    return loadFrameBlockHeader(k, fontSize);
  return columnPlaceholder(k);
}

void Reset_Report_Columns(ReportBuilderContext& context, const QString& Table, const QString& SA, int Model) {
  ReportFlags& flags = context.flags;
  flags.Clearing_Report = true;
  clearColumns(context, Table, SA, Model);
  platform::ignoringErrors([&] { Update_Column_Lines(context.report(), flags, FirstDataColumn, Model); });
  resetColumnState(flags);
  platform::ignoringErrors([&] { fitColumnWidths(context.report(), flags); });
  flags.Clearing_Report = false;
}

}  // namespace report
