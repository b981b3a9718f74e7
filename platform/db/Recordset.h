#pragma once

#include <QList>
#include <QSqlQuery>
#include <QString>
#include <QStringView>
#include <QVariant>
#include <QVariantList>
#include <memory>

#include "platform/db/TableDef.h"

namespace platform::db {

class Database;

// A recordset in the manner of the original engine: opened on a table (all or
// some rows, updatable) or on any SELECT (read-only), it has a current row that
// moves first/next/previous/last, fields read by name (a Null field reads as a
// null QVariant), and rows added with addNew / setValue / update or changed with
// edit / setValue / update.
//
// setValue checks the value against the field as the engine would: a text that
// is too long, a number out of the field's range or a text that is not a
// number for a number field is refused (false) and leaves the field as it was.
// update refuses a Null or duplicate primary key. Single fields keep their
// values at single precision. Every failure returns false and leaves the
// reason in lastError(); nothing throws.
//
// Rows are read when first needed; rows added or changed become visible to
// moves and recordCount() after the next reload, which happens by itself on
// the next move. The database connection must stay open while the recordset
// is used; if it is closed, every call fails.
class Recordset {
 public:
  Recordset();
  ~Recordset();
  Recordset(const Recordset&) = delete;
  Recordset& operator=(const Recordset&) = delete;

  // Opens the table, updatable, rows in primary key order. where is an
  // optional condition in SQL (quoted identifiers, "?" for the values).
  bool openTable(Database& db, const QString& table, const QString& where = QString(),
                 const QVariantList& values = {});
  // Opens any SELECT read-only.
  bool openQuery(Database& db, const QString& sql, const QVariantList& values = {});
  // Closes the recordset; a pending addNew or edit is dropped.
  void close();
  bool isOpen() const;
  bool isUpdatable() const;
  const QString& tableName() const;
  // The fields of the recordset; for a table with their declared types and
  // sizes, for a query as far as the values tell.
  const QList<FieldDef>& fields() const;
  int fieldIndex(QStringView name) const;

  // Navigation over the rows read.
  int recordCount();
  bool bof();
  bool eof();
  bool moveFirst();
  bool moveNext();
  bool movePrevious();
  bool moveLast();

  // The current row's field (a pending addNew or edit shows its own values).
  // A null QVariant for Null, for an unknown field or when there is no row.
  QVariant value(QStringView field) const;
  QVariant value(int fieldIndex) const;
  bool isNull(QStringView field) const;

  bool addNew();
  bool edit();
  bool setValue(QStringView field, const QVariant& value);
  bool setValue(int fieldIndex, const QVariant& value);
  bool update();
  void cancelUpdate();
  bool isEditing() const;

  QString lastError() const;
  // The last failure was the database file's (full disk, input/output error),
  // not the row's.
  bool lastErrorIsStorage() const;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace platform::db
