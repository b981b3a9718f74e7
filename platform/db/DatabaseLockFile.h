#pragma once

#include <QString>
#include <set>

#include "platform/core/LockFile.h"

namespace platform::db {

class Database;

// The lock file beside a database file (same folder and base name, suffix
// ".ldb"). This process holds it while at least one of its connections to the
// file is open; another program's says that program has the file open.
class DatabaseLockFile {
 public:
  static QString path(const QString& databasePath);

  enum class Holder {
    None,           // no lock file, or one no process holds (removed on the way)
    ThisProcess,    // a connection of this process has the file open
    LiveProcess,    // another process of this computer holds it
    OtherComputer,  // it names another computer, whose program may still run
    InTheWay,       // it can be neither told held nor taken (claim says why)
  };
  struct Reading {
    Holder holder = Holder::None;
    LockFileClaim claim;  // claim.computer: the computer an OtherComputer lock file names
  };
  // Who holds the file's lock file; one that no process holds is removed on
  // the way (LockFile).
  static Reading read(const QString& databasePath);
  static bool isLocked(const QString& databasePath);
  // Why the file may not be replaced now, in words for the user, with what
  // to do; empty while nothing holds it.
  static QString inUse(const QString& databasePath);
  // The words for a reading, naming the file each holder concerns.
  static QString refusal(const Reading& reading, const QString& databasePath);

  // The connections of this process to each file: the first opened takes the
  // lock file, the last closed lets it go.
  static void opened(Database* db, const QString& databasePath);
  static void closed(Database* db, const QString& databasePath);
  static std::set<Database*> connections(const QString& databasePath);
  // Whether a connection other than db has the file open.
  static bool openElsewhere(const Database* db, const QString& databasePath);
};

}  // namespace platform::db
