#include "report/builder/ReadNumberColumn.h"

#include "instrument/RunTables.h"
#include "platform/db/Recordset.h"
#include "platform/report/ReportDesigner.h"
#include "report/builder/ColumnSlots.h"
#include "report/builder/DensityAverages.h"
#include "report/builder/FieldMap.h"
#include "report/builder/ReportBuilderContext.h"
#include "report/builder/ReportRecords.h"
#include "report/builder/StiffyReportFiller.h"

namespace report {
namespace {

const QString StiffyBinNumber = QStringLiteral("StiffyBinNumber");
const QString RunNumberHeader = QStringLiteral("RN#");
const QString BinNumberHeader = QStringLiteral("BN#");

QString readNumberField(int Model) {
  switch (Model) {
    case ModelCode::LX9100: return QStringLiteral("READNUMBER");
    case ModelCode::T7310: return QStringLiteral("BIN_NUMBER");
    default: return QStringLiteral("RDNUM");
  }
}

int loadFrameMirror(int fontSize) {
  const auto geometry = fontGeometry(fontSize);
  return ReadNumberColumn + (geometry ? geometry->mirrorOffset : 7);
}

// "RD#", and for the stiffness gauge "RN#" on the shared table of later runs
// (one run per row), "BN#" on a run's bins.
QString readNumberHeader(int Model, bool headerOnly) {
  if (Model != ModelCode::T7310) return ReadNumberHeader;
  return headerOnly ? RunNumberHeader : BinNumberHeader;
}

void fillStiffyReport(ReportBuilderContext& context, const QString& Table) {
  Fill_Stiffy_Report(context.stiffyReport(), context.db, Table, context.constants);
}

// Load frame: column 1 and, past one block, its mirror.
void fillLoadFrame(ReportBuilderContext& context, platform::db::Recordset& records, int count) {
  const int fontSize = context.flags.Report_Font_Size;
  const bool twoBlocks = needsTwoBlocks(count, fontSize);
  TwoBlockSplit split(twoBlocks, rowsPerBlock(fontSize));
  const QString field = readNumberField(ModelCode::LX9100);
  for (bool more = firstRecord(records); more; more = nextRecord(records)) split.append(fieldText(records, field));
  setData(context.report(), ReadNumberColumn, columnText(split.left));
  if (twoBlocks) setData(context.report(), loadFrameMirror(context.flags.Report_Font_Size), columnText(split.mirror));
}

// Density gauges: the reading numbers, then the averages block.
void fillDensity(ReportBuilderContext& context, platform::db::Recordset& records, int Model) {
  DensityAverages averages(Model);
  QString column;
  for (bool more = firstRecord(records); more; more = nextRecord(records)) {
    column += fieldText(records, readNumberField(Model)) + QLatin1Char('\r');
    averages.add(records);
  }
  setData(context.report(), ReadNumberColumn, columnText(column));
  averages.write(context.report());
}

// Stiffness gauge: bin numbers (a run's header record left out) or run rows.
void fillStiffness(ReportBuilderContext& context, platform::db::Recordset& records, const QString& Table,
                   bool headerOnly) {
  QString column;
  bool more = firstRecord(records);
  if (more && !headerOnly) more = nextRecord(records);
  for (; more; more = nextRecord(records)) column += fieldText(records, readNumberField(ModelCode::T7310)) + QLatin1Char('\r');
  const QString text = columnText(column);
  setData(context.report(), ReadNumberColumn, text);
  if (context.flags.Clearing_Report)
    context.stiffyReport().member(StiffyBinNumber).SetText(text);
  else
    fillStiffyReport(context, Table);
}

void fillSingleRecord(ReportBuilderContext& context, platform::db::Recordset& records, const QString& Table,
                      int Model) {
  firstRecord(records);
  const QString value = columnText(fieldText(records, readNumberField(Model)));
  // The one record stands in column 1 for every model, beside the one entry
  // each placed column shows.
  setData(context.report(), ReadNumberColumn, value);
  if (Model == ModelCode::T7310) {
    fillStiffyReport(context, Table);
    context.stiffyReport().member(StiffyBinNumber).SetText(value);
    return;
  }
  if (Model != ModelCode::LX9100) {
    DensityAverages averages(Model);
    averages.add(records);
    averages.write(context.report());
  }
}

}  // namespace

void Fill_RD_Column(ReportBuilderContext& context, const QString& Table, const QString& SA, int Model) {
  if (Table.isEmpty() || SA.isEmpty() || Model < ModelCode::LX9100 || Model > ModelCode::T7310) return;
  platform::db::Recordset records;
  if (!openColumnRecords(records, context.db, Table, SA, Model)) return;
  platform::ReportDesigner& report = context.report();
  const bool headerOnly = Model == ModelCode::T7310 && instrument::isHeaderOnlyRunTable(context.db, Table);
  setData(report, ReadNumberColumn, EmptyColumnText);
  setHeader(report, ReadNumberColumn, readNumberHeader(Model, headerOnly));
  if (Model == ModelCode::T7310) context.stiffyReport().member(StiffyBinNumber).SetText(EmptyColumnText);
  const int count = records.recordCount();
  if (Model == ModelCode::LX9100 && needsTwoBlocks(count, context.flags.Report_Font_Size))
    setHeader(report, loadFrameMirror(context.flags.Report_Font_Size), ReadNumberHeader);
  if (count == 0) return;
  if (count == 1) return fillSingleRecord(context, records, Table, Model);
  switch (Model) {
    case ModelCode::LX9100: fillLoadFrame(context, records, count); break;
    case ModelCode::T7310: fillStiffness(context, records, Table, headerOnly); break;
    default: fillDensity(context, records, Model); break;
  }
}

}  // namespace report
