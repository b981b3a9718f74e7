#include "instrument/ParseContext.h"

#include "instrument/StatusCodes.h"

namespace instrument {

ParseContext::ParseContext(int* Download_Status)
    : downloadStatus_(Download_Status != nullptr ? Download_Status : &ownStatus_) {}

int ParseContext::addTable(QString& name, int device_type) {
  commit();
  if (!database_.isOpen()) return status::TableFailed;
  const int result = tableCreator_.AddTable(name, device_type, &database_);
  if (result != status::Ok && database_.lastErrorIsStorage()) databaseFailed_ = true;
  return result;
}

bool ParseContext::openRecordset(const QString& table) {
  commit();
  return recordset_.openTable(database_, table);
}

bool ParseContext::addNew() { return recordset_.addNew(); }

bool ParseContext::saveRow() {
  if (!database_.inTransaction()) {
    if (!database_.beginTransaction()) {
      databaseFailed_ = databaseFailed_ || database_.lastErrorIsStorage();
      return false;
    }
    sinceCommit_.start();
  }
  const bool saved = recordset_.update();
  if (!saved && recordset_.lastErrorIsStorage()) databaseFailed_ = true;
  if (sinceCommit_.elapsed() >= CommitIntervalMs && !commit()) return false;
  return saved;
}

bool ParseContext::commit() {
  if (database_.commit()) return true;
  // A commit fails only for the file: the rows of the transaction are gone.
  databaseFailed_ = true;
  return false;
}

void ParseContext::closeRecordset() {
  commit();
  recordset_.close();
}

void ParseContext::closeDatabase() {
  closeRecordset();
  database_.close();
}

bool ParseContext::openDatabase() {
  databaseFailed_ = false;
  return database_.open(CreateDatabase::databasePath());
}

}  // namespace instrument
