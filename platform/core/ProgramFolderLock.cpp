#include "platform/core/ProgramFolderLock.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStorageInfo>

#include "platform/core/LockFileTakeOver.h"
#include "platform/core/ProgramFiles.h"
#include "platform/core/ProgramFolder.h"

namespace platform {
namespace {

// %1: the lock file; %2: why.
const QString NotMade = QStringLiteral(
    "The lock file \"%1\" could not be made: %2. Downloads and project opens are refused until it can be made.");
const QString NotTakenOver = QStringLiteral(
    "The lock file \"%1\" left by an earlier run of the program could not be taken over: %2. Downloads and "
    "project opens are refused until it can be.");
const QString NotAFile = QStringLiteral(
    "\"%1\" is in the place of the program's lock file but is no file. Move or delete it, then start the program "
    "again. Downloads and project opens are refused until then.");
// %1: the guard file; %2: the lock file.
const QString GuardLeftOver = QStringLiteral(
    "The file \"%1\", left by a start of the program that was cut short, keeps the lock file \"%2\" from being "
    "taken over. If no other start of the program is under way, delete \"%1\" and start the program again. "
    "Downloads and project opens are refused until then.");
const QString DiskFull = QStringLiteral("the disk is full");
const QString FolderReadOnly = QStringLiteral("the folder is read-only");

// What stops files being written in the folder, as far as can be told.
QString whyNotWritable(const QString& folder, const QString& otherwise) {
  const QStorageInfo disk(folder);
  if (disk.isValid() && disk.isReadOnly()) return FolderReadOnly;
  if (disk.isValid() && disk.bytesAvailable() == 0) return DiskFull;
  return otherwise;
}

QString native(const QString& path) { return QDir::toNativeSeparators(path); }

}  // namespace

ProgramFolderLock::ProgramFolderLock() = default;

ProgramFolderLock::~ProgramFolderLock() = default;

QString ProgramFolderLock::lockFilePath() const { return ProgramFolder::path(ProgramFiles::ProgramLock); }

bool ProgramFolderLock::held() const { return lock_ != nullptr; }

ProgramFolderLock::Claim ProgramFolderLock::take() {
  if (held()) return Claim::Taken;
  release();
  auto lock = std::make_unique<QLockFile>(lockFilePath());
  // Only a live process keeps the claim, however old it is.
  lock->setStaleLockTime(0);
  const LockFileClaim claim = claimLockFile(*lock);
  switch (claim.outcome) {
    case LockFileClaim::Taken: lock_ = std::move(lock); return Claim::Taken;
    case LockFileClaim::HeldHere: return Claim::HeldElsewhere;
    case LockFileClaim::HeldOnOtherComputer: holderComputer_ = claim.computer; return Claim::HeldOnOtherComputer;
    default: problem_ = problemOf(claim); return Claim::NotPossible;
  }
}

QString ProgramFolderLock::problemOf(const LockFileClaim& claim) const {
  const QString path = lockFilePath();
  const QString folder = QFileInfo(path).absolutePath();
  switch (claim.outcome) {
    case LockFileClaim::NotAFile: return NotAFile.arg(native(path));
    case LockFileClaim::GuardLeftOver: return GuardLeftOver.arg(native(lockFileGuardPath(path)), native(path));
    case LockFileClaim::NotRemoved: return NotTakenOver.arg(native(path), whyNotWritable(folder, claim.why));
    default: return NotMade.arg(native(path), whyNotWritable(folder, claim.why));
  }
}

void ProgramFolderLock::release() {
  lock_.reset();
  problem_.clear();
  holderComputer_.clear();
}

}  // namespace platform
