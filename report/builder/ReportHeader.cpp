#include "report/builder/ReportHeader.h"

#include <QDir>
#include <QFileInfo>

#include "instrument/RunTables.h"
#include "platform/core/ProgramFiles.h"
#include "platform/core/ProgramFolder.h"
#include "platform/db/Recordset.h"
#include "platform/report/ReportDesigner.h"
#include "platform/report/ReportNames.h"
#include "report/builder/ColumnLines.h"
#include "report/builder/ColumnSlots.h"
#include "report/builder/CompanyBlock.h"
#include "report/builder/FieldMap.h"
#include "report/builder/HeaderRoom.h"
#include "report/builder/ReportBuilderContext.h"
#include "report/builder/ReportRecords.h"

namespace report {
namespace {

using platform::ReportDesigner;
namespace names = platform::ReportNames;

constexpr int ChartLeft = 1500;
constexpr int ChartTop = 200;
constexpr int StiffyDataOffset = 150;

void setText(const ReportDesigner& designer, const QString& name, const QString& text) {
  designer.member(name).SetText(text);
}
void hideObject(const ReportDesigner& designer, const QString& name, bool hidden) {
  designer.member(name).setSuppress(hidden);
}
void hideSection(const ReportDesigner& designer, int n) {
  if (auto* section = designer.section(names::section(n))) section->setSuppress(true);
}
void keepSectionTogether(const ReportDesigner& designer, int n) {
  if (auto* section = designer.section(names::section(n))) section->setKeepTogether(true);
}

void writeCompanyLines(ReportBuilderContext& context, int Model) {
  writeCompanyBlock(context.report(), context.info, ReportCompanyObjects);
  if (Model == ModelCode::T7310) writeCompanyBlock(context.stiffyReport(), context.info, StiffyCompanyObjects);
}

// The date block and the company texts share the header's width; the page
// number runs its whole width.
void setHeaderWidths(const ReportDesigner& report, int Model) {
  const bool portrait = Model == ModelCode::LX9100;
  placeHeaderParts(report, portrait);
  report.member(QStringLiteral("WideField")).setWidth(portrait ? 11300 : 14820);
}

void addChartPicture(const ReportDesigner& report) {
  const QString picture = chartPicturePath();
  auto* section = report.section(names::section(4));
  if (!picture.isEmpty() && section) section->addPictureObject(picture, ChartLeft, ChartTop);
}

void writeDensityTestValues(const ReportDesigner& report, const platform::db::Recordset& first, int Model) {
  const bool a = Model == ModelCode::N2600A;
  const std::pair<const char*, const char*> values[] = {
      {"SerialText", "SERNUM"}, {"CDateText", "CDate"},         {"IdText", "ID"},
      {"DateText", a ? "RDATE" : "Date"}, {"DensityStdText", "DSTD"}, {"MoistureStdText", "MSTD"},
      {"KValText", "KVAL"},     {"SpgText", "SPG"},             {"MaxDText", "MAXD"}};
  for (const auto& [object, field] : values)
    setText(report, QString::fromLatin1(object), fieldText(first, QString::fromLatin1(field)));
  if (!a) setText(report, QStringLiteral("LowDText"), fieldText(first, QStringLiteral("LOWD")));
}

void writePageParts(ReportBuilderContext& context, const QString& Table, const platform::db::Recordset& first,
                    int Model) {
  const ReportDesigner& report = context.report();
  keepSectionTogether(report, 4);
  if (Model == ModelCode::LX9100) {
    hideSection(report, 2);
    setText(report, QStringLiteral("TestTitleText"), Table + QStringLiteral(" Test Results"));
    addChartPicture(report);
    return;
  }
  hideSection(report, 6);
  if (Model != ModelCode::T7310) writeDensityTestValues(report, first, Model);
  hideObject(report, names::headerLabel(4), Model == ModelCode::N2600A);
}

void writeStiffnessTitle(ReportBuilderContext& context, const QString& Table, const platform::db::Recordset& first) {
  const ReportDesigner& report = context.report();
  setText(report, QStringLiteral("ReportTitleText"), QStringLiteral("Data Report for T7310"));
  const QString run = fieldText(first, QStringLiteral("RUN_NUMBER"));
  const bool laterRuns = instrument::isHeaderOnlyRunTable(context.db, Table);
  setText(report, QStringLiteral("IdText"), laterRuns ? run + instrument::LaterRunsMark : run);
  setText(report, QStringLiteral("DateText"),
          fieldText(first, QStringLiteral("Date")) + QStringLiteral(" ") + fieldText(first, QStringLiteral("Time")));
  setText(report, QStringLiteral("DensityStdLabel"), QStringLiteral("Measure: "));
  setText(report, QStringLiteral("MoistureStdLabel"), QStringLiteral("Calibration Factor: "));
  // The measure and calibration factor stand in the maximum and low density
  // places; their labels say what they are.
  setText(report, QStringLiteral("MaxDLabel"), QStringLiteral("Measure:"));
  setText(report, names::headerLabel(4), QStringLiteral("Calibration Factor:"));
  setText(report, QStringLiteral("MaxDText"), fieldText(first, QStringLiteral("MEASURE")));
  setText(report, QStringLiteral("LowDText"), fieldText(first, QStringLiteral("CALFACTOR")));
  for (const QString& label : {QStringLiteral("DensityStdLabel"), QStringLiteral("MoistureStdLabel"),
                               names::headerLabel(1), names::headerLabel(2), names::headerLabel(3)})
    hideObject(report, label, true);
}

void writeTitles(ReportBuilderContext& context, const QString& Table, const platform::db::Recordset& first,
                 int Model) {
  const ReportDesigner& report = context.report();
  hideObject(report, QStringLiteral("NoiseBlockTitle"), true);
  hideObject(report, QStringLiteral("SignalBlockTitle"), true);
  if (Model == ModelCode::T7310) return writeStiffnessTitle(context, Table, first);
  if (Model == ModelCode::LX9100) return;
  setText(report, QStringLiteral("ReportTitleText"),
          Model == ModelCode::N2600A ? QStringLiteral("Data Report for NS-2600A Serial:")
                                     : QStringLiteral("Data Report for NS-2600BX Serial:"));
  setText(report, QStringLiteral("DensityStdLabel"), QStringLiteral("Density Standard:"));
  setText(report, QStringLiteral("MoistureStdLabel"), QStringLiteral("Moisture Standard:"));
  for (const QString& label : {QStringLiteral("DensityStdLabel"), QStringLiteral("MoistureStdLabel"),
                               names::headerLabel(1), names::headerLabel(2), names::headerLabel(3)})
    hideObject(report, label, false);
}

void setPageFrame(const ReportDesigner& report, int Model, int recordCount, int fontSize) {
  const bool portrait = Model == ModelCode::LX9100;
  for (int i = 1; i <= 2; ++i) {
    hideObject(report, names::landscapeLine(i), portrait);
    hideObject(report, names::portraitLine(i), !portrait);
  }
  const auto showColumn = [&](int k, bool shown) {
    hideObject(report, names::columnHeader(k), !shown);
    hideObject(report, names::columnData(k), !shown);
  };
  if (!portrait) {
    for (int k = 7; k <= LastColumn; ++k) showColumn(k, true);
    return;
  }
  if (!needsTwoBlocks(recordCount, fontSize))
    for (int k = 8; k <= 14; ++k) showColumn(k, false);
  for (int k = 15; k <= LastColumn; ++k) showColumn(k, false);
}

void moveDataDown(const ReportDesigner& report, int Model) {
  if (Model != ModelCode::T7310) return;
  for (int k = 1; k <= LastColumn; ++k) {
    const platform::ObjectRef data = report.member(names::columnData(k));
    if (const auto top = data.top()) data.setTop(*top + StiffyDataOffset);
  }
}

// The six average cells of the stiffness report stand under their columns.
void alignStiffyAverages(const ReportDesigner& stiffy) {
  const auto column = [&](const char* name) { return stiffy.member(QString::fromLatin1(name)); };
  const platform::ObjectRef first = stiffy.member(names::stiffyAverage(1));
  const platform::ObjectRef forceSnr = column("StiffyForceSNR");
  if (forceSnr.left() && forceSnr.width()) first.setLeft(*forceSnr.left() + *forceSnr.width() + 20);
  if (const auto width = column("StiffyStiffnessMN").width()) first.setWidth(*width - 20);
  const char* columns[] = {"StiffyStiffnessLbf", "StiffyYoungsMPa", "StiffyYoungsPsi", "StiffyShearMPa",
                           "StiffyShearPsi"};
  for (int j = 2; j <= 6; ++j) {
    const platform::ObjectRef cell = stiffy.member(names::stiffyAverage(j));
    const platform::ObjectRef under = column(columns[j - 2]);
    if (const auto left = under.left()) cell.setLeft(*left);
    if (const auto width = under.width()) cell.setWidth(*width);
  }
}

void placeRemarks(ReportBuilderContext& context, int Model) {
  setHeader(context.report(), 2, RemarksHeader);
  if (Model == ModelCode::LX9100) setHeader(context.report(), 9, RemarksHeader);
  context.flags.New_Remarks_Column = 2;
  context.flags.Remarks_Column = 2;
  Update_Column_Lines(context.report(), context.flags, context.flags.Remarks_Column, Model);
}

}  // namespace

QString chartPicturePath() {
  const QFileInfo wanted(platform::ProgramFolder::path(platform::ProgramFiles::GraphImage));
  if (wanted.exists()) return wanted.filePath();
  const QDir folder = wanted.dir();
  const QStringList entries = folder.entryList(QDir::Files);
  for (const QString& entry : entries)
    if (entry.compare(wanted.fileName(), Qt::CaseInsensitive) == 0) return folder.filePath(entry);
  return QString();
}

void Build_Report_Header(ReportBuilderContext& context, const QString& Table, const QString& SA, int Model) {
  if (Table.isEmpty() || Model < ModelCode::LX9100 || Model > ModelCode::T7310) return;
  writeCompanyLines(context, Model);
  setHeaderWidths(context.report(), Model);
  platform::db::Recordset first;
  openHeaderRecords(first, context.db, Table, SA, Model);
  const int recordCount = first.isOpen() ? first.recordCount() : 0;
  first.moveFirst();
  writePageParts(context, Table, first, Model);
  writeTitles(context, Table, first, Model);
  setPageFrame(context.report(), Model, recordCount, context.flags.Report_Font_Size);
  moveDataDown(context.report(), Model);
  if (Model == ModelCode::T7310) alignStiffyAverages(context.stiffyReport());
  placeRemarks(context, Model);
}

void Write_Header_Values(ReportBuilderContext& context, const QString& Table, const QString& SA, int Model) {
  if (Table.isEmpty() || Model <= ModelCode::LX9100 || Model > ModelCode::T7310) return;
  platform::db::Recordset first;
  openHeaderRecords(first, context.db, Table, SA, Model);
  first.moveFirst();
  if (Model == ModelCode::T7310)
    writeStiffnessTitle(context, Table, first);
  else
    writeDensityTestValues(context.report(), first, Model);
}

}  // namespace report
