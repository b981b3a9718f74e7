#include "instrument/CreateDatabase.h"

#include <QFileInfo>

#include "instrument/RecordLayouts.h"
#include "instrument/StatusCodes.h"
#include "instrument/TextNumbers.h"
#include "platform/core/ProgramFiles.h"
#include "platform/core/ProgramFolder.h"
#include "platform/db/Database.h"
#include "platform/db/SqlIdentifier.h"

namespace instrument {
namespace {

using platform::db::Database;

constexpr QChar Blank = QLatin1Char(' ');
constexpr QChar Dot = QLatin1Char('.');
const QString ProjectPrefix = QStringLiteral("P");
// Written into a new file so that it holds a complete, valid database header.
const QString MarkNewDatabase = QStringLiteral("PRAGMA user_version = 1");

// The connection to work on: the caller's when it is open, else an own one on
// the existing working database file.
Database* connectionFor(Database* given, Database& own) {
  if (given != nullptr && given->isOpen()) return given;
  const QString path = CreateDatabase::databasePath();
  if (!QFileInfo::exists(path) || !own.open(path)) return nullptr;
  return &own;
}

}  // namespace

QString CreateDatabase::databasePath() {
  return platform::ProgramFolder::path(platform::ProgramFiles::Database);
}

int CreateDatabase::Create() {
  const QString path = databasePath();
  Database::closeAllConnections(path);
  // A link that names no file goes too, lest the database be made where it points.
  const QFileInfo file(path);
  if ((file.exists() || file.isSymLink()) && !Database::removeFile(path)) return status::Ok;  // kept and used as it is
  {
    Database created;
    if (!created.open(path) || !created.exec(MarkNewDatabase)) return status::CreateFailed;
  }
  return QFileInfo::exists(path) ? status::Ok : status::DatabaseMissing;
}

int CreateDatabase::AddTable(QString& TBString, int device_type, Database* dbs, bool /*continuous*/) {
  TBString = RemoveChar(TBString, Dot);
  const auto layout = layoutFor(device_type, TBString);
  if (!layout || !platform::db::isValidName(TBString)) return status::TableFailed;
  Database own;
  Database* db = connectionFor(dbs, own);
  if (db == nullptr) return status::TableFailed;
  if (db->createTable(*layout)) return status::Ok;
  if (!db->hasTable(TBString) || !Delete_Table(TBString + Blank, db)) return status::TableFailed;
  return db->createTable(*layout) ? status::Ok : status::TableFailed;
}

bool CreateDatabase::Delete_Table(const QString& table_list, Database* dbs) {
  if (!QFileInfo::exists(databasePath())) return true;
  Database own;
  Database* db = connectionFor(dbs, own);
  if (db == nullptr) return false;
  QString token;
  for (QChar c : table_list) {
    if (c != Blank) {
      token += c;
      continue;
    }
    QString name = text::readsAsNumber(token) ? RemoveChar(token, Dot) : token;
    if (text::readsAsNumber(name)) name.prepend(ProjectPrefix);
    if (!name.isEmpty() && db->hasTable(name) && !db->dropTable(name)) return false;
    token.clear();
  }
  return true;
}

QString CreateDatabase::RemoveChar(QStringView text, QChar ch) {
  QString result;
  result.reserve(text.size());
  for (QChar c : text)
    if (c != ch) result += c;
  return result;
}

}  // namespace instrument
