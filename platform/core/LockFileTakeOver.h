#pragma once

#include <QString>

class QLockFile;

namespace platform {

// What came of taking a lock file, taking over one that no program holds.
struct LockFileClaim {
  enum Outcome {
    Taken,                // held by lock now
    HeldHere,             // a process of this computer holds it, or is making it or taking it over
    HeldOnOtherComputer,  // it names another computer (computer says which)
    NotAFile,             // a folder or the like has its name
    GuardLeftOver,        // the guard file of a take-over that was cut short stands in the way
    NotMade,              // it could not be made (why says why)
    NotRemoved,           // no program holds it, but it could not be removed (why says why)
  };
  Outcome outcome = NotMade;
  QString computer;
  QString why;
};

// Takes lock without waiting. A lock file that names no live program of this
// computer (empty, garbled, unreadable, or its process ended) is removed and
// made anew, but only after its native lock, which a live holder keeps from
// the moment it makes the file, was taken without waiting; while that fails,
// the file counts as held here. The removal and the new file are made under
// the guard file that Qt uses alike, so that of two starts taking one over,
// one gets it and the other finds it held.
LockFileClaim claimLockFile(QLockFile& lock);

// The guard file kept while a lock file is taken over: the lock file's name
// with ".rmlock".
QString lockFileGuardPath(const QString& lockFilePath);

}  // namespace platform
