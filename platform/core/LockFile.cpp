#include "platform/core/LockFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <set>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

#include "platform/core/FileErrorText.h"
#include "platform/core/LockFileText.h"
#include "platform/core/MarkedName.h"

namespace platform {
namespace {

// A name made anew after each try (each time by a holder letting go) cannot
// go on for ever: past this many, the file counts as held.
constexpr int Tries = 16;
// A pipe or device in the file's place is opened without waiting, and never
// as the controlling terminal; a symbolic link is not followed (ELOOP), lest
// the text be written into whatever file it names.
constexpr int OpenFlags = O_CLOEXEC | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW;

LockFileClaim only(LockFileClaim::Outcome outcome) { return {outcome, {}, {}}; }

std::set<QString>& heldByThisProcess() {
  static std::set<QString> paths;
  return paths;
}

std::function<void()>& stepBeforeLock() {
  static std::function<void()> step;
  return step;
}

void runStepBeforeLock() {
  if (!stepBeforeLock()) return;
  const std::function<void()> step = std::exchange(stepBeforeLock(), nullptr);
  step();
}

QString keyOf(const QString& path) { return QDir::cleanPath(QFileInfo(path).absoluteFilePath()); }

bool isRegularFile(int fd) {
  struct stat opened {};
  return ::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode);
}

// Something other than a regular file has the name: a folder, a link, a
// pipe, a socket or a device. Told by name, so that no device is opened
// (which may rewind a tape or hang up a serial line); what is opened is
// checked again, since the name may be replaced in between.
bool isNoFile(const QByteArray& name) {
  struct stat named {};
  return ::lstat(name.constData(), &named) == 0 && !S_ISREG(named.st_mode);
}

// The locks a live Qt lock file keeps as well: flock for this computer, a
// record lock for a folder on another one. A file system without record
// locks has flock's alone.
bool takeNativeLocks(int fd, bool writable) {
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) return false;
  struct flock whole {};
  whole.l_type = writable ? F_WRLCK : F_RDLCK;
  whole.l_whence = SEEK_SET;
  if (::fcntl(fd, F_SETLK, &whole) == 0) return true;
  return errno != EAGAIN && errno != EACCES;
}

bool heldByOther(int error) { return error == EWOULDBLOCK || error == EAGAIN || error == EACCES; }

// Whether the name still names the file opened: one made anew in its place
// belongs to whoever locks it, and a link put there names no lock file.
bool stillNamed(int fd, const QByteArray& name) {
  struct stat opened {}, named {};
  return ::fstat(fd, &opened) == 0 && ::lstat(name.constData(), &named) == 0 && opened.st_dev == named.st_dev &&
         opened.st_ino == named.st_ino;
}

QByteArray textOf(int fd) {
  QByteArray text(4096, '\0');
  const ssize_t read = ::pread(fd, text.data(), text.size(), 0);
  text.resize(read > 0 ? read : 0);
  return text;
}

bool writeText(int fd) {
  const QByteArray text = lockFileTextOfThisProcess();
  return ::ftruncate(fd, 0) == 0 && ::pwrite(fd, text.constData(), text.size(), 0) == text.size();
}

// Readable by every account, whatever the umask: one that hid it would show
// a start of another account on a shared folder no native lock, but a file it
// cannot read, and ask for the file of a running program to be deleted.
void letEveryAccountRead(int fd) {
  struct stat opened {};
  constexpr mode_t ReadByAll = S_IRUSR | S_IRGRP | S_IROTH;
  if (::fstat(fd, &opened) == 0 && (opened.st_mode & ReadByAll) != ReadByAll)
    (void)::fchmod(fd, (opened.st_mode & 07777) | ReadByAll);
}

// A file is made under the lock file's name with this mark and six random
// letters before it is linked into place.
const QString MakingMark = QStringLiteral(".quorvane-lock-");

// A file system without hard links (FAT, say) refuses link(2) this way.
bool noHardLinks(int error) { return error == EPERM || error == EOPNOTSUPP || error == ENOSYS; }

