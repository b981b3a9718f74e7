#include "platform/db/DatabaseLockFile.h"

#include <QDir>
#include <QFileInfo>
#include <map>
#include <memory>

#include "platform/core/LockFile.h"

namespace platform::db {
namespace {

const QString LockSuffix = QStringLiteral(".ldb");

// %1: the database.
const QString OpenHere = QStringLiteral(
    "The working database \"%1\" is still open in this program. Try again once what uses it is done.");
const QString InUseHere = QStringLiteral(
    "The working database \"%1\" is in use by another running program of this computer. Close that program, "
    "then try again.");
// %1: the database; %2: its lock file; %3: the other computer.
const QString InUseOnOtherComputer = QStringLiteral(
    "The working database \"%1\" is in use by the program on the computer \"%3\". If that program is no longer "
    "running, delete the file \"%2\" and try again.");
// %1: the lock file.
const QString NotAFile = QStringLiteral(
    "\"%1\" is in the place of the working database's lock file but is no file. Move or delete it, then try "
    "again.");
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

QString native(const QString& path) { return QDir::toNativeSeparators(path); }

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

// Why the lock file stands in the way, naming it.
QString inTheWay(const LockFileClaim& claim, const QString& lock) {
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
  if (!QFileInfo::exists(lockPath)) return {Holder::None, {}};
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
    case Holder::OtherComputer: return InUseOnOtherComputer.arg(database, lock, reading.claim.computer);
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
