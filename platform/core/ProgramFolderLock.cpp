#include "platform/core/ProgramFolderLock.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include "platform/core/LockFile.h"
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
const QString NotLocked = QStringLiteral(
    "The lock file \"%1\" could not be locked: %2. Downloads and project opens are refused until it can be.");
// %1: the lock file.
const QString NotAFile = QStringLiteral(
    "\"%1\" is in the place of the program's lock file but is no file. Move or delete it, then start the program "
    "again. Downloads and project opens are refused until then.");
// A file no start of this version leaves unreadable: one an earlier version
// made under another account, whose program may still be running.
const QString Unreadable = QStringLiteral(
    "The lock file \"%1\" cannot be read, so whether the program is running on this folder under another account "
    "cannot be told: if it is not, delete that file and start the program again. Downloads and project opens are "
    "refused until then.");
// %1: what is in the lock file's place; %2: the account whose it is.
const QString NotAFileOfOtherAccount = QStringLiteral(
    "\"%1\" is in the place of the program's lock file but is no file, and this account may not move or delete "
    "it: the account \"%2\" or an administrator must. Downloads and project opens are refused until then.");
// %1: what is in the lock file's place.
const QString NotAFileInReadOnlyFolder = QStringLiteral(
    "\"%1\" is in the place of the program's lock file but is no file, and cannot be moved or deleted while its "
    "folder is read-only: make the folder writable, move or delete it, then start the program again. Downloads and "
    "project opens are refused until then.");
// %1: the lock file; %2: the account whose file it is.
const QString OtherAccountsLock = QStringLiteral(
    "The lock file \"%1\" of the account \"%2\" could not be taken over, and this account may not delete it: if "
    "no other start of the program is under way, the account \"%2\" or an administrator must delete it. Downloads "
    "and project opens are refused until then.");
// %1: the lock file; %2: the account whose file it is.
const QString OtherAccountsUnreadableLock = QStringLiteral(
    "The lock file \"%1\" of the account \"%2\" cannot be read, and this account may not delete it: if the program "
    "is not running under the account \"%2\", that account or an administrator must delete it. Downloads and "
    "project opens are refused until then.");
// %1: the lock file.
const QString LockInReadOnlyFolder = QStringLiteral(
    "The lock file \"%1\" could not be taken over, and cannot be deleted while its folder is read-only: make the "
    "folder writable, then start the program again. Downloads and project opens are refused until then.");
const QString FolderReadOnly = QStringLiteral("the folder is read-only");

// What stops files being written in the folder, where the reason given is less plain.
QString whyNotWritable(const QString& folder, const QString& otherwise) {
  const QStorageInfo disk(folder);
  if (disk.isValid() && disk.isReadOnly()) return FolderReadOnly;
  return otherwise;
}

QString native(const QString& path) { return QDir::toNativeSeparators(path); }

// What is in the way that this account may not delete: who may.
QString notToBeDeletedHere(const LockFileClaim& claim, const QString& path) {
  const bool owned = claim.remover.who == FileRemover::OwningAccount;
  if (claim.outcome == LockFileClaim::NotAFile)
    return owned ? NotAFileOfOtherAccount.arg(native(path), claim.remover.owner)
                 : NotAFileInReadOnlyFolder.arg(native(path));
  if (!owned) return LockInReadOnlyFolder.arg(native(path));
  const QString& text = claim.outcome == LockFileClaim::Unreadable ? OtherAccountsUnreadableLock : OtherAccountsLock;
  return text.arg(native(path), claim.remover.owner);
}

}  // namespace

ProgramFolderLock::ProgramFolderLock() = default;

ProgramFolderLock::~ProgramFolderLock() = default;

QString ProgramFolderLock::lockFilePath() const { return ProgramFolder::path(ProgramFiles::ProgramLock); }

bool ProgramFolderLock::held() const { return lock_ != nullptr; }

ProgramFolderLock::Claim ProgramFolderLock::take() {
  if (held()) return Claim::Taken;
  release();
  auto lock = std::make_unique<LockFile>(lockFilePath());
  const LockFileClaim claim = lock->claim();
  switch (claim.outcome) {
    case LockFileClaim::Taken: lock_ = std::move(lock); return Claim::Taken;
    case LockFileClaim::HeldHere: return Claim::HeldElsewhere;
    case LockFileClaim::HeldOnOtherComputer:
      holderComputer_ = claim.computer;
      lockFileRemover_ = claim.remover;
      return Claim::HeldOnOtherComputer;
    default: problem_ = problemOf(claim); return Claim::NotPossible;
  }
}

QString ProgramFolderLock::problemOf(const LockFileClaim& claim) const {
  const QString path = lockFilePath();
  const QString folder = QFileInfo(path).absolutePath();
  if (isInTheWay(claim) && claim.remover.who != FileRemover::ThisAccount) return notToBeDeletedHere(claim, path);
  switch (claim.outcome) {
    case LockFileClaim::NotAFile: return NotAFile.arg(native(path));
    case LockFileClaim::Unreadable: return Unreadable.arg(native(path));
    case LockFileClaim::NotTakenOver: return NotTakenOver.arg(native(path), whyNotWritable(folder, claim.why));
    case LockFileClaim::NotLocked: return NotLocked.arg(native(path), claim.why);
    default: return NotMade.arg(native(path), whyNotWritable(folder, claim.why));
  }
}

void ProgramFolderLock::release() {
  lock_.reset();
  problem_.clear();
  holderComputer_.clear();
  lockFileRemover_ = {};
}

}  // namespace platform
