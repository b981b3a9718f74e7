#pragma once

#include <QString>
#include <set>

namespace platform::db {

class Database;

// The lock file beside a database file (same folder and base name, suffix
// ".ldb"). This process holds it while at least one of its connections to the
// file is open; another program's says that program has the file open.
class DatabaseLockFile {
 public:
  static QString path(const QString& databasePath);

  enum class Holder {
    None,           // no lock file, or one no program held, now removed
    LiveProcess,    // this process or another running one of this computer
    OtherComputer,  // another computer's program, which may still run
    LeftOver,       // no program holds it, but it could not be removed
  };
  struct Reading {
    Holder holder = Holder::None;
    QString computer;  // OtherComputer: the computer the lock file names
  };
  // Who holds the file's lock file; one that no program holds is removed on
  // the way (claimLockFile).
  static Reading read(const QString& databasePath);
  static bool isLocked(const QString& databasePath);
  // Why the file may not be replaced now, in words for the user, with what
  // to do; empty while nothing holds it.
  static QString inUse(const QString& databasePath);

  // The connections of this process to each file: the first opened takes the
  // lock file, the last closed lets it go.
  static void opened(Database* db, const QString& databasePath);
  static void closed(Database* db, const QString& databasePath);
  static std::set<Database*> connections(const QString& databasePath);
  // Whether a connection other than db has the file open.
  static bool openElsewhere(const Database* db, const QString& databasePath);
};

}  // namespace platform::db
