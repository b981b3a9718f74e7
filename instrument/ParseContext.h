#pragma once

#include <QElapsedTimer>
#include <QString>

#include "instrument/CreateDatabase.h"
#include "platform/db/Database.h"
#include "platform/db/Recordset.h"

namespace instrument {

// What the four model parsers share inside one Parse object: the open working
// database, the recordset of the table being filled, the table creator, the
// current token, retrn_message and Download_Status. Rows are written inside
// transactions that are committed at each completed test, before a table is
// defined, at DeInit and at least every CommitInterval, so an interrupted
// download keeps what was committed.
class ParseContext {
 public:
  explicit ParseContext(int* Download_Status = nullptr);

  // The list of tables made since the last successful Initit, each followed by
  // one blank.
  QString retrn_message;
  // The characters gathered since the last separator.
  QString Token;

  platform::db::Database& database() { return database_; }
  platform::db::Recordset& recordset() { return recordset_; }
  CreateDatabase& tableCreator() { return tableCreator_; }
  bool databaseOpen() const { return database_.isOpen(); }

  void setDownloadStatus(int status) { *downloadStatus_ = status; }
  int downloadStatus() const { return *downloadStatus_; }

  // AddTable on the parser's own connection with the layout of device_type:
  // pending rows are committed first; name loses its dots. Does not touch
  // Download_Status. Returns status::Ok or status::TableFailed.
  int addTable(QString& name, int device_type);
  // Opens the updatable recordset on the table, closing the one open first.
  bool openRecordset(const QString& table);
  // Starts a new row on the open recordset (a pending unsaved row is dropped).
  bool addNew();
  // Saves the pending new or edited row of the recordset inside the running
  // transaction; commits when CommitInterval has passed since the last commit.
  bool saveRow();
  // Commits the rows saved so far. False when they could not be stored.
  bool commit();
  // Commits, then closes the recordset.
  void closeRecordset();
  // Commits, closes the recordset and the database (the replay's end marker).
  void closeDatabase();

  // Lifecycle, used by Parse.
  bool openDatabase();

  // A row, a table or a commit could not be stored for a reason of the
  // database file (a full disk): what the parsers stored since is not all
  // there, and the work must fail. Cleared by openDatabase().
  bool databaseFailed() const { return databaseFailed_; }

  static constexpr int CommitIntervalMs = 250;

 private:
  int ownStatus_ = 0;
  int* downloadStatus_;
  platform::db::Database database_;
  platform::db::Recordset recordset_;
  CreateDatabase tableCreator_;
  QElapsedTimer sinceCommit_;
  bool databaseFailed_ = false;
};

}  // namespace instrument
