#include "instrument/ParseContext.h"

#include "instrument/StatusCodes.h"

namespace instrument {

ParseContext::ParseContext(int* Download_Status)
    : downloadStatus_(Download_Status != nullptr ? Download_Status : &ownStatus_) {}

int ParseContext::addTable(QString& name, int device_type) {
  commit();
  if (!database_.isOpen()) return status::TableFailed;
  return tableCreator_.AddTable(name, device_type, &database_);
}

bool ParseContext::openRecordset(const QString& table) {
  commit();
  return recordset_.openTable(database_, table);
}

bool ParseContext::addNew() { return recordset_.addNew(); }

bool ParseContext::saveRow() {
  if (!database_.inTransaction()) {
    if (!database_.beginTransaction()) return false;
    sinceCommit_.start();
  }
  const bool saved = recordset_.update();
  if (sinceCommit_.elapsed() >= CommitIntervalMs) commit();
  return saved;
}

void ParseContext::commit() { database_.commit(); }

void ParseContext::closeRecordset() {
  commit();
  recordset_.close();
}

void ParseContext::closeDatabase() {
  closeRecordset();
  database_.close();
}

bool ParseContext::openDatabase() { return database_.open(CreateDatabase::databasePath()); }

}  // namespace instrument
