#include "fuzz/support/KnownRoundTripFaults.h"

#include <QSqlRecord>
#include <cstdlib>
#include <cstring>

#include "instrument/DeviceType.h"
#include "instrument/ProjectTableList.h"
#include "instrument/RecordLayouts.h"
#include "platform/db/Database.h"
#include "platform/db/SqlIdentifier.h"

namespace fuzzing {
namespace {

const QString FaultConnection = QStringLiteral("fuzz_known_faults");
constexpr int RunsWithTables = 20;
constexpr int SingleDigits = 7;

// Whether any table of the database has a row matching the condition.
bool anyRowWhere(const platform::db::Database& db, const QString& condition) {
  for (const QString& table : db.tableNames()) {
    const auto rows = db.select(QStringLiteral("SELECT 1 FROM %1 WHERE %2 LIMIT 1")
                                    .arg(platform::db::quoteIdentifier(table), condition));
    if (rows && !rows->isEmpty()) return true;
  }
  return false;
}

bool blankInTableName(const platform::db::Database& db) {
  for (const QString& table : db.tableNames())
    if (table.contains(QLatin1Char(' '))) return true;
  return false;
}

bool negativeBin(const platform::db::Database& db) {
  return anyRowWhere(db, platform::db::quoteIdentifier(instrument::StiffnessBinField::BIN_NUMBER) + QStringLiteral(" < 0"));
}

bool nullBeforeValue(const platform::db::Database& db) {
  namespace F = instrument::LoadTestField;
  const QString channels[] = {F::CH1, F::CH2, F::CH3, F::CH4};
  QStringList conditions;
  for (int i = 0; i < 3; ++i)
    for (int j = i + 1; j < 4; ++j)
      conditions.append(QStringLiteral("(%1 IS NULL AND %2 IS NOT NULL)")
                            .arg(platform::db::quoteIdentifier(channels[i]), platform::db::quoteIdentifier(channels[j])));
  return anyRowWhere(db, conditions.join(QStringLiteral(" OR ")));
}

bool valueWithoutNameBesideNamed(const platform::db::Database& db) {
  namespace F = instrument::LoadTestField;
  const QString values[] = {F::CH1, F::CH2, F::CH3, F::CH4};
  const QString names[] = {F::CH1NAME, F::CH2NAME, F::CH3NAME, F::CH4NAME};
  QStringList conditions;
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j)
      if (i != j)
        conditions.append(QStringLiteral("(%1 IS NOT NULL AND %2 IS NULL AND %3 IS NOT NULL)")
                              .arg(platform::db::quoteIdentifier(values[i]), platform::db::quoteIdentifier(names[i]),
                                   platform::db::quoteIdentifier(names[j])));
  return anyRowWhere(db, conditions.join(QStringLiteral(" OR ")));
}

bool measureBeyondSevenDigits(const platform::db::Database& db) {
  const QString field = platform::db::quoteIdentifier(instrument::StiffnessBinField::MEASURE);
  for (const QString& table : db.tableNames()) {
    const auto rows = db.select(QStringLiteral("SELECT %1 FROM %2 WHERE %1 IS NOT NULL")
                                    .arg(field, platform::db::quoteIdentifier(table)));
    if (!rows) continue;
    for (const QSqlRecord& row : *rows) {
      const auto value = static_cast<float>(row.value(0).toDouble());
      if (QString::number(value, 'g', SingleDigits).toFloat() != value) return true;
    }
  }
  return false;
}

}  // namespace

QString knownRoundTripFault(const QString& databasePath, int modelCode, const QString& tableList) {
  namespace model = instrument::ModelCode;
  platform::db::Database db;
  if (!db.open(databasePath, FaultConnection)) return {};
  if (modelCode == model::N2600BX && blankInTableName(db)) return QStringLiteral("N2600BX project id with a blank");
  if (modelCode == model::LX9100 && nullBeforeValue(db)) return QStringLiteral("LX9100 Null mid-reading");
  if (modelCode == model::LX9100 && valueWithoutNameBesideNamed(db))
    return QStringLiteral("LX9100 channel value without a name");
  if (modelCode != model::T7310) return {};
  if (negativeBin(db)) return QStringLiteral("T7310 negative bin");
  if (measureBeyondSevenDigits(db)) return QStringLiteral("T7310 MEASURE precision");
  if (instrument::listedTables(tableList).size() > RunsWithTables) return QStringLiteral("T7310 runs after the 20th");
  return {};
}

bool skippingKnownFaults() {
  const char* choice = std::getenv("FUZZ_KNOWN_FAULTS");
  return choice == nullptr || std::strcmp(choice, "report") != 0;
}

}  // namespace fuzzing
