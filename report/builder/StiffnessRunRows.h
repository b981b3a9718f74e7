#pragma once

#include <QList>
#include <QString>
#include <QVariant>
#include <array>
#include <optional>

namespace platform::db {
class Database;
}

namespace report {

// One row of a stiffness run table as the report reads it: the run header
// fields, the bin fields, the eight raw readings and the two overload flags.
// A Null field is a null QVariant.
struct StiffnessRow {
  QVariant RUN_NUMBER;
  QVariant MEASURE;
  QVariant CALFACTOR;
  QVariant DATE;
  QVariant TIME;
  QVariant BIN_NUMBER;
  QVariant FREQUENCY;
  // Signal, then noise, each as real and imaginary displacement, real and
  // imaginary force.
  std::array<QVariant, 8> readings;
  QVariant NOISE_OL_FLAG;
  QVariant SIGNL_OL_FLAG;
};

// Indexes into StiffnessRow::readings.
enum Reading { RDS, IDS, RFS, IFS, RDN, IDN, RFN, IFN };

// Every row of the run table in key order (the run header row first), or
// nothing when the table cannot be read.
std::optional<QList<StiffnessRow>> readStiffnessRows(platform::db::Database& db, const QString& table);

// A whole-number or double field as a number; nothing for Null.
std::optional<double> numberOf(const QVariant& value);
// A single-precision field as the decimal the instrument sent (98.7, not
// 98.6999969); nothing for Null.
std::optional<double> singleNumberOf(const QVariant& value);

}  // namespace report
