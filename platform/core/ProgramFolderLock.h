#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace platform {

struct LockFileClaim;

// The running program's claim on its program folder: a lock file in it, held
// for as long as the object lives, so that a second start of the program on
// the same folder finds it taken and can be refused. A lock file that names no
// live program on this computer (left empty or garbled by a power loss, or
// naming a process that has ended) does not count: the claim is taken over,
// once no process is seen to hold its native lock (claimLockFile).
class ProgramFolderLock {
 public:
  enum class Claim { Taken, HeldElsewhere, HeldOnOtherComputer, NotPossible };

  ProgramFolderLock();
  ~ProgramFolderLock();
  ProgramFolderLock(const ProgramFolderLock&) = delete;
  ProgramFolderLock& operator=(const ProgramFolderLock&) = delete;

  // Claims the current program folder; a claim already held is kept.
  // HeldElsewhere when a running process of this computer holds it,
  // HeldOnOtherComputer when the lock file names another computer
  // (holderComputer() says which: whether that program still runs cannot be
  // known from here). HeldElsewhere too for a lock file that names no live
  // program but whose native lock is held: one being made, one another start
  // is taking over, one this user cannot read. NotPossible when the lock file
  // can be neither made nor taken over (problem() says why and what to do).
  Claim take();
  bool held() const;
  void release();
  const QString& problem() const { return problem_; }
  const QString& holderComputer() const { return holderComputer_; }
  QString lockFilePath() const;

 private:
  QString problemOf(const LockFileClaim& claim) const;

  std::unique_ptr<QLockFile> lock_;
  QString problem_;
  QString holderComputer_;
};

}  // namespace platform
