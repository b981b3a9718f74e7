#include "platform/core/LockFileTakeOver.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

#include "platform/core/LockFileHolder.h"

namespace platform {
namespace {

// Qt's own guard while it removes a lock file left over.
const QString GuardSuffix = QStringLiteral(".rmlock");
const QString PermissionDenied = QStringLiteral("Permission denied");
const QString UnknownError = QStringLiteral("Unknown error");

LockFileClaim only(LockFileClaim::Outcome outcome) {
  LockFileClaim claim;
  claim.outcome = outcome;
  return claim;
}

enum class NativeLock { Free, Held, Removed, NotRemoved };

int openToTry(const QByteArray& name, bool& writable) {
  int fd = ::open(name.constData(), O_RDWR | O_CLOEXEC);
  writable = fd >= 0;
  // Locks can be tried on a file that may only be read as well.
  if (fd < 0 && (errno == EACCES || errno == EROFS)) fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
  return fd;
}

// The locks a live QLockFile keeps on its file: flock for this computer, a
// record lock for a folder on another one.
bool takeNativeLocks(int fd, bool writable) {
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) return false;
  struct flock whole {};
  whole.l_type = writable ? F_WRLCK : F_RDLCK;
  whole.l_whence = SEEK_SET;
  return ::fcntl(fd, F_SETLK, &whole) == 0;
}

// Whether the name still names the file opened: one made anew in its place
// belongs to whoever made it.
bool stillNamed(int fd, const QByteArray& name) {
  struct stat opened {}, named {};
  return ::fstat(fd, &opened) == 0 && ::stat(name.constData(), &named) == 0 && opened.st_dev == named.st_dev &&
         opened.st_ino == named.st_ino;
}

// The one try of a file's native lock, without waiting. A file that cannot be
// opened to try counts as held; one that is gone as removed. With remove, a
// free file is removed while its lock is held, and error gets why not.
NativeLock tryNativeLock(const QString& path, bool remove, int* error = nullptr) {
  const QByteArray name = QFile::encodeName(path);
  bool writable = false;
  const int fd = openToTry(name, writable);
  if (fd < 0) return errno == ENOENT ? NativeLock::Removed : NativeLock::Held;
  NativeLock result = NativeLock::Held;
  if (takeNativeLocks(fd, writable) && stillNamed(fd, name)) {
    result = !remove                          ? NativeLock::Free
             : ::unlink(name.constData()) == 0 ? NativeLock::Removed
                                               : NativeLock::NotRemoved;
    if (result == NativeLock::NotRemoved && error != nullptr) *error = errno;
  }
  ::close(fd);
  return result;
}

LockFileClaim failed(LockFileClaim::Outcome outcome, const QLockFile& lock) {
  return {outcome, {}, lock.error() == QLockFile::PermissionError ? PermissionDenied : UnknownError};
}

LockFileClaim guardInTheWay(const QLockFile& guard) {
  if (guard.error() != QLockFile::LockFailedError) return failed(LockFileClaim::NotRemoved, guard);
  // Another start holds it while it takes the lock file over, or has just
  // let it go (Qt closes the guard before removing it): that one wins.
  if (lockFileHolder(guard) == LockFileHolder::ProgramHere) return only(LockFileClaim::HeldHere);
  if (tryNativeLock(guard.fileName(), false) == NativeLock::Free) return only(LockFileClaim::GuardLeftOver);
  return only(LockFileClaim::HeldHere);
}

LockFileClaim takeOver(QLockFile& lock) {
  QLockFile guard(lockFileGuardPath(lock.fileName()));
  if (!guard.tryLock(0)) return guardInTheWay(guard);
  int error = 0;
  switch (tryNativeLock(lock.fileName(), true, &error)) {
    case NativeLock::Held:
    case NativeLock::Free: return only(LockFileClaim::HeldHere);
    case NativeLock::NotRemoved: return {LockFileClaim::NotRemoved, {}, QString::fromLocal8Bit(std::strerror(error))};
    case NativeLock::Removed: break;
  }
  if (lock.tryLock(0)) return only(LockFileClaim::Taken);
  // Made meanwhile by a start that found none.
  if (lock.error() == QLockFile::LockFailedError) return only(LockFileClaim::HeldHere);
  return failed(LockFileClaim::NotMade, lock);
}

}  // namespace

QString lockFileGuardPath(const QString& lockFilePath) { return lockFilePath + GuardSuffix; }

LockFileClaim claimLockFile(QLockFile& lock) {
  if (lock.tryLock(0)) return only(LockFileClaim::Taken);
  if (lock.error() != QLockFile::LockFailedError) return failed(LockFileClaim::NotMade, lock);
  const QFileInfo file(lock.fileName());
  if (file.exists() && !file.isFile()) return only(LockFileClaim::NotAFile);
  LockFileClaim claim;
  switch (lockFileHolder(lock, &claim.computer)) {
    case LockFileHolder::ProgramHere: return only(LockFileClaim::HeldHere);
    case LockFileHolder::OtherComputer: claim.outcome = LockFileClaim::HeldOnOtherComputer; return claim;
    case LockFileHolder::NoProgram: break;
  }
  return takeOver(lock);
}

}  // namespace platform
