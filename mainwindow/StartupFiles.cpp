#include "mainwindow/StartupFiles.h"

#include <QFile>

#include "platform/core/ProgramFiles.h"
#include "platform/core/ProgramFolder.h"
#include "platform/core/SettingsFile.h"
#include "platform/db/Database.h"

namespace mainwindow {
namespace {

QString databasePath() { return platform::ProgramFolder::path(platform::ProgramFiles::Database); }

bool tooLarge(const QString& relative) {
  return platform::readSettingsFile(platform::ProgramFolder::path(relative)).outcome ==
         platform::SettingsFile::TooLarge;
}

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
  if (tooLarge(platform::ProgramFiles::TableList)) return false;
  return platform::db::Database::removeFile(database);
}

QStringList oversizedStartupFiles() {
  using namespace platform::ProgramFiles;
  QStringList messages;
  for (const QString& relative : {CompanyInfo, TableList, ComPortMap})
    if (tooLarge(relative)) messages.append(platform::settingsFileTooLarge(platform::ProgramFolder::path(relative)));
  return messages;
}

}  // namespace mainwindow