// A native lock refused: who holds it, as far as the file says.
LockFileClaim refusedLock(int fd, int error) {
  if (!heldByOther(error)) return {LockFileClaim::NotLocked, {}, fileErrorText(error)};
  const QString computer = otherComputerIn(textOf(fd));
  return computer.isEmpty() ? only(LockFileClaim::HeldHere) : LockFileClaim{LockFileClaim::HeldOnOtherComputer,
                                                                             computer, {}};
}

// Whether another process holds the file's native lock, seen without taking
// it where the file system keeps record locks (every holder keeps one there):
// 0 when free, else what a lock try gives (EWOULDBLOCK when held). Elsewhere
// flock is tried and let go at once.
int lockSeen(int fd) {
  struct flock whole {};
  whole.l_type = F_WRLCK;
  whole.l_whence = SEEK_SET;
  if (::fcntl(fd, F_GETLK, &whole) == 0) return whole.l_type == F_UNLCK ? 0 : EWOULDBLOCK;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) return errno;
  (void)::flock(fd, LOCK_UN);
  return 0;
}

// A file this process may read but not write: held, another computer's, or
// free but not to be taken (notWritable says why). It is only looked at,
// never locked: a start that may take it over, coming meanwhile, would
// otherwise find it held and end, and no start would hold it.
LockFileClaim probeReadOnly(int fd, int notWritable) {
  if (!isRegularFile(fd)) return only(LockFileClaim::NotAFile);
  if (const int error = lockSeen(fd); error != 0) return refusedLock(fd, error);
  runStepBeforeLock();
  const QString computer = otherComputerIn(textOf(fd));
  if (!computer.isEmpty()) return {LockFileClaim::HeldOnOtherComputer, computer, {}};
  // Taken over meanwhile by a start that may write it: held, not in the way.
  if (const int error = lockSeen(fd); error != 0) return refusedLock(fd, error);
  return {LockFileClaim::NotTakenOver, {}, fileErrorText(notWritable)};
}

// The file could not be opened to be written, or made. False when it is
// gone by the time it is opened to be read: let go by its holder, it may be
// made now, so another try is due.
bool notOpened(const QByteArray& name, int error, LockFileClaim& claim) {
  claim = {LockFileClaim::NotMade, {}, fileErrorText(error)};
  // A folder, a symbolic link, or a socket or a device with nothing behind it (ENXIO).
  if (error == EISDIR || error == ELOOP || error == ENXIO) claim = only(LockFileClaim::NotAFile);
  if (error != EACCES && error != EPERM && error != EROFS) return true;
  const int fd = ::open(name.constData(), O_RDONLY | OpenFlags);
  if (fd < 0) {
    if (errno == ENOENT) return false;
    claim = only(LockFileClaim::Unreadable);
    return true;
  }
  claim = probeReadOnly(fd, error);
  ::close(fd);
  return true;
}

enum class Made { Held, Refused, Again, NoHardLinks };

// Locks and writes the file made, then links it to the lock file's name,
// which fails when another start has made one there meanwhile.
Made putInPlace(int fd, const QByteArray& making, const QByteArray& name, LockFileClaim& claim) {
  if (!takeNativeLocks(fd, true)) {
    claim = refusedLock(fd, errno);
    return Made::Refused;
  }
  if (!writeText(fd)) {
    claim = {LockFileClaim::NotMade, {}, fileErrorText(errno)};
    return Made::Refused;
  }
  if (::link(making.constData(), name.constData()) == 0) {
    claim = only(LockFileClaim::Taken);
    return Made::Held;
  }
  // Another start has made the file meanwhile (tried next), or its holder
  // removed this one as left over.
  if (errno == EEXIST || errno == ENOENT) {
    claim = only(LockFileClaim::HeldHere);
    return Made::Again;
  }
  if (noHardLinks(errno)) return Made::NoHardLinks;
  claim = {LockFileClaim::NotMade, {}, fileErrorText(errno)};
  return Made::Refused;
}

