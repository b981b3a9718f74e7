#pragma once

#include <QString>

#include <functional>

#include "platform/core/FileRemover.h"

namespace platform {

// What came of claiming a lock file.
struct LockFileClaim {
  enum Outcome {
    Taken,                // held by this object now
    HeldHere,             // another process (or lock object) holds its native lock
    HeldOnOtherComputer,  // it names another computer (computer says which)
    NotAFile,             // a folder, pipe, symbolic link or the like has its name
    Unreadable,           // it can be neither opened nor locked, so who holds it cannot be told
    NotMade,              // it could not be made or written (why says why)
    NotTakenOver,         // no process holds it, but it cannot be written (why says why)
    NotLocked,            // its file system refused the native lock (why says why)
  };
  Outcome outcome = NotMade;
  QString computer;
  QString why;
  // Who may delete the file, for a claim that did not succeed.
  FileRemover remover = {};
};

// Whether something left in the lock file's place stands in the way, rather
// than a holder, or a folder or disk that will not have the file made.
inline bool isInTheWay(const LockFileClaim& claim) {
  return claim.outcome == LockFileClaim::NotAFile || claim.outcome == LockFileClaim::Unreadable ||
         claim.outcome == LockFileClaim::NotTakenOver;
}

// A lock file whose native lock is the claim: the file is opened, locked
// without waiting, and held only if its name still names the file locked;
// otherwise the lock is let go and the try starts again. A missing file is
// made under a name of its own, readable by every account, locked and
// written, and only then linked into its place, which fails when the name is
// taken meanwhile: no start ever finds it unreadable, unlocked or empty. (A
// file system without hard links has it made in place, never with O_EXCL,
// and readable by every account at once.)
// Only a holder removes the file, while it still holds it, so at no point can
// two objects hold the same name: there is no moment between making a file
// and locking it in which another start could take it. A symbolic link in
// the file's place is never followed, nor a pipe or a device opened: like a
// folder, each is no file.
// Whatever the file says (empty, garbled, a process that ended or a reused
// process id) does not count on this computer, since every holder keeps the
// native lock: its text only names the holder's computer, and one naming
// another computer is not taken, since a native lock there may not be seen
// from here. The native locks are the ones Qt's lock files keep (flock and a
// record lock), so a running earlier version holds its file alike. A held
// file is readable by every account, so that a start of another account on a
// shared folder can try its native lock and see it held.
//
// A process loses every record lock it has on a file when it closes any
// descriptor of that file. So a claim never opens a file this process holds:
// one held by another LockFile object of this process counts as HeldHere
// without a try.
class LockFile {
 public:
  explicit LockFile(const QString& path);
  ~LockFile();
  LockFile(const LockFile&) = delete;
  LockFile& operator=(const LockFile&) = delete;

  // Claims the file without waiting; a claim already held is kept.
  LockFileClaim claim();
  bool held() const { return descriptor_ >= 0; }
  // Removes the file and lets its lock go.
  void release();
  const QString& path() const { return path_; }

  // For tests: runs once, between the next claim's opening the file (or
  // making it under its own name) and its taking the native lock, or, for a
  // file it may only read, between its seeing the lock free and its reading
  // the text: where a second start may come.
  static void beforeNextLock(std::function<void()> step);

 private:
  bool claimOnce(LockFileClaim& claim);
  void hold(int fd);

  QString path_;
  int descriptor_ = -1;
};

}  // namespace platform
