#include "platform/db/DatabaseLockFile.h"

#include <QDir>
#include <QFileInfo>
#include <map>
#include <memory>

#include "platform/core/LockFile.h"
#include "platform/core/LockFileText.h"
#include "platform/core/StaleLockAdvice.h"

namespace platform::db {
namespace {

const QString LockSuffix = QStringLiteral(".ldb");

// %1: the database.
const QString OpenHere = QStringLiteral(
    "The working database \"%1\" is still open in this program. Try again once what uses it is done.");
const QString InUseHere = QStringLiteral(
    "The working database \"%1\" is in use by another running program of this computer. Close that program, "
    "then try again.");
// %1: the database; %2: the other computer.
const QString InUseOnOtherComputer =
    QStringLiteral("The working database \"%1\" is in use by the program on the computer \"%2\".");
const QString InUseOnComputerOfSameName = QStringLiteral(
    "The working database \"%1\" is in use by the program on another computer of the same name, \"%2\".");
// What follows the deletion of a lock file whose program no longer runs.
const QString TryAgain = QStringLiteral("try again");
// %1: the lock file.
const QString NotAFile = QStringLiteral(
    "\"%1\" is in the place of the working database's lock file but is no file. Move or delete it, then try "
    "again.");
// %1: what is in the lock file's place; %2: the account whose it is.
const QString NotAFileOfOtherAccount = QStringLiteral(
    "\"%1\" is in the place of the working database's lock file but is no file, and this account may not move or "
    "delete it: the account \"%2\" or an administrator must, then try again.");
// %1: what is in the lock file's place.
const QString NotAFileInReadOnlyFolder = QStringLiteral(
    "\"%1\" is in the place of the working database's lock file but is no file, and cannot be moved or deleted "
    "while its folder is read-only: make the folder writable, move or delete it, then try again.");
const QString Unreadable = QStringLiteral(
    "The lock file \"%1\" of the working database cannot be read: if no other program is using the working "
    "database, delete that file, then try again.");
// %1: the lock file; %2: why.
const QString NotMade = QStringLiteral(
    "The lock file \"%1\" of the working database could not be made: %2. Make its folder writable and give its "
    "disk room, then try again.");
const QString NotTakenOver = QStringLiteral(
    "The lock file \"%1\" of the working database, which no running program holds, could not be taken over: %2. "
    "Delete that file, then try again.");
const QString NotLocked =
    QStringLiteral("The lock file \"%1\" of the working database could not be locked: %2.");
// %1: the lock file; %2: the account whose file it is.
const QString OtherAccountsLock = QStringLiteral(
    "The lock file \"%1\" of the working database, left by the account \"%2\", could not be taken over, and this "
    "account may not delete it: if no other program is using the working database, the account \"%2\" or an "
    "administrator must delete that file, then try again.");
// %1: the lock file.
const QString LockInReadOnlyFolder = QStringLiteral(
    "The lock file \"%1\" of the working database could not be taken over, and cannot be deleted while its folder "
    "is read-only: make the folder writable, then try again.");

QString native(const QString& path) { return QDir::toNativeSeparators(path); }

// Another computer's holder, or one of another computer named as this one,
// and what to do if it no longer runs.
QString otherComputerHolds(const LockFileClaim& claim, const QString& database, const QString& lock) {
  const QString& holder = isThisComputersName(claim.computer) ? InUseOnComputerOfSameName : InUseOnOtherComputer;
  return holder.arg(database, claim.computer) + QLatin1Char(' ') + ifNoLongerRunning(lock, claim.remover, TryAgain);
}

struct OpenFile {
  std::set<Database*> connections;
  std::unique_ptr<LockFile> lock;
};

std::map<QString, OpenFile>& openFiles() {
  static std::map<QString, OpenFile> files;
  return files;
}

QString keyOf(const QString& filePath) { return QDir::cleanPath(QFileInfo(filePath).absoluteFilePath()); }

// Another live program's lock file stays theirs: the connection opens without.
std::unique_ptr<LockFile> takeLock(const QString& databasePath) {
  auto lock = std::make_unique<LockFile>(DatabaseLockFile::path(databasePath));
  if (lock->claim().outcome != LockFileClaim::Taken) return nullptr;
  return lock;
}

DatabaseLockFile::Holder holderOf(const LockFileClaim& claim) {
  using Holder = DatabaseLockFile::Holder;
  switch (claim.outcome) {
    case LockFileClaim::Taken: return Holder::None;
    case LockFileClaim::HeldHere: return Holder::LiveProcess;
    case LockFileClaim::HeldOnOtherComputer: return Holder::OtherComputer;
    default: return Holder::InTheWay;
  }
}

// What is in the way that this account may not delete: who may.
QString notToBeDeletedHere(const LockFileClaim& claim, const QString& lock) {
  const bool owned = claim.remover.who == FileRemover::OwningAccount;
  if (claim.outcome == LockFileClaim::NotAFile)
    return owned ? NotAFileOfOtherAccount.arg(lock, claim.remover.owner) : NotAFileInReadOnlyFolder.arg(lock);
  return owned ? OtherAccountsLock.arg(lock, claim.remover.owner) : LockInReadOnlyFolder.arg(lock);
}

// Why the lock file stands in the way, naming it.
QString inTheWay(const LockFileClaim& claim, const QString& lock) {
  if (isInTheWay(claim) && claim.remover.who != FileRemover::ThisAccount) return notToBeDeletedHere(claim, lock);
  switch (claim.outcome) {
    case LockFileClaim::NotAFile: return NotAFile.arg(lock);
    case LockFileClaim::Unreadable: return Unreadable.arg(lock);
    case LockFileClaim::NotTakenOver: return NotTakenOver.arg(lock, claim.why);
    case LockFileClaim::NotLocked: return NotLocked.arg(lock, claim.why);
    default: return NotMade.arg(lock, claim.why);
  }
}

}  // namespace

QString DatabaseLockFile::path(const QString& databasePath) {
  const QFileInfo info(databasePath);
  return info.dir().filePath(info.completeBaseName() + LockSuffix);
}

DatabaseLockFile::Reading DatabaseLockFile::read(const QString& databasePath) {
  if (!connections(databasePath).empty()) return {Holder::ThisProcess, {}};
  const QString lockPath = path(databasePath);
  // A link in its place, dangling or not, is in the way as a folder is.
  if (const QFileInfo lock(lockPath); !lock.exists() && !lock.isSymLink()) return {Holder::None, {}};
  LockFile probe(lockPath);
  const LockFileClaim claim = probe.claim();
  return {holderOf(claim), claim};
}

bool DatabaseLockFile::isLocked(const QString& databasePath) { return read(databasePath).holder != Holder::None; }

QString DatabaseLockFile::inUse(const QString& databasePath) { return refusal(read(databasePath), databasePath); }

QString DatabaseLockFile::refusal(const Reading& reading, const QString& databasePath) {
  const QString database = native(databasePath);
  const QString lock = native(path(databasePath));
  switch (reading.holder) {
    case Holder::None: return {};
    case Holder::ThisProcess: return OpenHere.arg(database);
    case Holder::LiveProcess: return InUseHere.arg(database);
    case Holder::OtherComputer: return otherComputerHolds(reading.claim, database, lock);
    case Holder::InTheWay: return inTheWay(reading.claim, lock);
  }
  return {};
}

void DatabaseLockFile::opened(Database* db, const QString& databasePath) {
  OpenFile& file = openFiles()[keyOf(databasePath)];
  if (file.connections.empty()) file.lock = takeLock(databasePath);
  file.connections.insert(db);
}

void DatabaseLockFile::closed(Database* db, const QString& databasePath) {
  auto it = openFiles().find(keyOf(databasePath));
  if (it == openFiles().end()) return;
  it->second.connections.erase(db);
  if (it->second.connections.empty()) openFiles().erase(it);  // releases the lock file
}

std::set<Database*> DatabaseLockFile::connections(const QString& databasePath) {
  const auto it = openFiles().find(keyOf(databasePath));
  return it == openFiles().end() ? std::set<Database*>() : it->second.connections;
}

bool DatabaseLockFile::openElsewhere(const Database* db, const QString& databasePath) {
  for (const Database* other : connections(databasePath))
    if (other != db) return true;
  return false;
}

}  // namespace platform::db
