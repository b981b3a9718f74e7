#include "report/reflow/ResizeReportFont.h"

#include "platform/core/IgnoreErrors.h"
#include "report/builder/ColumnLines.h"
#include "report/builder/ColumnList.h"
#include "report/builder/ColumnSlots.h"
#include "report/builder/ColumnWidths.h"
#include "report/builder/ReportDesigners.h"
#include "report/builder/ReportFlags.h"
#include "report/reflow/ColumnChain.h"
#include "report/reflow/FittingColumns.h"
#include "report/reflow/FontSizeTable.h"
#include "report/reflow/LoadFrameColumnSet.h"
#include "report/reflow/LoadFrameSteps.h"
#include "report/reflow/SectionFonts.h"
#include "report/reflow/StiffyReflow.h"

namespace report {
namespace {

// Clears Font_Changing however the re-flow ends.
class FontChanging {
 public:
  explicit FontChanging(ReportFlags& flags) : flags_(flags) { flags_.Font_Changing = true; }
  ~FontChanging() { flags_.Font_Changing = false; }
  FontChanging(const FontChanging&) = delete;
  FontChanging& operator=(const FontChanging&) = delete;

 private:
  ReportFlags& flags_;
};

// The columns and remarks are read before the shift, which writes over the
// left-block columns that the new size has no room for. Returns the headers
// of the columns the new size took off.
QStringList reflowLoadFrame(const ReflowContext& c, int oldSize, int newSize, const QString& tableName) {
  platform::ReportDesigner& report = *c.designers.Report;
  const auto oldGeometry = fontGeometry(oldSize);
  const auto newGeometry = fontGeometry(newSize);
  if (!oldGeometry || !newGeometry) return {};
  LoadFrameColumnSet before;
  platform::ignoringErrors([&] { before = readLoadFrameColumnSet(report, *oldGeometry); });
  platform::ignoringErrors([&] { Shift_LoadFrame_Columns(report, c.flags, oldSize, newSize); });
  if (c.db != nullptr)
    platform::ignoringErrors([&] { Rebuild_Two_Blocks(report, *c.db, tableName, c.flags, before, oldSize, newSize); });
  LoadFrameColumnSet after;
  platform::ignoringErrors([&] { after = readLoadFrameColumnSet(report, *newGeometry); });
  return droppedLoadFrameColumns(before, after);
}

// Separator lines stand right of every column before the remarks column, as
// a placement leaves them: a line right of "Remarks" would cut its remarks
// short of the free columns beside it, which a fresh report lets them use.
int separatorLineBound(const platform::ReportDesigner& report, const ReportFlags& flags) {
  const int remarks = flags.Remarks_Column;
  const bool standing =
      remarks >= FirstDataColumn && remarks <= LastColumn && headerText(report, remarks) == RemarksHeader;
  return standing ? remarks : flags.Used_Columns + 1;
}

}  // namespace

ReflowResult Resize_Report_Font(const ReflowContext& c, int size, int dataType, const QString& tableName) {
  ReflowResult result;
  result.fontCaptions = fontCaptions(c.flags.Report_Font_Size);
  if (!isReportFontSize(size)) return result;
  platform::ReportDesigner& report = *c.designers.Report;
  const FontChanging changing(c.flags);
  // The designer is the one record of the size the report is laid out for.
  const int oldSize = laidOutFontSize(report);
  c.flags.Report_Font_Size = oldSize;
  result.fontCaptions = fontCaptions(oldSize);
  if (oldSize == size) return result;
  const int d = size - oldSize;

  resizeHeaderFonts(report, d, size);
  chainColumns(report, d);
  showFittingColumns(report, size);
  resizeColumnFonts(report, size);
  if (dataType == ModelCode::LX9100) result.droppedColumns = reflowLoadFrame(c, oldSize, size, tableName);
  resizeFooterFonts(report, size);
  c.flags.Report_Font_Size = size;
  if (dataType != ModelCode::LX9100) {
    result.droppedColumns = placeRemarksColumn(report, c.flags, size);
    result.hiddenColumns = itemsNotShown(report, size);
  }
  // The columns and the block titles over them, sized for the values they now hold.
  fitColumnWidths(report, c.flags);
  const int lineBound = dataType == ModelCode::LX9100 ? c.flags.Used_Columns + 1 : separatorLineBound(report, c.flags);
  Update_Column_Lines(report, c.flags, lineBound, dataType);

  result.reflowed = true;
  result.columnList = columnListEntries(fittingColumnEntries(size, dataType));
  result.fontCaptions = fontCaptions(size);
  if (dataType == ModelCode::T7310) {
    reflowStiffyReport(*c.designers.StiffyReport, d);
    result.stiffyChanged = true;
  }
  return result;
}

}  // namespace report
