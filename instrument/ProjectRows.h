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
  // Moves to the next row; false after the last one.
  bool next();
  QVariant value(const QString& field);
  bool isNull(const QString& field) { return value(field).isNull(); }

  // The first value of a field that is not Null, in key order (Null when none).
  static QVariant firstNonNull(platform::db::Database& db, const QString& table,
                               const QString& keyField, const QString& field);

  const QString& error() const { return error_; }

 private:
  QSqlQuery query_;
  QHash<QString, int> indexes_;
  QString error_;
};

}  // namespace instrument
