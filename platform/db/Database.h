#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlError>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <optional>

#include "platform/db/TableDef.h"

namespace platform::db {

// One connection to a database file (SQLite through Qt Sql).
//
// Connection names: every Database object owns exactly one Qt Sql connection.
// open(path) without a name gives it a unique generated name of the form
// "korvis-db-<n>"; open(path, name) uses the given name (for instance the main
// window's read connection "korvis-view"), so that a QSqlQueryModel can be set
// on connection() or on QSqlDatabase::database(name). A name is in use from
// open() until the object is destroyed; opening a second object under a name
// that is already in use fails.
//
// While at least one connection of this process to a file is open, the lock
// file beside it (same name, suffix ".ldb") exists (DatabaseLockFile). closeAllConnections() and
// removeFile() close every connection of the process to a file first, so that
// the file is never deleted under an open connection; queries and recordsets on
// a closed connection become invalid and report failure.
//
// Table names and text comparison are case-insensitive. Writes of table rows go
// through Recordset, which enforces field types, sizes and keys.
class Database {
 public:
  Database();
  ~Database();
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  // Opens (creating it when missing) the database file. False on failure;
  // lastError() says why. An open object is closed first.
  bool open(const QString& filePath, const QString& connectionName = QString());
  // Opens an existing database file for reading only, so that reading it needs
  // no room on its disk: nothing is written to the file or beside it (while
  // its write-ahead log holds nothing and no other connection of the process
  // has the file open, not even the shared-memory index).
  // False, with lastError() saying why, when the file is missing or its tables
  // cannot be read.
  bool openForReading(const QString& filePath);
  // Closes the connection; an open transaction is committed. Closing what is
  // not open does nothing.
  void close();
  bool isOpen() const;

  const QString& filePath() const { return filePath_; }
  const QString& connectionName() const { return connectionName_; }
  QSqlDatabase connection() const;
  QString lastError() const { return lastError_; }
  // Whether the last failure was the file's rather than the statement's: a
  // full disk, an input/output error, a file that cannot be written. Work
  // that stores data cannot go on after one.
  bool lastErrorIsStorage() const { return storageError_; }

  // Schema.
  QStringList tableNames() const;
  bool hasTable(const QString& table) const;
  std::optional<TableDef> tableDef(const QString& table) const;
  // Creates the table with its fields and primary index. Fails (and creates
  // nothing) for an invalid table or field name, a key field that is not one
  // of the fields, a Text size out of range, or a table that already exists.
  bool createTable(const TableDef& table);
  bool dropTable(const QString& table);

  // Transactions. commit() and rollback() without an open transaction are
  // harmless and return true.
  bool beginTransaction();
  bool commit();
  bool rollback();
  bool inTransaction() const { return inTransaction_; }

  // Runs one statement with positional values bound to its "?" placeholders.
  // Returns the executed query (positioned before its first row), or nothing
  // on failure. Identifiers in sql must come from quoteIdentifier().
  std::optional<QSqlQuery> exec(const QString& sql, const QVariantList& values = {}) const;
  // Runs a SELECT and returns all its rows; a Null field reads as a null
  // QVariant.
  std::optional<QList<QSqlRecord>> select(const QString& sql, const QVariantList& values = {}) const;

  // Closes every open connection of this process to the file.
  static void closeAllConnections(const QString& filePath);
  // Closes every connection to the file, then deletes it with its journal.
  // True when the file is gone afterwards.
  static bool removeFile(const QString& filePath);
  // Closes every connection to the file, then renames it with its write-ahead
  // log, which may still hold committed rows; the index beside them is rebuilt
  // from the log when needed. True when both were renamed; when the log
  // cannot be, the file keeps its name and nothing is moved.
  static bool renameFile(const QString& filePath, const QString& newPath);
  // Puts everything committed to the file on the disk: its write-ahead log is
  // copied into it with full syncs, then the file and its folder are synced
  // (commits themselves do not wait for the disk). A read still open keeps
  // part of the log from being copied; the log is synced then, and what it
  // holds is just as safe. True when that is done, or when there is no such
  // file.
  static bool syncToDisk(const QString& filePath);

 private:
  friend class Recordset;
  void setError(const QString& text) const {
    lastError_ = text;
    storageError_ = false;
  }
  void setError(const QSqlError& error) const;
  bool openConnection(const QString& filePath, const QString& connectionName, const QString& options,
                      const QString& databaseName);

  QString filePath_;
  quint64 openSerial_ = 0;  // changes at every open and close, so recordsets notice
  bool open_ = false;
  QString connectionName_;
  bool inTransaction_ = false;
  mutable QString lastError_;
  mutable bool storageError_ = false;
};

}  // namespace platform::db
