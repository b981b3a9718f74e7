#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace platform {

// The running program's claim on its program folder: a lock file in it, held
// for as long as the object lives, so that a second start of the program on
// the same folder finds it taken and can be refused. A lock file left by a
// program that has ended (a crash, a kill, a power loss) does not count: the
// process it names is gone, so the claim is taken over.
class ProgramFolderLock {
 public:
  enum class Claim { Taken, HeldElsewhere, NotPossible };

  ProgramFolderLock();
  ~ProgramFolderLock();
  ProgramFolderLock(const ProgramFolderLock&) = delete;
  ProgramFolderLock& operator=(const ProgramFolderLock&) = delete;

  // Claims the current program folder. NotPossible when the lock file cannot
  // be made (problem() says why); HeldElsewhere when a running process holds it.
  Claim take();
  void release();
  const QString& problem() const { return problem_; }

 private:
  std::unique_ptr<QLockFile> lock_;
  QString problem_;
};

}  // namespace platform
