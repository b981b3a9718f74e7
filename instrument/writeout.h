#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <optional>

namespace instrument {

// How a save ended.
enum class SaveStatus {
  Saved = 0,
  NoFileName,      // nothing written
  DatabaseFailed,  // the working database could not be opened
  TableFailed,     // a listed table could not be read
  WriteFailed,     // the file could not be written; the previous file is kept
  NotFitting,      // the list gives no table of its model code; nothing written
};

// How a replay ended.
enum class ReplayStatus {
  Replayed = 0,
  NoFileName,
  Unreadable,      // the file could not be read; nothing touched
  NotProjectFile,  // line 1 is not a model code 0 to 3; nothing touched
  NoProject,       // nothing but line 1 (and blanks); nothing touched
  DatabaseFailed,  // the new working database could not be made (909, 910) or store the data (911)
  Failed,          // the parser refused the file part-way
  CutOff,          // the file ends in the middle of a line or a test
  NoTables,        // the file holds text but not one table
  Stopped,         // asked to stop
};

// Project files: the tables of the working database written as the text of
// their instrument's printout, with the model code on line 1, and read back
// by replaying that text through the same parsers into a new working
// database.
//
// The writer reads through a connection of its own, so the data view's
// connection and grids are left as they are, and writes the whole file to a
// temporary file that replaces the old one only when complete.
//
// The replay runs on the calling (user-interface) thread and gives the event
// loop its turn every few milliseconds; meanwhile it reports its progress by
// replayProgress and can be asked to stop by stopReplay. The caller keeps the
// object alive until Get_tables returns and refuses other commands meanwhile.
class writeout : public QObject {
  Q_OBJECT

 public:
  // Download_Status, when given, receives the status of the working
  // database's creation (Initit) and of the parsers, as in a download.
  explicit writeout(int* Download_Status = nullptr, QObject* parent = nullptr);

  // The model code read from line 1 by Get_tables (0 to 3), or 99 when line 1
  // is not a model code.
  qint16 FoundDevice = 0;
  // False while Get_tables replays a file, True when it has finished.
  bool Finished_ = false;

  // Writes the tables of Table_Names (names each followed by one blank; only
  // SingleTable when it is not empty) of model cd to filename. Export_CSV
  // writes the soil part of an N2600A file in comma-separated form (the
  // raw-data export). The file is replaced only when the whole text could be
  // made and written, and never by one that holds no table or tables that
  // would not read back as the listed ones: a cd that is no model, a list of
  // no table, or a table of another model's layout (tableListMisfit) is
  // refused (NotFitting) before anything is written.
  SaveStatus writeout_(const QString& filename, const QString& Table_Names, qint16 cd,
                       const QString& SingleTable = QString(), bool Export_CSV = false);

  // Replays the project file at location into a new working database, after
  // dropping the tables of current_tables. Returns the new table list, or
  // nothing when the replay did not succeed (replayStatus() and message() say
  // why). A file whose line 1 is not a model code, or that holds nothing
  // else, is refused before the working database is touched.
  std::optional<QString> Get_tables(const QString& location, const QString& current_tables);

  // The text right-justified in width characters; never cut.
  static QString Pad_Field(const QString& text, int width);

  SaveStatus saveStatus() const { return saveStatus_; }
  ReplayStatus replayStatus() const { return replayStatus_; }
  // A replay is under way (a second Get_tables meanwhile does nothing).
  bool replaying() const { return replaying_; }
  // Why the last save or replay failed, in words for the user; empty after
  // success.
  const QString& message() const { return message_; }

 public slots:
  // Asks a running replay to stop at its next turn of the event loop.
  void stopReplay() { stopRequested_ = true; }

 signals:
  // Bytes of the file read so far and in all, during a replay.
  void replayProgress(qint64 done, qint64 total);

 private:
  SaveStatus saveFailed(SaveStatus status, const QString& message);
  SaveStatus notFitting(const QString& filename, const QString& why);
  std::optional<QString> replayFailed(ReplayStatus status, const QString& message);
  // The whole project file, only from a regular file; none, with the status
  // and message set, when it cannot be read.
  std::optional<QByteArray> readProjectFile(const QString& location);
  std::optional<QString> replay(const QByteArray& file, qsizetype bodyStart, int model,
                                const QString& current_tables);
  bool yieldToEvents(qint64 done, qint64 total);

  int* downloadStatus_;
  int ownStatus_ = 0;
  SaveStatus saveStatus_ = SaveStatus::Saved;
  ReplayStatus replayStatus_ = ReplayStatus::Replayed;
  QString message_;
  bool replaying_ = false;
  bool stopRequested_ = false;
};

}  // namespace instrument
