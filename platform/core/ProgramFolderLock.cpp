#include "platform/core/ProgramFolderLock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStorageInfo>

#include "platform/core/LockFileHolder.h"
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
const QString DiskFull = QStringLiteral("the disk is full");
const QString FolderReadOnly = QStringLiteral("the folder is read-only");
const QString FullOrReadOnly = QStringLiteral("the disk may be full or the folder read-only");
const QString PermissionDenied = QStringLiteral("Permission denied");
const QString UnknownError = QStringLiteral("Unknown error");
// Qt's own guard while it removes a lock file left over, used alike here so
// that two starts never both remove one.
const QString TakeOverGuardSuffix = QStringLiteral(".rmlock");

// What stops files being written in the folder, as far as can be told.
QString whyNotWritable(const QString& folder, const QString& otherwise) {
  const QStorageInfo disk(folder);
  if (disk.isValid() && disk.isReadOnly()) return FolderReadOnly;
  if (disk.isValid() && disk.bytesAvailable() == 0) return DiskFull;
  return otherwise;
}

bool takeOver(QLockFile& lock) {
  QLockFile guard(lock.fileName() + TakeOverGuardSuffix);
  if (!guard.tryLock(0)) return false;
  if (lockFileHolder(lock) != LockFileHolder::NoProgram) return false;
  if (!QFile::remove(lock.fileName()) && QFileInfo::exists(lock.fileName())) return false;
  return lock.tryLock(0);
}

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
  const bool taken = lock->tryLock(0);
  const Claim claim = taken ? Claim::Taken : lockFailed(*lock);
  if (claim == Claim::Taken) lock_ = std::move(lock);
  return claim;
}

ProgramFolderLock::Claim ProgramFolderLock::lockFailed(QLockFile& lock) {
  const QString path = QDir::toNativeSeparators(lock.fileName());
  const QString folder = QFileInfo(lock.fileName()).absolutePath();
  if (lock.error() != QLockFile::LockFailedError) {
    const QString otherwise = lock.error() == QLockFile::PermissionError ? PermissionDenied : UnknownError;
    problem_ = NotMade.arg(path, whyNotWritable(folder, otherwise));
    return Claim::NotPossible;
  }
  switch (lockFileHolder(lock, &holderComputer_)) {
    case LockFileHolder::ProgramHere: return Claim::HeldElsewhere;
    case LockFileHolder::OtherComputer: return Claim::HeldOnOtherComputer;
    case LockFileHolder::NoProgram: break;
  }
  holderComputer_.clear();
  if (takeOver(lock)) return Claim::Taken;
  problem_ = NotTakenOver.arg(path, whyNotWritable(folder, FullOrReadOnly));
  return Claim::NotPossible;
}

void ProgramFolderLock::release() {
  lock_.reset();
  problem_.clear();
  holderComputer_.clear();
}

}  // namespace platform
