#include "report/builder/StiffnessRunRows.h"

#include "instrument/RecordLayouts.h"
#include "instrument/TextNumbers.h"
#include "platform/db/Recordset.h"

namespace report {

namespace {

namespace F = instrument::StiffnessBinField;

// Field positions looked up once per table; -1 reads as Null.
struct FieldPositions {
  explicit FieldPositions(const platform::db::Recordset& rs)
      : run(rs.fieldIndex(F::RUN_NUMBER)),
        measure(rs.fieldIndex(F::MEASURE)),
        calFactor(rs.fieldIndex(F::CALFACTOR)),
        date(rs.fieldIndex(QStringLiteral("Date"))),
        time(rs.fieldIndex(QStringLiteral("Time"))),
        bin(rs.fieldIndex(F::BIN_NUMBER)),
        frequency(rs.fieldIndex(F::FREQUENCY)),
        readings{rs.fieldIndex(F::REAL_DISPL_SD), rs.fieldIndex(F::IMAG_DISPL_SD), rs.fieldIndex(F::REAL_FORCE_SD),
                 rs.fieldIndex(F::IMAG_FORCE_SD), rs.fieldIndex(F::REAL_DISPL_ND), rs.fieldIndex(F::IMAG_DISPL_ND),
                 rs.fieldIndex(F::REAL_FORCE_ND), rs.fieldIndex(F::IMAG_FORCE_ND)},
        noiseFlag(rs.fieldIndex(F::NOISE_OL_FLAG)),
        signalFlag(rs.fieldIndex(F::SIGNL_OL_FLAG)) {}

  int run, measure, calFactor, date, time, bin, frequency;
  std::array<int, 8> readings;
  int noiseFlag, signalFlag;
};

QVariant valueAt(const platform::db::Recordset& rs, int position) {
  return position < 0 ? QVariant() : rs.value(position);
}

StiffnessRow currentRow(const platform::db::Recordset& rs, const FieldPositions& at) {
  StiffnessRow row;
  row.RUN_NUMBER = valueAt(rs, at.run);
  row.MEASURE = valueAt(rs, at.measure);
  row.CALFACTOR = valueAt(rs, at.calFactor);
  row.DATE = valueAt(rs, at.date);
  row.TIME = valueAt(rs, at.time);
  row.BIN_NUMBER = valueAt(rs, at.bin);
  row.FREQUENCY = valueAt(rs, at.frequency);
  for (size_t i = 0; i < row.readings.size(); ++i) row.readings[i] = valueAt(rs, at.readings[i]);
  row.NOISE_OL_FLAG = valueAt(rs, at.noiseFlag);
  row.SIGNL_OL_FLAG = valueAt(rs, at.signalFlag);
  return row;
}

}  // namespace

std::optional<QList<StiffnessRow>> readStiffnessRows(platform::db::Database& db, const QString& table) {
  platform::db::Recordset rs;
  if (!rs.openTable(db, table)) return std::nullopt;
  const FieldPositions positions(rs);
  QList<StiffnessRow> rows;
  rows.reserve(rs.recordCount());
  for (bool onRow = rs.moveFirst(); onRow && !rs.eof(); onRow = rs.moveNext()) rows.append(currentRow(rs, positions));
  return rows;
}

std::optional<double> numberOf(const QVariant& value) {
  if (value.isNull()) return std::nullopt;
  bool ok = false;
  const double number = value.toDouble(&ok);
  if (!ok) return std::nullopt;
  return number;
}

std::optional<double> singleNumberOf(const QVariant& value) {
  const auto number = numberOf(value);
  if (!number) return std::nullopt;
  const auto single = instrument::text::toSingle(*number);
  if (!single) return std::nullopt;
  return instrument::text::singleValue(*single);
}

}  // namespace report
