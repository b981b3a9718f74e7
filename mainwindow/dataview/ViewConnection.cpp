#include "mainwindow/dataview/ViewConnection.h"

#include <QFile>

#include "instrument/CreateDatabase.h"

namespace mainwindow {

ViewConnection::ViewConnection() = default;

bool ViewConnection::open() {
  close();
  const QString path = instrument::CreateDatabase::databasePath();
  if (!QFile::exists(path)) return false;
  return DB_Connection.open(path, ConnectionName);
}

void ViewConnection::close() {
  Rows_Recordset.close();
  Header_Recordset.close();
  DB_Connection.close();
}

}  // namespace mainwindow
