#include "report/reflow/LoadFrameSteps.h"

#include "platform/db/Recordset.h"
#include "platform/report/ReportDesigner.h"
#include "report/builder/ColumnSlots.h"
#include "report/builder/FieldMap.h"
#include "report/builder/ReportFlags.h"
#include "report/builder/ReportRecords.h"
#include "report/reflow/LoadFrameColumnSet.h"

namespace report {
namespace {

const QString ReadNumberField = QStringLiteral("READNUMBER");

// The value of one reading as the column shows it, in the same form as when
// the column was placed; a Null value keeps its line, empty.
QString valueText(const platform::db::Recordset& records, const QString& header) {
  const QString item = header.toUpper();
  if (item == ReadNumberHeader) return fieldText(records, ReadNumberField);
  if (item == QLatin1String("TIME")) return Get_Field_Value(records, QStringLiteral("Time"), ModelCode::LX9100);
  if (item.size() == 3 && item.startsWith(QLatin1String("CH")) && item[2] >= QLatin1Char('1') &&
      item[2] <= QLatin1Char('4'))
    return Get_Field_Value(records, item, ModelCode::LX9100);
  return QString();  // no field: the column stays without values
}

void rebuildColumn(platform::ReportDesigner& report, platform::db::Recordset& records, int k,
                   const FontGeometry& geometry, bool twoBlocks) {
  const QString header = headerText(report, k);
  TwoBlockSplit split(twoBlocks, geometry.rowsPerBlock);
  for (bool more = firstRecord(records); more; more = nextRecord(records)) split.append(valueText(records, header));
  setData(report, k, columnText(split.left));
  if (twoBlocks) setData(report, k + geometry.mirrorOffset, columnText(split.mirror));
}

// A remarks column's text: its lines up to the last remark, a single blank
// when it holds none. Remarks are not trimmed: they show as written.
QString remarksText(QString lines) {
  while (lines.endsWith(QLatin1String("\r\r"))) lines.chop(1);
  return lines.trimmed().isEmpty() ? EmptyColumnText : lines;
}

// Each reading's remark split between the blocks as its reading is.
TwoBlockSplit movedRemarks(const LoadFrameColumnSet& before, int count, int oldSize, const FontGeometry& geometry,
                           bool twoBlocks) {
  const int oldRows = rowsPerBlock(oldSize);
  TwoBlockSplit split(twoBlocks, geometry.rowsPerBlock);
  for (const QString& remark : remarksByReading(before, count, oldRows, needsTwoBlocks(count, oldSize)))
    split.append(remark);
  return split;
}

}  // namespace

void Rebuild_Two_Blocks(platform::ReportDesigner& report, platform::db::Database& db, const QString& tableName,
                        ReportFlags& flags, const LoadFrameColumnSet& before, int oldSize, int newSize) {
  const auto geometry = fontGeometry(newSize);
  if (!geometry) return;
  platform::db::Recordset records;
  if (!openColumnRecords(records, db, tableName, QStringLiteral("N"), ModelCode::LX9100)) return;
  const int count = records.recordCount();
  const bool twoBlocks = needsTwoBlocks(count, newSize);
  const QStringList columns = fittingLoadFrameColumns(before, *geometry);
  const TwoBlockSplit remarks = movedRemarks(before, count, oldSize, *geometry, twoBlocks);
  writeLoadFrameColumnSet(report, flags, columns, remarksText(remarks.left), remarksText(remarks.mirror), *geometry,
                          twoBlocks);
  rebuildColumn(report, records, ReadNumberColumn, *geometry, twoBlocks);
  for (int i = 0; i < columns.size(); ++i)
    if (!columns[i].isEmpty()) rebuildColumn(report, records, FirstDataColumn + i, *geometry, twoBlocks);
}

}  // namespace report
