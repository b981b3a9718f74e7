#include "report/reflow/LoadFrameColumnSet.h"

#include <algorithm>

#include "platform/report/ReportDesigner.h"
#include "platform/report/ReportNames.h"
#include "report/builder/ColumnSlots.h"
#include "report/builder/ReportFlags.h"

namespace report {
namespace {

namespace names = platform::ReportNames;

bool isDataHeader(const QString& header) {
  return !looksLikePlaceholder(header) && header != ReadNumberHeader && header != RemarksHeader;
}

// The first "Remarks" anywhere in the body: a shift may have left the left
// one outside the new left block.
QString remarksText(const platform::ReportDesigner& report) {
  for (int k = FirstDataColumn; k <= LastColumn; ++k)
    if (headerText(report, k) == RemarksHeader)
      return report.member(names::columnData(k)).text().value_or(EmptyColumnText);
  return EmptyColumnText;
}

void writeColumn(platform::ReportDesigner& report, int k, const QString& header) {
  setHeader(report, k, header);
  showLoadFrameColumn(report, k, true);
}

void writeRemarks(platform::ReportDesigner& report, int k, const QString& text) {
  writeColumn(report, k, RemarksHeader);
  setData(report, k, text);
}

void freeAndHide(platform::ReportDesigner& report, int first, int last) {
  for (int k = first; k <= last; ++k) {
    freeColumn(report, k);
    showLoadFrameColumn(report, k, false);
  }
}

}  // namespace

LoadFrameColumnSet readLoadFrameColumnSet(const platform::ReportDesigner& report, const FontGeometry& geometry) {
  LoadFrameColumnSet set;
  const int room = geometry.leftBlockEnd - FirstDataColumn;  // one column stays for "Remarks"
  for (int k = FirstDataColumn; k <= geometry.leftBlockEnd && set.dataHeaders.size() < room; ++k) {
    const QString header = headerText(report, k);
    if (isDataHeader(header)) set.dataHeaders << header;
  }
  set.remarksText = remarksText(report);
  return set;
}

void writeLoadFrameColumnSet(platform::ReportDesigner& report, ReportFlags& flags, const LoadFrameColumnSet& set,
                             const FontGeometry& geometry, bool twoBlocks) {
  const int remarks = FirstDataColumn + static_cast<int>(set.dataHeaders.size());
  const int offset = geometry.mirrorOffset;
  for (int i = 0; i < set.dataHeaders.size(); ++i) writeColumn(report, FirstDataColumn + i, set.dataHeaders[i]);
  writeRemarks(report, remarks, set.remarksText);
  for (int k = remarks + 1; k <= geometry.leftBlockEnd; ++k) {
    freeColumn(report, k);
    showLoadFrameColumn(report, k, true);  // where the next item goes
  }
  int lastUsed = remarks;
  if (twoBlocks) {
    writeColumn(report, ReadNumberColumn + offset, ReadNumberHeader);
    for (int i = 0; i < set.dataHeaders.size(); ++i)
      writeColumn(report, FirstDataColumn + i + offset, set.dataHeaders[i]);
    writeRemarks(report, remarks + offset, EmptyColumnText);
    lastUsed = remarks + offset;
  }
  freeAndHide(report, std::max(lastUsed, geometry.leftBlockEnd) + 1, LastColumn);
  flags.Remarks_Column = remarks;
  flags.New_Remarks_Column = remarks;
}

void showLoadFrameColumn(platform::ReportDesigner& report, int k, bool shown) {
  report.member(names::columnHeader(k)).setSuppress(!shown);
  report.member(names::columnData(k)).setSuppress(!shown);
  // Lines right of shown columns follow their headers (Update_Column_Lines).
  if (!shown && k <= LastLineColumn) report.member(names::columnLine(k)).setSuppress(true);
}

}  // namespace report
