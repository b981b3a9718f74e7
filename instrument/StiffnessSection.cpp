#include <array>

#include "instrument/ProjectRows.h"
#include "instrument/ProjectSection.h"
#include "instrument/ProjectTableList.h"
#include "instrument/ProjectText.h"
#include "instrument/ProjectValues.h"
#include "instrument/RecordLayouts.h"
#include "instrument/RunTables.h"
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
           pv::singleText(rows.value(F::MEASURE)) + CalFactorLabel +
           pv::singleText(rows.value(F::CALFACTOR)) + DateLabel + pv::textText(rows.value(F::DATE)) +
           TimeLabel + pv::textText(rows.value(F::TIME)));
  out.endLine();
}

// A Null FSNR (a bin whose ratios held one word) leaves blanks, which read back
// as the same single word.
void writeBinRow(ProjectText& out, ProjectRows& rows) {
  QString line;
  for (const BinValue& value : binValues())
    line += writeout::Pad_Field(pv::longText(rows.value(value.field)), value.width) + QLatin1Char(',');
  line += writeout::Pad_Field(pv::singleText(rows.value(F::DSNR)), DsnrWidth) + QLatin1Char(' ');
  line += writeout::Pad_Field(pv::singleText(rows.value(F::FSNR)), FsnrWidth);
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

}  // namespace

bool writeStiffnessSection(ProjectSection& section) {
  ProjectText& out = section.out;
  for (const QString& listed : section.names) {
    const QString table = listedTable(listed);
    ProjectRows rows;
    if (!rows.open(section.db, table, F::BIN_NUMBER)) {
      section.error = rows.error();
      return false;
    }
    if (!rows.next()) {
      writeEmptyRun(out, table);
      continue;
    }
    if (isHeaderOnlyRunTable(section.db, table)) {
      do {
        writeRunLine(out, rows);
        out.endLine();
      } while (rows.next());
      return true;  // no table follows the one of the later runs
    }
    writeRunLine(out, rows);
    while (rows.next()) writeBinRow(out, rows);
    out.endLine();
  }
  return true;
}

}  // namespace instrument
