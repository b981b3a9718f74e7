#include "mainwindow/StartupFiles.h"

#include <QFile>

#include "platform/core/ProgramFiles.h"
#include "platform/core/ProgramFolder.h"
#include "platform/db/Database.h"

namespace mainwindow {
namespace {

QString databasePath() { return platform::ProgramFolder::path(platform::ProgramFiles::Database); }

}  // namespace

bool removeStaleTableList() {
  const QString tableList = platform::ProgramFolder::path(platform::ProgramFiles::TableList);
  if (QFile::exists(databasePath()) || !QFile::exists(tableList)) return false;
  return QFile::remove(tableList);
}

bool resetEmptyDatabase(const QString& Tables_Created) {
  const QString database = databasePath();
  if (!Tables_Created.isEmpty() || !QFile::exists(database)) return false;
  if (platform::db::Database::isLocked(database)) return false;
  return platform::db::Database::removeFile(database);
}

}  // namespace mainwindow
