#pragma once

#include <QString>
#include <QStringList>

namespace mainwindow {

// Start-up housekeeping of the working database and the table-list file.

// Deletes the table-list file when the working database is missing, so that a
// list of tables that no longer exist is not shown. True when it was deleted.
bool removeStaleTableList();

// Deletes a working database that holds no tables (empty table list) unless
// it is in use (its lock file exists) or its table list was refused as too
// large (its tables are not known to be none). True when it was deleted; the
// caller then tells the user.
bool resetEmptyDatabase(const QString& Tables_Created);

// What to tell the user about the settings files read at start (company
// information, table list, COM port map) that were too large to be read: one
// text per file, empty when all were read.
QStringList oversizedStartupFiles();

}  // namespace mainwindow
