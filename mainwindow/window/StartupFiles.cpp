#include "mainwindow/window/StartupFiles.h"

#include <QDir>
#include <QFile>

#include "mainwindow/ProgramInfo.h"
#include "platform/core/ProgramFiles.h"
#include "platform/core/ProgramFolder.h"
#include "platform/core/ProgramFolderLock.h"
#include "platform/core/SettingsFile.h"
#include "platform/db/Database.h"
#include "platform/ui/Dialogs.h"

namespace mainwindow {
namespace {

using platform::ProgramFolderLock;

const QString AlreadyRunning = QStringLiteral(
    "The program is already running on the folder \"%1\". Use the window that is open, or close it before "
    "starting the program again.");

QString databasePath() { return platform::ProgramFolder::path(platform::ProgramFiles::Database); }

bool tooLarge(const QString& relative) {
  return platform::readSettingsFile(platform::ProgramFolder::path(relative)).outcome ==
         platform::SettingsFile::TooLarge;
}

void warn(const QString& text) {
  platform::ui::Dialogs::message(
      {nullptr, text, ProgramTitle, platform::ui::MessageButtons::Ok, platform::ui::MessageIcon::Warning});
}

}  // namespace

bool claimProgramFolder(ProgramFolderLock& lock) {
  QString problem;
  const bool foldersMade = platform::ProgramFolder::makeFolders(&problem);
  if (!foldersMade) warn(problem);
  switch (lock.take()) {
    case ProgramFolderLock::Claim::Taken: return true;
    case ProgramFolderLock::Claim::HeldElsewhere:
      warn(AlreadyRunning.arg(QDir::toNativeSeparators(platform::ProgramFolder::root())));
      return false;
    case ProgramFolderLock::Claim::NotPossible:
      // Without its folder the lock file cannot be made either: said once.
      if (foldersMade) warn(lock.problem());
      return true;
  }
  return true;
}

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
