#include "mainwindow/tree/LaterRunsTable.h"

#include <QFile>

#include "instrument/DeviceType.h"
#include "instrument/RunTables.h"
#include "platform/core/ProgramFiles.h"
#include "platform/core/ProgramFolder.h"
#include "platform/db/Database.h"

namespace mainwindow {

bool isLaterRunsTable(int Model_Code, const QString& table) {
  if (Model_Code != instrument::ModelCode::T7310 || table.isEmpty()) return false;
  const QString path = platform::ProgramFolder::path(platform::ProgramFiles::Database);
  if (!QFile::exists(path)) return false;  // opening would create it
  platform::db::Database db;
  if (!db.open(path)) return false;
  return instrument::isHeaderOnlyRunTable(db, table);
}

}  // namespace mainwindow
