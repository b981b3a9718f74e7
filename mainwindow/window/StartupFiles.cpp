#include "mainwindow/window/StartupFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "instrument/DBTablesFile.h"
#include "mainwindow/ProgramInfo.h"
#include "platform/core/LockFileText.h"
#include "platform/core/ProgramFiles.h"
#include "platform/core/ProgramFolder.h"
#include "platform/core/ProgramFolderLock.h"
#include "platform/core/SettingsFile.h"
#include "platform/core/StaleLockAdvice.h"
#include "platform/core/WholeFile.h"
#include "platform/db/Database.h"
#include "platform/db/DatabaseLockFile.h"
#include "platform/serial/ComPortMap.h"
#include "platform/ui/Dialogs.h"

namespace mainwindow {
namespace {

using platform::ProgramFolderLock;

const QString AlreadyRunning = QStringLiteral(
    "The program is already running on the folder \"%1\". Use the window that is open, or close it before "
    "starting the program again.");
// %1: the program folder; %2: the other computer.
const QString RunningOnOtherComputer =
    QStringLiteral("The program on the computer \"%2\" is using the folder \"%1\".");
const QString RunningOnComputerOfSameName =
    QStringLiteral("The program on another computer of the same name, \"%2\", is using the folder \"%1\".");
// What follows the deletion of a lock file whose program no longer runs.
const QString StartAgain = QStringLiteral("start the program again");
const QString AlsoRunningHere = QStringLiteral(
    "The program is also running on the folder \"%1\" in another window. Use that window, or close it and try "
    "again.");
const QString NotReplaced = QStringLiteral("The working database was not replaced. ");

QString databasePath() { return platform::ProgramFolder::path(platform::ProgramFiles::Database); }

// Whether the file is a database with at least one table. One that cannot
// be read as a database holds none that the program could show.
bool holdsTables(const QString& database) {
  platform::db::Database db;
  return db.openForReading(database) && !db.tableNames().isEmpty();
}

// The name a file moved aside now goes under, beside it:
// "KORVIS 2026-12-10 14.03.07.qvd".
QString datedName(const QString& file) {
  const QFileInfo info(file);
  const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh.mm.ss"));
  return info.dir().filePath(info.completeBaseName() + QLatin1Char(' ') + stamp + QLatin1Char('.') + info.suffix());
}

void warn(const QString& text, QWidget* parent = nullptr) {
  platform::ui::Dialogs::message(
      {parent, text, ProgramTitle, platform::ui::MessageButtons::Ok, platform::ui::MessageIcon::Warning});
}

QString programFolder() { return QDir::toNativeSeparators(platform::ProgramFolder::root()); }

QString otherComputerHolds(const ProgramFolderLock& lock) {
  const QString& holder =
      platform::isThisComputersName(lock.holderComputer()) ? RunningOnComputerOfSameName : RunningOnOtherComputer;
  return holder.arg(programFolder(), lock.holderComputer()) + QLatin1Char(' ') +
         platform::ifNoLongerRunning(lock.lockFilePath(), lock.lockFileRemover(), StartAgain);
}

}  // namespace

bool claimProgramFolder(ProgramFolderLock& lock) {
  QString problem;
  const bool foldersMade = platform::ProgramFolder::makeFolders(&problem);
  if (!foldersMade) warn(problem);
  switch (lock.take()) {
    case ProgramFolderLock::Claim::Taken: return true;
    case ProgramFolderLock::Claim::HeldElsewhere:
      warn(AlreadyRunning.arg(programFolder()));
      return false;
    case ProgramFolderLock::Claim::HeldOnOtherComputer:
      warn(otherComputerHolds(lock));
      return false;
    case ProgramFolderLock::Claim::NotPossible:
      // Without its folder the lock file cannot be made either: said once.
      if (foldersMade) warn(lock.problem());
      return true;
  }
  return true;
}

bool holdProgramFolder(ProgramFolderLock& lock, QWidget* parent) {
  switch (lock.take()) {
    case ProgramFolderLock::Claim::Taken: return true;
    case ProgramFolderLock::Claim::HeldElsewhere:
      warn(NotReplaced + AlsoRunningHere.arg(programFolder()), parent);
      return false;
    case ProgramFolderLock::Claim::HeldOnOtherComputer:
      warn(NotReplaced + otherComputerHolds(lock), parent);
      return false;
    case ProgramFolderLock::Claim::NotPossible:
      warn(NotReplaced + lock.problem(), parent);
      return false;
  }
  return false;
}

void removeWriterLeftovers(const ProgramFolderLock& lock) {
  if (!lock.held()) return;
  for (const QString& file : platform::ProgramFiles::WrittenWhole)
    platform::removeWholeFileLeftovers(platform::ProgramFolder::path(file));
}

bool removeStaleTableList() {
  const QString tableList = platform::ProgramFolder::path(platform::ProgramFiles::TableList);
  // Only a regular file (or a link to one) is the program's to remove.
  if (QFile::exists(databasePath()) || !QFileInfo(tableList).isFile()) return false;
  return QFile::remove(tableList);
}

EmptyDatabaseReset resetEmptyDatabase(const instrument::TableListRead& tableList) {
  const QString database = databasePath();
  if (!tableList.list.isEmpty() || !QFileInfo(database).isFile()) return {};
  if (platform::db::DatabaseLockFile::isLocked(database)) return {};
  if (platform::settingsFileRefused(tableList.outcome)) return {};
  if (!holdsTables(database)) return {platform::db::Database::removeFile(database), {}, {}};
  const QString keptAs = datedName(database);
  if (!platform::db::Database::renameFile(database, keptAs)) return {false, {}, keptAs};
  return {true, keptAs, {}};
}

QStringList refusedStartupFiles(const QString& companyInfo, const QString& tableList) {
  QStringList messages;
  for (const QString& refusal : {companyInfo, tableList, platform::ComPortMap::readFile().refusal})
    if (!refusal.isEmpty()) messages.append(refusal);
  return messages;
}

}  // namespace mainwindow
