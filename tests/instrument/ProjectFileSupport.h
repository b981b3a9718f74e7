#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariantList>

namespace platform::db {
class Database;
}

// Helpers of the project-file tests: printouts fed into the working database,
// snapshots of what it holds, rows written directly.
namespace projecttest {

// Initit, then every byte the project-file reader passes (32 to 90, CR and
// 253) to the parser of the model; an N2600BX printout ends at its first 89.
// Returns the parser's table list; damaged, when given, tells whether the
// parser refused any of it.
QString parsePrintout(int model, const QByteArray& printout, bool* damaged = nullptr);

// Every row of a table in key order, each field as "<null>" or its value's
// type and text, joined by "|".
QStringList tableRows(platform::db::Database& db, const QString& table);
// All tables of the working database by upper-case name.
QMap<QString, QStringList> snapshot();

// Recreates the working database and defines the tables of one layout.
void createTables(int device_type, const QStringList& tables);
// Adds one row to a table of the working database; values by field name.
void addRow(const QString& table, const QVariantMap& values);

// The whole file as bytes.
QByteArray fileBytes(const QString& path);
void writeFile(const QString& path, const QByteArray& bytes);

}  // namespace projecttest
