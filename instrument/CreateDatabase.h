#pragma once

#include <QString>
#include <QStringView>

namespace platform::db {
class Database;
}

namespace instrument {

// Creates the working database file and defines its tables. Keeps no state
// between calls.
class CreateDatabase {
 public:
  // Recreates the working database: every connection of the program to it is
  // closed, the file and its journal are deleted and a new empty database is
  // made. Returns status::Ok, status::CreateFailed (909) or
  // status::DatabaseMissing (910). If the old file cannot be deleted it is kept
  // and used unchanged (status::Ok).
  int Create();

  // Defines one table of the layout of device_type (0, 1, 2 or 4). TBString
  // loses every "." (the caller's variable too). An existing table of that name
  // is dropped with its rows and defined afresh. dbs is the connection to use;
  // without one AddTable opens its own. Returns status::Ok, or
  // status::TableFailed when the table cannot be defined (a name the database
  // rejects, a device_type without layout, no database).
  int AddTable(QString& TBString, int device_type, platform::db::Database* dbs = nullptr,
               bool continuous = false);

  // Drops the tables of a table list (names each followed by one blank; a name
  // that reads as a number loses its dots and gets "P" in front). Names not in
  // the database are passed over. True when it ran to its end or when the
  // database file does not exist; false when an error stopped it. dbs is the
  // connection to use; without one it opens its own.
  bool Delete_Table(const QString& table_list, platform::db::Database* dbs = nullptr);

  // The working database file in the program folder.
  static QString databasePath();

 private:
  static QString RemoveChar(QStringView text, QChar ch);
};

}  // namespace instrument
