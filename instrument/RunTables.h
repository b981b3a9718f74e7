#pragma once

#include <QString>

namespace platform::db {
class Database;
}

namespace instrument {

// The mark after the shared table of later runs wherever it is named: the
// project tree, the report caption, the run number on both reports.
inline const QString LaterRunsMark = QStringLiteral("+");

// Whether a stiffness run table is the shared table of the later runs, which
// holds run header rows only (each carrying its run number in BIN_NUMBER), as
// against a full run table of a header row and its bins. Decided by the rows,
// never by the table's name or run number: runs numbered from 101 give full
// tables RUN101 to RUN120. An empty or missing table is not header-only.
bool isHeaderOnlyRunTable(platform::db::Database& db, const QString& table);

}  // namespace instrument
