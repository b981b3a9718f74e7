#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

namespace fuzzing {

// Every table of a database by upper-case name, each a list of its rows in
// key order, each row its fields as "<null>" or type and text joined by "|".
using TableSnapshot = QMap<QString, QStringList>;

// Checks of the working database after a parser or a replay has run. Each
// returns a description of what is wrong, or an empty text when all is well.

// What PRAGMA integrity_check reports, when it is not "ok".
QString integrityProblem(const QString& databasePath);
// The names of a table list whose table is not in the database.
QString missingListedTables(const QString& databasePath, int modelCode, const QString& tableList);
// Where two snapshots differ: a table only in one, a row count, a row.
QString snapshotDifference(const TableSnapshot& before, const TableSnapshot& after);
// Whether two table lists name the same tables; an N2600A list is compared as
// a set, since a reopened file lists its projects by first appearance.
QString tableListDifference(int modelCode, const QString& before, const QString& after);

// Every table that holds rows, by upper-case name, with its rows.
TableSnapshot snapshotOf(const QString& databasePath);

}  // namespace fuzzing
