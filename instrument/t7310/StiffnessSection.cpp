#include <array>

#include "instrument/ProjectRows.h"
#include "instrument/ProjectSection.h"
#include "instrument/ProjectTableList.h"
#include "instrument/ProjectText.h"
#include "instrument/ProjectValues.h"
#include "instrument/RecordLayouts.h"
#include "instrument/RunTables.h"
#include "instrument/TextNumbers.h"
#include "instrument/writeout.h"
#include "platform/db/Database.h"

namespace instrument {

namespace {

namespace F = StiffnessBinField;
namespace pv = projectvalues;

const QString RunLabel = QStringLiteral("Run#,  ");
const QString MeasureLabel = QStringLiteral(",Meas:, ");
const QString CalFactorLabel = QStringLiteral(",CalFac:, ");
const QString DateLabel = QStringLiteral(",Date:, ");
const QString TimeLabel = QStringLiteral(",Time:, ");
const QString RunTablePrefix = QStringLiteral("RUN");

struct BinValue {
  const QString& field;
  int width;
};

const std::array<BinValue, 12>& binValues() {
  static const std::array<BinValue, 12> values{{
      {F::BIN_NUMBER, 4},
      {F::FREQUENCY, 5},
      {F::REAL_DISPL_ND, 6},
      {F::REAL_FORCE_ND, 6},
      {F::IMAG_DISPL_ND, 6},
      {F::IMAG_FORCE_ND, 6},
      {F::REAL_DISPL_SD, 6},
      {F::REAL_FORCE_SD, 6},
      {F::IMAG_DISPL_SD, 6},
      {F::IMAG_FORCE_SD, 6},
      {F::NOISE_OL_FLAG, 2},
      {F::SIGNL_OL_FLAG, 2},
  }};
  return values;
}
constexpr int DsnrWidth = 5;
constexpr int FsnrWidth = 2;

void writeRunLine(ProjectText& out, ProjectRows& rows) {
  out.text(RunLabel + pv::longText(rows.value(F::RUN_NUMBER)) + MeasureLabel +
           pv::exactSingleText(rows.value(F::MEASURE)) + CalFactorLabel +
           pv::exactSingleText(rows.value(F::CALFACTOR)) + DateLabel + pv::textText(rows.value(F::DATE)) +
           TimeLabel + pv::textText(rows.value(F::TIME)));
  out.endLine();
}

// A Null FSNR (a bin whose ratios held one word) leaves blanks, which read back
// as the same single word.
void writeBinRow(ProjectText& out, ProjectRows& rows) {
  QString line;
  for (const BinValue& value : binValues())
    line += writeout::Pad_Field(pv::longText(rows.value(value.field)), value.width) + QLatin1Char(',');
  line += writeout::Pad_Field(pv::exactSingleText(rows.value(F::DSNR)), DsnrWidth) + QLatin1Char(' ');
  line += writeout::Pad_Field(pv::exactSingleText(rows.value(F::FSNR)), FsnrWidth);
  out.text(line);
  out.endLine();
}

// A run whose header never completed left an empty table: its run number
// alone (from the table name) makes the replay define it again, empty.
void writeEmptyRun(ProjectText& out, const QString& table) {
  if (!table.startsWith(RunTablePrefix) || table.size() == RunTablePrefix.size()) return;
  out.text(RunLabel + table.mid(RunTablePrefix.size()));
  out.endLine();
  out.endLine();
}

// The runs after the twentieth share the table named after the first of
// them, and the replay gives the table to whichever of them it meets first:
// that run is written first. Any other run may repeat the number of a full
// run, which the replay would refuse as the run that names the table.
// When the naming run's header never completed it left no row, and its run
// number alone names the table again.
void writeLaterRuns(ProjectSection& section, const QString& table) {
  const std::optional<qint32> firstRun = text::toLong(table.mid(RunTablePrefix.size()));
  bool named = false;
  for (const bool naming : {true, false}) {
    if (!naming && !named) writeEmptyRun(section.out, table);
    ProjectRows rows;
    if (!rows.open(section.db, table, F::BIN_NUMBER)) {
      section.error = rows.error();
      return;
    }
    while (rows.next()) {
      const bool names = firstRun && rows.value(F::RUN_NUMBER).toLongLong() == *firstRun;
      if (names != naming) continue;
      named = named || names;
      writeRunLine(section.out, rows);
      section.out.endLine();
    }
  }
}

}  // namespace

bool writeStiffnessSection(ProjectSection& section) {
  ProjectText& out = section.out;
  for (const QString& listed : section.names) {
    const QString table = listedTable(listed);
    if (isHeaderOnlyRunTable(section.db, table)) {
      writeLaterRuns(section, table);
      return section.error.isEmpty();  // no table follows the one of the later runs
    }
    // The header row is the one carrying the run number; a bin numbered
    // below 0 sorts before it but is a bin all the same.
    ProjectRows rows;
    if (!rows.openMarkedFirst(section.db, table, F::BIN_NUMBER, F::RUN_NUMBER)) {
      section.error = rows.error();
      return false;
    }
    if (!rows.next()) {
      writeEmptyRun(out, table);
      continue;
    }
    writeRunLine(out, rows);
    while (rows.next()) writeBinRow(out, rows);
    out.endLine();
  }
  return true;
}

}  // namespace instrument
