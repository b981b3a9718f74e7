#pragma once

#include <QString>

namespace platform::db {
class Database;
class Recordset;
}  // namespace platform::db

namespace report {

// The table a report reads: a density gauge's project id names the table "P"
// followed by the id; the other models name their table directly.
QString reportTableName(const QString& table, int Model);

// Opens the rows a report column shows: every row of a load-frame test or a
// stiffness run, the readings (RDNUM above 0) of one sample type of a density
// project. The names are quoted and the sample type bound, so a table name or
// letter is never read as SQL. False when the table cannot be opened.
bool openColumnRecords(platform::db::Recordset& records, platform::db::Database& db, const QString& table,
                       const QString& SA, int Model);

// Opens the rows whose first record the header shows, as the data view's
// header grid does: every row of the table, but for an N2600A project, which
// repeats its standards in every reading, the readings of the sample type SA.
bool openHeaderRecords(platform::db::Recordset& records, platform::db::Database& db, const QString& table,
                       const QString& SA, int Model);

// Moves to the first or the next record; false when there is none.
bool firstRecord(platform::db::Recordset& records);
bool nextRecord(platform::db::Recordset& records);

}  // namespace report
