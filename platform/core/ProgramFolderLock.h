#pragma once

#include <QString>

#include <memory>

#include "platform/core/FileRemover.h"

namespace platform {

class LockFile;
struct LockFileClaim;

// The running program's claim on its program folder: a lock file in it, held
// for as long as the object lives, so that a second start of the program on
// the same folder finds it taken and can be refused. Whatever a lock file no
// process holds says (left empty or garbled by a power loss, or naming a
// process that has ended, or a process id used again since) does not count:
// its native lock is the claim (LockFile).
class ProgramFolderLock {
 public:
  enum class Claim { Taken, HeldElsewhere, HeldOnOtherComputer, NotPossible };

  ProgramFolderLock();
  ~ProgramFolderLock();
  ProgramFolderLock(const ProgramFolderLock&) = delete;
  ProgramFolderLock& operator=(const ProgramFolderLock&) = delete;

  // Claims the current program folder; a claim already held is kept.
  // HeldElsewhere when another process holds the lock file's native lock,
  // HeldOnOtherComputer when the lock file names another computer
  // (holderComputer() says which: whether that program still runs cannot be
  // known from here). NotPossible when the lock file can be neither made nor
  // taken, nor told held (problem() says why and what to do).
  Claim take();
  bool held() const;
  void release();
  const QString& problem() const { return problem_; }
  // The words for a claim that was not possible, naming the lock file.
  QString problemOf(const LockFileClaim& claim) const;
  const QString& holderComputer() const { return holderComputer_; }
  // Who may delete a lock file that names another computer.
  const FileRemover& lockFileRemover() const { return lockFileRemover_; }
  QString lockFilePath() const;

 private:
  std::unique_ptr<LockFile> lock_;
  QString problem_;
  QString holderComputer_;
  FileRemover lockFileRemover_;
};

}  // namespace platform
