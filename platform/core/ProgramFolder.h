#pragma once

#include <QString>

namespace platform {

// The folder that holds the program's info/, images/ and help/ folders. It is
// the executable's folder unless QUORVANE_HOME names another (an install whose
// binary folder is read-only) or a test sets one. Every path is built here.
class ProgramFolder {
 public:
  static QString root();
  static void setRoot(const QString& folder);

  // root() joined with a relative path such as ProgramFiles::Database.
  static QString path(const QString& relative);
};

}  // namespace platform
