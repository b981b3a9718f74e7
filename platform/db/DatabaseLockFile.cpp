#include "platform/db/DatabaseLockFile.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <map>
#include <memory>

#include "platform/core/LockFileTakeOver.h"

namespace platform::db {
namespace {

const QString LockSuffix = QStringLiteral(".ldb");

// %1: the database; %2: its lock file; %3: the other computer.
const QString InUseHere = QStringLiteral(
    "The working database \"%1\" is in use by another running program of this computer. Close that program, "
    "then try again.");
const QString InUseOnOtherComputer = QStringLiteral(
    "The working database \"%1\" is in use by the program on the computer \"%3\". If that program is no longer "
    "running, delete the file \"%2\" and try again.");
const QString LockLeftOver = QStringLiteral(
    "The lock file \"%2\" of the working database was left behind and could not be removed. Make its folder "
    "writable, or delete that file, then try again.");

struct OpenFile {
  std::set<Database*> connections;
  std::unique_ptr<QLockFile> lock;
};

std::map<QString, OpenFile>& openFiles() {
  static std::map<QString, OpenFile> files;
  return files;
}

QString keyOf(const QString& filePath) { return QDir::cleanPath(QFileInfo(filePath).absoluteFilePath()); }

// Another live program's lock file stays theirs: the connection opens without.
std::unique_ptr<QLockFile> takeLock(const QString& databasePath) {
  auto lock = std::make_unique<QLockFile>(DatabaseLockFile::path(databasePath));
  lock->setStaleLockTime(0);
  if (claimLockFile(*lock).outcome != LockFileClaim::Taken) return nullptr;
  return lock;
}

}  // namespace

QString DatabaseLockFile::path(const QString& databasePath) {
  const QFileInfo info(databasePath);
  return info.dir().filePath(info.completeBaseName() + LockSuffix);
}

DatabaseLockFile::Reading DatabaseLockFile::read(const QString& databasePath) {
  if (!connections(databasePath).empty()) return {Holder::LiveProcess, {}};
  const QString lockPath = path(databasePath);
  if (!QFileInfo::exists(lockPath)) return {Holder::None, {}};
  QLockFile probe(lockPath);
  probe.setStaleLockTime(0);
  const LockFileClaim claim = claimLockFile(probe);
  switch (claim.outcome) {
    case LockFileClaim::Taken: probe.unlock(); return {Holder::None, {}};
    case LockFileClaim::HeldHere: return {Holder::LiveProcess, {}};
    case LockFileClaim::HeldOnOtherComputer: return {Holder::OtherComputer, claim.computer};
    default: return {Holder::LeftOver, {}};
  }
}

bool DatabaseLockFile::isLocked(const QString& databasePath) { return read(databasePath).holder != Holder::None; }

QString DatabaseLockFile::inUse(const QString& databasePath) {
  const Reading reading = read(databasePath);
  const QString database = QDir::toNativeSeparators(databasePath);
  const QString lock = QDir::toNativeSeparators(path(databasePath));
  switch (reading.holder) {
    case Holder::None: return {};
    case Holder::LiveProcess: return InUseHere.arg(database, lock);
    case Holder::OtherComputer: return InUseOnOtherComputer.arg(database, lock, reading.computer);
    case Holder::LeftOver: return LockLeftOver.arg(database, lock);
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
