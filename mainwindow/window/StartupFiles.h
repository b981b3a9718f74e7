#pragma once

#include <QString>
#include <QStringList>

#include "instrument/DBTablesFile.h"
#include "platform/core/SettingsFile.h"

class QWidget;

namespace platform {
class ProgramFolderLock;
}

namespace mainwindow {

// The program's first step: makes the program folder's folders and claims
// the folder for this start. False when another instance of the program is
// running on it, here or on another computer: the user is told, and this
// start must end before it touches the working files (the other one may be
// replacing them). A folder or lock file that cannot be made or taken over is
// said, and the start goes on without the claim.
bool claimProgramFolder(platform::ProgramFolderLock& lock);

// Before the working database is replaced (a download, a project open): the
// folder's claim is taken again, for a start that could not take it. False,
// with the user told why, while it cannot be held: another instance may be
// working on the same files.
bool holdProgramFolder(platform::ProgramFolderLock& lock, QWidget* parent);

// Removes the temporary files that whole-file writes of the program's own
// files, cut short by an earlier run's end, left beside them. Only while this
// start holds the folder's claim: another run could be writing them.
void removeWriterLeftovers(const platform::ProgramFolderLock& lock);

// Start-up housekeeping of the working database and the table-list file.

// Deletes the table-list file when the working database is missing, so that a
// list of tables that no longer exist is not shown. True when it was deleted.
// Anything but a regular file in its place stays (its read names it).
bool removeStaleTableList();

// What resetEmptyDatabase did; the caller tells the user when done.
struct EmptyDatabaseReset {
  bool done = false;  // the working database is gone
  QString keptAs;     // where it went, when it still held tables
  QString notMovedTo; // where it was to go, when it still held tables but could not be moved
};

// Resets the working database when the table list as read names no tables,
// unless the database is in use (its lock file exists) or the read refused the
// list (its tables are not known to be none), or the database is no regular
// file. One that still holds tables is
// moved aside under a dated name rather than deleted; one that cannot be moved
// with its log stays, and notMovedTo says so.
EmptyDatabaseReset resetEmptyDatabase(const instrument::TableListRead& tableList);

// What to tell the user about the settings files read at start that their
// readers refused (too large, no regular file, unreadable): one text per file,
// naming it and why, in the order company information, table list, COM port
// map; empty when none was. The first two come as their loads found them
// (empty when read or missing); the COM port map is asked of its reader.
QStringList refusedStartupFiles(const QString& companyInfo, const QString& tableList);

}  // namespace mainwindow
