#include "instrument/ProjectRows.h"

#include <QSqlError>
#include <QSqlRecord>

#include "platform/db/Database.h"
#include "platform/db/SqlIdentifier.h"

namespace instrument {

using platform::db::quoteIdentifier;

bool ProjectRows::open(platform::db::Database& db, const QString& table, const QString& keyField) {
  return openOrdered(db, table, quoteIdentifier(keyField));
}

bool ProjectRows::openMarkedFirst(platform::db::Database& db, const QString& table, const QString& keyField,
                                  const QString& markField) {
  return openOrdered(db, table,
                     QStringLiteral("%1 IS NULL, %2").arg(quoteIdentifier(markField), quoteIdentifier(keyField)));
}

bool ProjectRows::openOrdered(platform::db::Database& db, const QString& table, const QString& order) {
  indexes_.clear();
  error_.clear();
  if (!db.isOpen() || !db.hasTable(table)) {
    error_ = QStringLiteral("table %1 not found").arg(table);
    return false;
  }
  query_ = QSqlQuery(db.connection());
  query_.setForwardOnly(true);
  const QString sql = QStringLiteral("SELECT * FROM %1 ORDER BY %2").arg(quoteIdentifier(table), order);
  if (!query_.exec(sql)) {
    error_ = query_.lastError().text();
    return false;
  }
  return true;
}

bool ProjectRows::next() { return query_.next(); }

QVariant ProjectRows::value(const QString& field) {
  auto found = indexes_.constFind(field);
  if (found == indexes_.constEnd()) found = indexes_.insert(field, query_.record().indexOf(field));
  return *found < 0 ? QVariant() : query_.value(*found);
}

QVariant ProjectRows::firstNonNull(platform::db::Database& db, const QString& table,
                                   const QString& keyField, const QString& field) {
  const QString sql = QStringLiteral("SELECT %1 FROM %2 WHERE %1 IS NOT NULL ORDER BY %3 LIMIT 1")
                          .arg(quoteIdentifier(field), quoteIdentifier(table), quoteIdentifier(keyField));
  const auto rows = db.select(sql);
  if (!rows || rows->isEmpty()) return {};
  return rows->first().value(0);
}

}  // namespace instrument
