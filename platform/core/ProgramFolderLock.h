#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace platform {

// The running program's claim on its program folder: a lock file in it, held
// for as long as the object lives, so that a second start of the program on
// the same folder finds it taken and can be refused. A lock file that names no
// live program on this computer (left empty or garbled by a power loss, or
// naming a process that has ended) does not count: the claim is taken over.
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
  // known from here). NotPossible when the lock file can be neither made nor
  // taken over (problem() says why).
  Claim take();
  bool held() const;
  void release();
  const QString& problem() const { return problem_; }
  const QString& holderComputer() const { return holderComputer_; }
  QString lockFilePath() const;

 private:
  Claim lockFailed(QLockFile& lock);

  std::unique_ptr<QLockFile> lock_;
  QString problem_;
  QString holderComputer_;
};

}  // namespace platform
