#include "report/reflow/LoadFrameColumnSet.h"

#include <algorithm>

#include "platform/report/ReportDesigner.h"
#include "platform/report/ReportNames.h"
#include "report/builder/ColumnSlots.h"
#include "report/builder/RemarkLines.h"
#include "report/builder/ReportFlags.h"

namespace report {
namespace {

namespace names = platform::ReportNames;

bool isDataHeader(const QString& header) {
  return !looksLikePlaceholder(header) && header != ReadNumberHeader && header != RemarksHeader;
}

void dropTrailingFree(QStringList& columns) {
  while (!columns.isEmpty() && columns.last().isEmpty()) columns.removeLast();
}

// The lines of column k when it is a remarks column; none otherwise.
QStringList remarksColumnLines(const platform::ReportDesigner& report, int k) {
  if (headerText(report, k) != RemarksHeader) return {};
  return remarkLines(dataText(report, k));
}

int leftRemarksColumn(const platform::ReportDesigner& report, const FontGeometry& geometry) {
  for (int k = FirstDataColumn; k <= geometry.leftBlockEnd; ++k)
    if (headerText(report, k) == RemarksHeader) return k;
  return 0;
}

void writeColumn(platform::ReportDesigner& report, int k, const QString& header) {
  if (header.isEmpty()) {
    freeColumn(report, k);
  } else {
    setHeader(report, k, header);
  }
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
  const int remarks = leftRemarksColumn(report, geometry);
  const int last = remarks != 0 ? remarks - 1 : geometry.leftBlockEnd;
  for (int k = FirstDataColumn; k <= last; ++k) {
    const QString header = headerText(report, k);
    set.columns << (isDataHeader(header) ? header : QString());
  }
  dropTrailingFree(set.columns);
  if (remarks == 0) return set;
  set.leftRemarks = remarksColumnLines(report, remarks);
  set.mirrorRemarks = remarksColumnLines(report, remarks + geometry.mirrorOffset);
  return set;
}

QStringList fittingLoadFrameColumns(const LoadFrameColumnSet& set, const FontGeometry& geometry) {
  const int room = geometry.leftBlockEnd - FirstDataColumn;  // one column stays for "Remarks"
  QStringList columns = set.columns.mid(0, std::max(0, room));
  dropTrailingFree(columns);
  return columns;
}

QStringList droppedLoadFrameColumns(const LoadFrameColumnSet& before, const LoadFrameColumnSet& after) {
  QStringList dropped;
  for (qsizetype i = 0; i < before.columns.size(); ++i)
    if (!before.columns[i].isEmpty() && after.columns.value(i) != before.columns[i]) dropped << before.columns[i];
  return dropped;
}

QStringList remarksByReading(const LoadFrameColumnSet& set, int count, int rowsPerBlock, bool twoBlocks) {
  QStringList remarks;
  for (int r = 1; r <= count; ++r) {
    const BlockLine place = twoBlockPlace(r, rowsPerBlock, twoBlocks);
    remarks << (place.block == Block::Left ? set.leftRemarks : set.mirrorRemarks).value(place.line);
  }
  return remarks;
}

void writeLoadFrameColumnSet(platform::ReportDesigner& report, ReportFlags& flags, const QStringList& columns,
                             const QString& leftRemarks, const QString& mirrorRemarks, const FontGeometry& geometry,
                             bool twoBlocks) {
  const int remarks = FirstDataColumn + static_cast<int>(columns.size());
  const int offset = geometry.mirrorOffset;
  for (int i = 0; i < columns.size(); ++i) writeColumn(report, FirstDataColumn + i, columns[i]);
  writeRemarks(report, remarks, leftRemarks);
  // The rest of the left block stays shown: the next item goes there.
  for (int k = remarks + 1; k <= geometry.leftBlockEnd; ++k) writeColumn(report, k, QString());
  int lastUsed = remarks;
  if (twoBlocks) {
    writeColumn(report, ReadNumberColumn + offset, ReadNumberHeader);
    for (int i = 0; i < columns.size(); ++i) writeColumn(report, FirstDataColumn + i + offset, columns[i]);
    writeRemarks(report, remarks + offset, mirrorRemarks);
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
