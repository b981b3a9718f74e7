#include "instrument/WorkingDatabaseBackup.h"

#include <QFile>

#include "platform/core/ProgramFiles.h"
#include "platform/core/ProgramFolder.h"
#include "platform/db/Database.h"

namespace instrument {
namespace {

using platform::ProgramFiles::Database;
using platform::ProgramFiles::DatabaseBackup;
using platform::ProgramFiles::TableList;
using platform::ProgramFiles::TableListBackup;

QString pathOf(const QString& relative) { return platform::ProgramFolder::path(relative); }

// Copies file to copy when file exists; a stale copy goes first.
bool keep(const QString& file, const QString& copy, bool& existed) {
  QFile::remove(copy);
  existed = QFile::exists(file);
  return !existed || QFile::copy(file, copy);
}

}  // namespace

WorkingDatabaseBackup::~WorkingDatabaseBackup() { discard(); }

bool WorkingDatabaseBackup::take() {
  discard();
  // A copy of an open database could miss what its journal still holds.
  platform::db::Database::closeAllConnections(pathOf(Database));
  taken_ = keep(pathOf(Database), pathOf(DatabaseBackup), hadDatabase_) &&
           keep(pathOf(TableList), pathOf(TableListBackup), hadTableList_);
  if (!taken_) discard();
  return taken_;
}

bool WorkingDatabaseBackup::restore() {
  if (!taken_) return false;
  // The half-built database goes with every connection to it.
  const bool databaseBack = platform::db::Database::removeFile(pathOf(Database)) &&
                            restoreFile(pathOf(Database), pathOf(DatabaseBackup), hadDatabase_);
  const bool listBack = restoreFile(pathOf(TableList), pathOf(TableListBackup), hadTableList_);
  discard();
  return databaseBack && listBack;
}

bool WorkingDatabaseBackup::restoreFile(const QString& file, const QString& copy, bool existed) {
  if (QFile::exists(file) && !QFile::remove(file)) return false;
  if (!existed) return true;
  return QFile::rename(copy, file);
}

void WorkingDatabaseBackup::discard() {
  if (taken_) {
    QFile::remove(pathOf(DatabaseBackup));
    QFile::remove(pathOf(TableListBackup));
  }
  taken_ = false;
}

}  // namespace instrument
