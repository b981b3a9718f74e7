#include "report/builder/ColumnPlacement.h"

#include <cstdlib>

#include "instrument/RunTables.h"
#include "platform/db/Recordset.h"
#include "platform/report/ReportDesigner.h"
#include "platform/report/ReportNames.h"
#include "report/builder/ColumnLines.h"
#include "report/builder/ColumnSlots.h"
#include "report/builder/ColumnWidths.h"
#include "report/builder/FieldMap.h"
#include "report/builder/ReportBuilderContext.h"
#include "report/builder/ReportRecords.h"
#include "report/builder/StiffnessBlocks.h"
#include "report/builder/TypedRemarks.h"

namespace report {
namespace {

struct Placement {
  ReportBuilderContext& context;
  int Col;
  QString item;
  QString Table;
  int Model;
  bool clearedBlock = false;  // a stiffness block under the column was taken off first
  bool isNone() const { return item == NoneItem; }
  platform::ReportDesigner& report() const { return context.report(); }
};

// A stiffness block is all or nothing: any item but the block's own placed
// on one of its columns takes the whole block off first, columns, flag and
// title. "None" then stands for the block's first column.
void clearBlocksUnder(Placement& p) {
  if (p.Model != ModelCode::T7310) return;
  ReportFlags& flags = p.context.flags;
  for (const StiffnessBlock& block : stiffnessBlocks()) {
    if (!blockCovers(flags, block, p.Col) || belongsToBlock(block, p.item)) continue;
    const int first = blockFirstColumn(flags, block);
    clearStiffnessBlock(p.report(), flags, block);
    p.clearedBlock = true;
    if (p.isNone()) p.Col = first;
  }
}

void resetRemarksIfTouched(const Placement& p) {
  const ReportFlags& flags = p.context.flags;
  bool touched = p.clearedBlock;
  if (!touched) touched = p.Col >= flags.Remarks_Column || std::abs(p.Col - flags.Remarks_Column) == 1;
  if (touched) Reset_Column(p.report(), flags, flags.Remarks_Column, true, p.Model);
}

void freeTarget(const Placement& p) {
  const auto geometry = fontGeometry(p.context.flags.Report_Font_Size);
  const bool loadFrame = p.Model == ModelCode::LX9100;
  if (loadFrame && geometry && p.Col >= 2 && p.Col <= 7) freeColumn(p.report(), p.Col + geometry->mirrorOffset);
  freeColumn(p.report(), p.Col);
  if (loadFrame && p.Col >= 2 && p.Col <= 6 && std::abs(p.Col - p.context.flags.Remarks_Column) == 1)
    freeColumn(p.report(), p.Col + 8);
}

// The mirror of a load-frame data column that continues past one block.
std::optional<int> mirroredDataColumn(const Placement& p) {
  const auto geometry = fontGeometry(p.context.flags.Report_Font_Size);
  if (p.Model != ModelCode::LX9100 || !geometry) return std::nullopt;
  if (p.Col < FirstDataColumn || p.Col > geometry->leftBlockEnd - 1) return std::nullopt;
  return p.Col + geometry->mirrorOffset;
}

// Writes the header and returns the name the values are read by.
QString writeHeader(const Placement& p) {
  QString header = p.item;
  if (p.Model == ModelCode::T7310) header = stiffySubColumnHeader(p.item).value_or(p.item);
  header = headerAbbreviation(header);
  const platform::ObjectRef object = p.report().member(platform::ReportNames::columnHeader(p.Col));
  object.setCanGrow(p.Model == ModelCode::T7310);
  object.SetText(header);
  return p.Model == ModelCode::T7310 ? p.item : header;
}

void fillValues(const Placement& p, platform::db::Recordset& records, const QString& field) {
  const int count = records.isOpen() ? records.recordCount() : 0;
  const int fontSize = p.context.flags.Report_Font_Size;
  const std::optional<int> mirror = needsTwoBlocks(count, fontSize) ? mirroredDataColumn(p) : std::nullopt;
  if (mirror) setHeader(p.report(), *mirror, headerText(p.report(), p.Col));
  // A run table's first record is its header; the shared table of later runs
  // has none, and a table of one record shows it.
  const bool skipRunHeader =
      p.Model == ModelCode::T7310 && count > 1 && !instrument::isHeaderOnlyRunTable(p.context.db, p.Table);
  TwoBlockSplit split(mirror.has_value(), rowsPerBlock(fontSize));
  bool more = records.isOpen() && firstRecord(records);
  if (more && skipRunHeader) more = nextRecord(records);
  for (; more; more = nextRecord(records)) split.append(Get_Field_Value(records, field, p.Model));
  setData(p.report(), p.Col, columnText(split.left));
  if (mirror) setData(p.report(), *mirror, columnText(split.mirror));
}

// The "Remarks" column never stands in the read-number column.
int remarksTarget(const Placement& p) {
  return std::max(FirstDataColumn, Next_Free_Column(p.report(), p.context.flags, p.Model));
}

// Returns whether the remarks column and lines are to be updated.
bool chooseRemarksColumn(Placement& p) {
  ReportFlags& flags = p.context.flags;
  if (p.clearedBlock) {
    // a cleared block moves the remarks column like the last used column does
  } else if (p.Col < flags.New_Remarks_Column - 1) {
    return false;
  } else if (p.Model == ModelCode::LX9100) {
    if (p.Col >= flags.New_Remarks_Column) flags.New_Remarks_Column = remarksTarget(p);
    return true;
  }
  if (p.Model != ModelCode::LX9100) flags.New_Remarks_Column = remarksTarget(p);
  return true;
}

void writeRemarksColumn(const Placement& p) {
  ReportFlags& flags = p.context.flags;
  const int target = flags.New_Remarks_Column;
  if (target >= FirstDataColumn && target <= LastColumn) {
    setHeader(p.report(), target, RemarksHeader);
    const auto geometry = fontGeometry(flags.Report_Font_Size);
    if (p.Model == ModelCode::LX9100 && geometry && target <= geometry->leftBlockEnd) {
      setHeader(p.report(), target + geometry->mirrorOffset, RemarksHeader);
      setData(p.report(), target + geometry->mirrorOffset, EmptyColumnText);
    }
  }
  Update_Column_Lines(p.report(), flags, target, p.Model);
  flags.Remarks_Column = target;
}

// The item a placed column shows: a stiffness block's sub-column item by
// its place in the block, otherwise the item its header stands for.
std::optional<QString> placedItem(const ReportBuilderContext& context, int k, int Model) {
  const QString header = headerText(context.report(), k);
  if (header.trimmed().isEmpty() || isOwnPlaceholder(header, k) || header == RemarksHeader) return std::nullopt;
  if (Model != ModelCode::T7310) return header;
  for (const StiffnessBlock& block : stiffnessBlocks())
    if (blockCovers(context.flags, block, k))
      return block.dataItems[static_cast<size_t>(k - blockFirstColumn(context.flags, block))];
  return itemOfHeader(header, Model);
}

// The load frame's mirror block repeats the left one and is filled with it.
int lastLeftColumn(const ReportFlags& flags, int Model) {
  const auto geometry = fontGeometry(flags.Report_Font_Size);
  return Model == ModelCode::LX9100 && geometry ? geometry->leftBlockEnd : LastColumn;
}

}  // namespace

void Refill_Placed_Columns(ReportBuilderContext& context, const QString& Table, const QString& SA, int Model) {
  platform::db::Recordset records;
  if (!openColumnRecords(records, context.db, Table, SA, Model)) return;
  for (int k = FirstDataColumn; k <= lastLeftColumn(context.flags, Model); ++k) {
    const std::optional<QString> item = placedItem(context, k, Model);
    if (item) fillValues(Placement{context, k, *item, Table, Model}, records, *item);
  }
  fitColumnWidths(context.report(), context.flags);
}

std::optional<ListMove> nextListSelection(ListSelection list) {
  if (list.ListCount <= 0) return std::nullopt;
  const int index = list.ListIndex;
  if (index == list.ListCount - 1) return ListMove{0, 0};
  if (list.ListCount - index > 2) return ListMove{index, index + 2};
  return ListMove{index + 1, index + 1};
}

PlaceColumnResult Place_Column(ReportBuilderContext& context, int Col, const QString& ColumnObject,
                               const QString& Table, const QString& SA, int Model, ListSelection list) {
  if (context.flags.Clearing_Report) return {Col, ColumnObject, std::nullopt};
  Placement p{context, Col, ColumnObject, Table, Model};
  const TypedRemarks typed = typedRemarks(context.report(), context.flags, Model);
  clearBlocksUnder(p);
  platform::db::Recordset records;
  openColumnRecords(records, context.db, Table, SA, Model);
  resetRemarksIfTouched(p);
  freeTarget(p);
  QString readBy = ColumnObject;
  if (!p.isNone()) {
    readBy = writeHeader(p);
    fillValues(p, records, readBy);
  }
  if (chooseRemarksColumn(p)) writeRemarksColumn(p);
  carryRemarks(context.report(), context.flags, Model, typed);
  fitColumnWidths(context.report(), context.flags);
  return {p.Col, readBy, nextListSelection(list)};
}

}  // namespace report