// A missing file, made under its own name: readable by every account before
// anyone can see it, then locked and written before it is put in its place.
// made: the file, when held.
Made makeInPlace(const QByteArray& name, LockFileClaim& claim, int& made) {
  const QByteArray making = QFile::encodeName(markedName(QFile::decodeName(name), MakingMark));
  const int fd = ::open(making.constData(), O_RDWR | O_CREAT | O_EXCL | OpenFlags, 0666);
  if (fd < 0) return errno == EEXIST || !notOpened(name, errno, claim) ? Made::Again : Made::Refused;
  letEveryAccountRead(fd);
  runStepBeforeLock();
  const Made outcome = putInPlace(fd, making, name, claim);
  ::unlink(making.constData());
  if (outcome == Made::Held)
    made = fd;
  else
    ::close(fd);
  return outcome;
}

}  // namespace

LockFile::LockFile(const QString& path) : path_(path) {}

LockFile::~LockFile() { release(); }

LockFileClaim LockFile::claim() {
  if (held()) return only(LockFileClaim::Taken);
  if (heldByThisProcess().count(keyOf(path_)) != 0) return only(LockFileClaim::HeldHere);
  LockFileClaim claim;
  for (int i = 0; i < Tries; ++i)
    if (claimOnce(claim)) break;
  if (claim.outcome != LockFileClaim::Taken && claim.outcome != LockFileClaim::HeldHere)
    claim.remover = whoMayRemove(path_);
  return claim;
}

// False when the name no longer names the file opened: another try is due,
// and claim says what the last one found.
bool LockFile::claimOnce(LockFileClaim& claim) {
  const QByteArray name = QFile::encodeName(path_);
  if (isNoFile(name)) {
    claim = only(LockFileClaim::NotAFile);
    return true;
  }
  int fd = ::open(name.constData(), O_RDWR | OpenFlags);
  if (fd < 0 && errno == ENOENT) {
    int made = -1;
    switch (makeInPlace(name, claim, made)) {
      case Made::Held: hold(made); return true;
      case Made::Refused: return true;
      case Made::Again: return false;
      case Made::NoHardLinks:
        fd = ::open(name.constData(), O_RDWR | O_CREAT | OpenFlags, 0666);
        // Made in place under the umask: readable at once, as one linked into place is.
        if (fd >= 0) letEveryAccountRead(fd);
        break;
    }
  }
  if (fd < 0) return notOpened(name, errno, claim);
  runStepBeforeLock();
  if (!isRegularFile(fd)) {
    claim = only(LockFileClaim::NotAFile);
  } else if (!takeNativeLocks(fd, true)) {
    claim = refusedLock(fd, errno);
  } else if (!stillNamed(fd, name)) {
    ::close(fd);
    claim = only(LockFileClaim::HeldHere);
    return false;
  } else if (const QString computer = otherComputerIn(textOf(fd)); !computer.isEmpty()) {
    claim = {LockFileClaim::HeldOnOtherComputer, computer, {}};
  } else if (!writeText(fd)) {
    claim = {LockFileClaim::NotMade, {}, fileErrorText(errno)};
    ::unlink(name.constData());
  } else {
    letEveryAccountRead(fd);
    hold(fd);
    claim = only(LockFileClaim::Taken);
    return true;
  }
  ::close(fd);
  return true;
}

void LockFile::hold(int fd) {
  descriptor_ = fd;
  heldByThisProcess().insert(keyOf(path_));
  // What a start ended while it made the file left. Removing one that another
  // start is still making only has that start try again (its link fails).
  removeMarkedFiles(path_, MakingMark);
}

void LockFile::beforeNextLock(std::function<void()> step) { stepBeforeLock() = std::move(step); }

void LockFile::release() {
  if (!held()) return;
  const QByteArray name = QFile::encodeName(path_);
  // Removed while still locked, and only if still this holder's file. One
  // that stays says nothing, lest another computer read it as held.
  if (!stillNamed(descriptor_, name) || ::unlink(name.constData()) != 0) (void)::ftruncate(descriptor_, 0);
  ::close(descriptor_);
  descriptor_ = -1;
  heldByThisProcess().erase(keyOf(path_));
}

}  // namespace platform
