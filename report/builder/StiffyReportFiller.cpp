#include "report/builder/StiffyReportFiller.h"

#include <QStringList>
#include <array>
#include <optional>

#include "instrument/ProjectValues.h"
#include "instrument/RunTables.h"
#include "instrument/TextNumbers.h"
#include "platform/report/ReportDesigner.h"
#include "platform/report/ReportNames.h"
#include "report/builder/StiffnessArithmetic.h"
#include "report/builder/StiffnessRunRows.h"
#include "report/builder/StiffyAverageCells.h"

namespace report {

namespace {

namespace values = instrument::projectvalues;
using platform::ReportDesigner;

const QChar CarriageReturn(13);
const QString NotAvailable = QStringLiteral("NA");
const QString Blank = QStringLiteral(" ");

// The ten value columns, in the order a row fills them.
enum Column { BinColumn, FrequencyColumn, DisplSnrColumn, ForceSnrColumn, FirstModulusColumn, ColumnCount = 10 };
constexpr int ModulusCount = ColumnCount - FirstModulusColumn;

const std::array<QString, ColumnCount> ColumnObjects = {
    QStringLiteral("StiffyBinNumber"), QStringLiteral("StiffyFrequency"),   QStringLiteral("StiffyDisplSNR"),
    QStringLiteral("StiffyForceSNR"),  QStringLiteral("StiffyStiffnessMN"), QStringLiteral("StiffyStiffnessLbf"),
    QStringLiteral("StiffyYoungsMPa"), QStringLiteral("StiffyYoungsPsi"),   QStringLiteral("StiffyShearMPa"),
    QStringLiteral("StiffyShearPsi")};

// K, K lbf, E, E psi, G, G psi of one row; an empty value could not be
// computed and reads "NA".
using Moduli = std::array<std::optional<double>, ModulusCount>;

// The entries of the value columns and the sums behind the averages,
// gathered in memory and written with one SetText per object.
struct StiffyTable {
  std::array<QStringList, ColumnCount> entries;
  std::array<double, ModulusCount> sums{};
  std::array<int, ModulusCount> counts{};
};

QString numberText(const std::optional<double>& value) { return value ? values::tenthsText(*value) : NotAvailable; }

// Entries each followed by a carriage return, the whole without blanks at
// either end (a carriage return is no blank, so every row keeps its line).
QString columnText(const QStringList& entries) {
  QString text;
  for (const QString& entry : entries) {
    text += entry;
    text += CarriageReturn;
  }
  return instrument::text::trimmed(text);
}

Moduli moduliOf(double k, double poisson, double shearPlate) {
  const auto e = stiffness::youngsModulus(k, poisson);
  const auto g = stiffness::shearModulus(k, poisson, shearPlate);
  return {k, stiffness::stiffnessLbf(k),
          e, e ? stiffness::inPsi(*e) : std::nullopt,
          g, g ? stiffness::inPsi(*g) : std::nullopt};
}

// An empty K leaves every value of its row empty.
Moduli moduliOf(std::optional<double> k, double poisson, double shearPlate) {
  return k ? moduliOf(*k, poisson, shearPlate) : Moduli{};
}

// Overloaded or incomplete rows show a blank in the six columns.
void addModuli(StiffyTable& table, const std::optional<Moduli>& moduli) {
  for (int j = 0; j < ModulusCount; ++j)
    table.entries[FirstModulusColumn + j].append(moduli ? numberText((*moduli)[j]) : Blank);
}

void addToSums(StiffyTable& table, const Moduli& moduli) {
  for (int j = 0; j < ModulusCount; ++j) {
    if (!moduli[j]) continue;
    table.sums[j] += *moduli[j];
    ++table.counts[j];
  }
}

bool flagClear(const QVariant& flag) { return !flag.isNull() && flag.toLongLong() == 0; }

// What a bin's stiffness needs: a clear overload test and every value present.
struct BinSweeps {
  stiffness::Sweep signal;
  double frequency;
};

std::optional<BinSweeps> computableBin(const StiffnessRow& row) {
  if (!flagClear(row.NOISE_OL_FLAG) || !flagClear(row.SIGNL_OL_FLAG)) return std::nullopt;
  for (const QVariant& reading : row.readings)
    if (reading.isNull()) return std::nullopt;
  const auto frequency = numberOf(row.FREQUENCY);
  if (!frequency) return std::nullopt;
  auto count = [&row](Reading r) { return stiffness::convertedCount(row.readings[r].toDouble()); };
  return BinSweeps{{count(RDS), count(IDS), count(RFS), count(IFS)}, *frequency};
}

// SNR of one quantity from its signal and noise readings; "NA" when a reading
// is Null or the ratio cannot be taken.
QString snrText(const StiffnessRow& row, Reading realSignal, Reading imagSignal, Reading realNoise, Reading imagNoise) {
  std::array<double, 4> counts{};
  const std::array<Reading, 4> which = {realSignal, imagSignal, realNoise, imagNoise};
  for (size_t i = 0; i < which.size(); ++i) {
    const auto raw = numberOf(row.readings[which[i]]);
    if (!raw) return NotAvailable;
    counts[i] = stiffness::convertedCount(*raw);
  }
  return numberText(stiffness::signalToNoise(counts[0], counts[1], counts[2], counts[3]));
}

void addBinRow(StiffyTable& table, const StiffnessRow& row, std::optional<double> calFactor,
               const StiffnessConstants& constants) {
  table.entries[BinColumn].append(values::longText(row.BIN_NUMBER));
  table.entries[FrequencyColumn].append(values::longText(row.FREQUENCY));
  table.entries[DisplSnrColumn].append(snrText(row, RDS, IDS, RDN, IDN));
  table.entries[ForceSnrColumn].append(snrText(row, RFS, IFS, RFN, IFN));
  const auto bin = computableBin(row);
  if (!bin || !calFactor) {
    addModuli(table, std::nullopt);
    return;
  }
  const auto k = stiffness::stiffnessMN(bin->signal, *calFactor, constants.Assmas, bin->frequency);
  const Moduli moduli = moduliOf(k, constants.Poisra, stiffness::BinShearPlate);
  addModuli(table, moduli);
  addToSums(table, moduli);
}

// A run of the shared table of later runs: its measured stiffness and what
// follows from it; nothing goes into the averages.
void addListedRun(StiffyTable& table, const StiffnessRow& row, const StiffnessConstants& constants) {
  table.entries[BinColumn].append(values::longText(row.BIN_NUMBER));
  for (Column column : {FrequencyColumn, DisplSnrColumn, ForceSnrColumn}) table.entries[column].append(NotAvailable);
  const auto k = singleNumberOf(row.MEASURE);
  addModuli(table,
            k ? std::optional<Moduli>(moduliOf(*k, constants.Poisra, stiffness::ListedRunShearPlate)) : std::nullopt);
}

StiffyTable tableOf(const QList<StiffnessRow>& rows, bool headerOnly, const StiffnessConstants& constants) {
  StiffyTable table;
  for (auto& entries : table.entries) entries.reserve(rows.size());
  if (headerOnly) {
    for (const StiffnessRow& row : rows) addListedRun(table, row, constants);
    return table;
  }
  const auto calFactor = singleNumberOf(rows.first().CALFACTOR);
  for (qsizetype i = 1; i < rows.size(); ++i) addBinRow(table, rows[i], calFactor, constants);
  return table;
}

Moduli averagesOf(const StiffyTable& table) {
  Moduli averages;
  for (int j = 0; j < ModulusCount; ++j)
    if (table.counts[j] > 0) averages[j] = table.sums[j] / table.counts[j];
  return averages;
}

void setText(const ReportDesigner& report, const QString& object, const QString& text) {
  report.member(object).SetText(text);
}

void writeRunLine(const ReportDesigner& report, const StiffnessRow& first, bool headerOnly) {
  setText(report, QStringLiteral("StiffyMeasure"), values::singleText(first.MEASURE));
  setText(report, QStringLiteral("StiffyCalFactor"), values::singleText(first.CALFACTOR));
  setText(report, QStringLiteral("StiffyDate"), values::textText(first.DATE));
  setText(report, QStringLiteral("StiffyTime"), values::textText(first.TIME));
  const QString run = values::longText(first.RUN_NUMBER);
  setText(report, QStringLiteral("StiffyRunNumber"), headerOnly ? run + instrument::LaterRunsMark : run);
}

void writeColumns(const ReportDesigner& report, const StiffyTable& table) {
  for (int column = 0; column < ColumnCount; ++column)
    setText(report, ColumnObjects[column], columnText(table.entries[column]));
}

void showAverages(const ReportDesigner& report, bool shown) {
  for (int j = 1; j <= ModulusCount; ++j)
    Set_Cell_Lines(report.member(platform::ReportNames::stiffyAverage(j)), j, !shown);
  report.member(QStringLiteral("StiffyAverageLabel")).setSuppress(!shown);
}

QString constantText(double value) { return values::doubleText(value); }

void writeConstants(const ReportDesigner& report, const StiffnessConstants& c) {
  const std::pair<const char*, double> cells[] = {{"StiffyAssemblyMass", c.Assmas}, {"StiffyPoissonRatio", c.Poisra},
                                                  {"StiffyDensityPcf", c.Densit},   {"StiffySlope", c.Slopes},
                                                  {"StiffyIntercept", c.Interc},    {"StiffyDensityKg", c.Densi2}};
  for (const auto& [object, value] : cells) setText(report, QLatin1String(object), constantText(value));
}

// The averages under the six stiffness and modulus columns, the moisture, the
// constants and the two dry-density estimates drawn from the mean stiffness.
void writeSummary(const ReportDesigner& report, const StiffyTable& table, const StiffnessConstants& c) {
  setText(report, QStringLiteral("StiffyMoisture"), constantText(c.MeasMs));
  const Moduli averages = averagesOf(table);
  for (int j = 0; j < ModulusCount; ++j)
    setText(report, platform::ReportNames::stiffyAverage(j + 1), numberText(averages[j]));
  const auto& meanK = averages[0];
  const auto ratio = meanK ? stiffness::densityRatio(*meanK, c.MeasMs, c.Slopes, c.Interc) : std::nullopt;
  const auto pcf = ratio ? stiffness::dryDensity(c.Densit, *ratio) : std::nullopt;
  const auto kg = ratio ? stiffness::dryDensity(c.Densi2, *ratio) : std::nullopt;
  setText(report, QStringLiteral("StiffyDryDensityPcf"), numberText(pcf));
  writeConstants(report, c);
  setText(report, QStringLiteral("StiffyDryDensityKg"), numberText(kg));
  showAverages(report, true);
}

// The shared table of later runs has no averages: the cells and their label
// are hidden. The moisture and the constants are the program's, not a run's,
// and show as on any run.
void writeListSummary(const ReportDesigner& report, const StiffnessConstants& c) {
  setText(report, QStringLiteral("StiffyMoisture"), constantText(c.MeasMs));
  writeConstants(report, c);
  setText(report, QStringLiteral("StiffyDryDensityPcf"), NotAvailable);
  setText(report, QStringLiteral("StiffyDryDensityKg"), QString());
  showAverages(report, false);
}

}  // namespace

void Fill_Stiffy_Report(platform::ReportDesigner& StiffyReport, platform::db::Database& db, const QString& table,
                        const StiffnessConstants& constants) {
  const auto rows = readStiffnessRows(db, table);
  if (!rows || rows->isEmpty()) return;
  const bool headerOnly = instrument::isHeaderOnlyRunTable(db, table);
  const StiffyTable texts = tableOf(*rows, headerOnly, constants);
  writeRunLine(StiffyReport, rows->first(), headerOnly);
  writeColumns(StiffyReport, texts);
  if (headerOnly)
    writeListSummary(StiffyReport, constants);
  else
    writeSummary(StiffyReport, texts, constants);
}

}  // namespace report
