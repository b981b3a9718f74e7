#pragma once

#include <QString>

namespace instrument {

// Keeps the working database and the table-list file as they were while a
// download or a project open builds their replacement, so that a replacement
// that fails can be undone: take() before the work, then discard() when the new
// data are complete or restore() when they are not.
//
// The copies live beside the originals in the program folder, so restore()
// moves them back by renaming. Every connection of the program to the working
// database is closed by take() and restore(); callers reopen what they need.
//
// take() leaves a mark on disk once the copies are safely written, and only
// discard() or a finished restore() removes it: a program that ends without
// either (a crash, a kill, a power loss) leaves the mark behind, and
// recoverInterrupted() at the next start puts the copies back.
class WorkingDatabaseBackup {
 public:
  WorkingDatabaseBackup() = default;
  // Copies left over are removed; the working files stay as they are.
  ~WorkingDatabaseBackup();
  WorkingDatabaseBackup(const WorkingDatabaseBackup&) = delete;
  WorkingDatabaseBackup& operator=(const WorkingDatabaseBackup&) = delete;

  // Copies the working database and the table-list file (each when present)
  // and marks the replacement as under way. False when a copy or the mark
  // could not be made, when the mark of an earlier replacement not undone
  // is still there, or when either file is there but no regular file (a pipe
  // would hold the copy); nothing is kept then, and restore() reports failure.
  bool take();
  bool taken() const { return taken_; }
  // Why the last take() refused when that was not the disk's fault (the
  // mark of an earlier replacement still stands, or a working file is no
  // regular file), in words for the user, naming the file;
  // empty otherwise.
  const QString& refusal() const { return refusal_; }

  // Puts the working database and the table-list file back as they were when
  // take() ran: each kept copy replaces the current file, and a file that did
  // not exist then is removed. True when both are as they were.
  bool restore();

  // Forgets the copies: the current files stay.
  void discard();

  // What the start found of a replacement left unfinished.
  struct Recovery {
    enum Outcome {
      NothingToUndo,  // none left, or one this process is still making
      PutBack,        // the working files are as they were before it
      NotPutBack,     // not all could be put back; the mark and the copies stay
    };
    Outcome outcome = NothingToUndo;
    QString reason;  // NotPutBack: why, in words for the user
    QString remedy;  // NotPutBack: what the user can do, a sentence
  };

  // At start-up: when a replacement was left unfinished, puts the working
  // files back as they were before it. The caller says what came of it; a
  // replacement this process holds the working database for is not finished
  // yet, and nothing is done. One whose database lock another process holds,
  // or names another computer, is not put back either (that program may still
  // be at it): the outcome is NotPutBack, and the remedy names the lock file.
  static Recovery recoverInterrupted();

 private:
  bool restoreFile(const QString& file, const QString& copy, bool existed) const;
  static bool writeMark(bool hadDatabase, bool hadTableList);

  bool taken_ = false;
  bool hadDatabase_ = false;
  bool hadTableList_ = false;
  QString refusal_;
};

}  // namespace instrument
