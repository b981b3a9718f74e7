#include "platform/core/ProgramFolderLock.h"

#include <QDir>
#include <QLockFile>

#include "platform/core/ProgramFiles.h"
#include "platform/core/ProgramFolder.h"

namespace platform {

ProgramFolderLock::ProgramFolderLock() = default;

ProgramFolderLock::~ProgramFolderLock() = default;

ProgramFolderLock::Claim ProgramFolderLock::take() {
  release();
  const QString path = ProgramFolder::path(ProgramFiles::ProgramLock);
  auto lock = std::make_unique<QLockFile>(path);
  // Only a live process keeps the claim, however old it is.
  lock->setStaleLockTime(0);
  if (lock->tryLock(0)) {
    lock_ = std::move(lock);
    return Claim::Taken;
  }
  if (lock->error() == QLockFile::LockFailedError) return Claim::HeldElsewhere;
  const QString why = lock->error() == QLockFile::PermissionError ? QStringLiteral("Permission denied")
                                                                  : QStringLiteral("Unknown error");
  problem_ = QStringLiteral("The lock file \"%1\" could not be made: %2.").arg(QDir::toNativeSeparators(path), why);
  return Claim::NotPossible;
}

void ProgramFolderLock::release() {
  lock_.reset();
  problem_.clear();
}

}  // namespace platform
