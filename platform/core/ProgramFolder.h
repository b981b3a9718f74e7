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

  // Makes the folders the program keeps its files in (info/, images/, help/,
  // and root() itself when it is new). False when one cannot be made; problem
  // (when given) then names that folder and says why, in words for the user.
  static bool makeFolders(QString* problem = nullptr);
};

}  // namespace platform
