#pragma once

#include <QString>

class QLockFile;

namespace platform {

// Who holds a lock file, as far as this computer can tell.
enum class LockFileHolder {
  NoProgram,     // empty, garbled or unreadable, this process, or a process of this computer that has ended
  ProgramHere,   // a running process of this computer
  OtherComputer  // another computer's: whether its program still runs cannot be seen from here
};

// Reads the lock file's holder; computer, when given, gets the computer the
// file names.
LockFileHolder lockFileHolder(const QLockFile& lock, QString* computer = nullptr);

}  // namespace platform
