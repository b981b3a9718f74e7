#pragma once

#include <QObject>

#include "mainwindow/grids/RecordGridModel.h"
#include "platform/db/Database.h"

namespace mainwindow {

// The data view's connection to the working database and its two record
// sets: the readings of the selected table and its header record(s). The
// grids show the record sets; the connection is opened by a tree selection
// and closed before anything replaces the working database.
class ViewConnection {
 public:
  ViewConnection();

  // Closes what is open, then opens the working database. False, with
  // nothing open, when there is no working database file (it is not created
  // here).
  bool open();
  // Closes both record sets and the connection; harmless when closed.
  void close();
  bool isOpen() const { return DB_Connection.isOpen(); }

  platform::db::Database DB_Connection;
  RecordGridModel Rows_Recordset;
  RecordGridModel Header_Recordset;

  inline static const QString ConnectionName = QStringLiteral("korvis-view");
};

}  // namespace mainwindow
