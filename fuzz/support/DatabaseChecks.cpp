#include "fuzz/support/DatabaseChecks.h"

#include <QSet>
#include <QSqlRecord>

#include "instrument/DeviceType.h"
#include "instrument/ProjectTableList.h"
#include "platform/db/Database.h"
#include "platform/db/SqlIdentifier.h"

namespace fuzzing {
namespace {

const QString CheckConnection = QStringLiteral("fuzz_checks");

QString fieldText(const QVariant& value) {
  return value.isNull() ? QStringLiteral("<null>")
                        : QString::fromLatin1(value.typeName()) + QLatin1Char(':') + value.toString();
}

QStringList rowsOf(const platform::db::Database& db, const QString& table) {
  const auto definition = db.tableDef(table);
  const QString order = definition && definition->hasPrimaryIndex()
                            ? QStringLiteral(" ORDER BY ") + platform::db::quoteIdentifier(definition->primaryKeyField())
                            : QString();
  const auto records = db.select(QStringLiteral("SELECT * FROM ") + platform::db::quoteIdentifier(table) + order);
  if (!records) return {QStringLiteral("<unreadable: %1>").arg(db.lastError())};
  QStringList rows;
  for (const QSqlRecord& record : *records) {
    QStringList fields;
    for (int i = 0; i < record.count(); ++i) fields.append(fieldText(record.value(i)));
    rows.append(fields.join(QLatin1Char('|')));
  }
  return rows;
}

bool densityGauge(int modelCode) {
  return modelCode == instrument::ModelCode::N2600A || modelCode == instrument::ModelCode::N2600BX;
}

}  // namespace

QString integrityProblem(const QString& databasePath) {
  platform::db::Database db;
  if (!db.open(databasePath, CheckConnection)) return QStringLiteral("does not open: ") + db.lastError();
  const auto rows = db.select(QStringLiteral("PRAGMA integrity_check"));
  if (!rows || rows->isEmpty()) return QStringLiteral("integrity_check failed: ") + db.lastError();
  const QString first = rows->first().value(0).toString();
  return first == QLatin1String("ok") ? QString() : first;
}

QString missingListedTables(const QString& databasePath, int modelCode, const QString& tableList) {
  platform::db::Database db;
  if (!db.open(databasePath, CheckConnection)) return QStringLiteral("does not open: ") + db.lastError();
  QStringList missing;
  for (const QString& name : instrument::listedTables(tableList)) {
    const QString table = densityGauge(modelCode) ? instrument::projectTable(name) : instrument::listedTable(name);
    if (!db.hasTable(table)) missing.append(name);
  }
  return missing.join(QLatin1Char(' '));
}

TableSnapshot snapshotOf(const QString& databasePath) {
  platform::db::Database db;
  TableSnapshot tables;
  if (!db.open(databasePath, CheckConnection)) return tables;
  // An empty table holds nothing a project file could give back; one that is
  // listed and goes missing changes the table list, which is compared too.
  for (const QString& table : db.tableNames())
    if (QStringList rows = rowsOf(db, table); !rows.isEmpty()) tables.insert(table.toUpper(), rows);
  return tables;
}

QString snapshotDifference(const TableSnapshot& before, const TableSnapshot& after) {
  if (before.keys() != after.keys())
    return QStringLiteral("tables %1 became %2").arg(before.keys().join(QLatin1Char(' ')), after.keys().join(QLatin1Char(' ')));
  for (auto it = before.begin(); it != before.end(); ++it) {
    const QStringList& rows = after[it.key()];
    if (rows.size() != it.value().size())
      return QStringLiteral("%1: %2 rows became %3").arg(it.key()).arg(it.value().size()).arg(rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i)
      if (rows[i] != it.value()[i])
        return QStringLiteral("%1 row %2: %3 became %4").arg(it.key()).arg(i).arg(it.value()[i], rows[i]);
  }
  return {};
}

QString tableListDifference(int modelCode, const QString& before, const QString& after) {
  const QStringList a = instrument::listedTables(before), b = instrument::listedTables(after);
  const bool same = modelCode == instrument::ModelCode::N2600A
                        ? QSet<QString>(a.begin(), a.end()) == QSet<QString>(b.begin(), b.end())
                        : before == after;
  return same ? QString() : QStringLiteral("table list \"%1\" became \"%2\"").arg(before, after);
}

}  // namespace fuzzing
