#pragma once

#include <QString>

namespace mainwindow {

// Start-up housekeeping of the working database and the table-list file.

// Deletes the table-list file when the working database is missing, so that a
// list of tables that no longer exist is not shown. True when it was deleted.
bool removeStaleTableList();

// Deletes a working database that holds no tables (empty table list) unless
// it is in use (its lock file exists). True when it was deleted; the caller
// then tells the user.
bool resetEmptyDatabase(const QString& Tables_Created);

}  // namespace mainwindow
