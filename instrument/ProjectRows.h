#pragma once

#include <QHash>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

namespace platform::db {
class Database;
}

namespace instrument {

// The rows of one table read forward once, in the order of its key field, for
// the project-file writer. Fields are read by name, without regard to case; a
// Null or unknown field reads as a null QVariant.
class ProjectRows {
 public:
  // False when the table cannot be read (it does not exist, the query fails);
  // error() says why.
  bool open(platform::db::Database& db, const QString& table, const QString& keyField);
  // As open, but the rows whose markField is not Null come first, each group
  // in key order: a row that a field marks (a run's header row) is found by
  // that mark, never by where its key happens to sort.
  bool openMarkedFirst(platform::db::Database& db, const QString& table, const QString& keyField,
                       const QString& markField);
  // Moves to the next row; false after the last one.
  bool next();
  QVariant value(const QString& field);
  bool isNull(const QString& field) { return value(field).isNull(); }

  // The first value of a field that is not Null, in key order (Null when none).
  static QVariant firstNonNull(platform::db::Database& db, const QString& table,
                               const QString& keyField, const QString& field);

  const QString& error() const { return error_; }

 private:
  bool openOrdered(platform::db::Database& db, const QString& table, const QString& order);

  QSqlQuery query_;
  QHash<QString, int> indexes_;
  QString error_;
};

}  // namespace instrument
