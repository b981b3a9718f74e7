#include "platform/db/Database.h"

namespace platform::db {

Database::Database() = default;
Database::~Database() { close(); }

bool Database::open(const QString& filePath, const QString& connectionName) {
  filePath_ = filePath;
  connectionName_ = connectionName;
  return false;
}
void Database::close() {}
bool Database::isOpen() const { return false; }
QSqlDatabase Database::connection() const { return QSqlDatabase::database(connectionName_, false); }
QStringList Database::tableNames() const { return {}; }
bool Database::hasTable(const QString&) const { return false; }
std::optional<TableDef> Database::tableDef(const QString&) const { return std::nullopt; }
bool Database::createTable(const TableDef&) { return false; }
bool Database::dropTable(const QString&) { return false; }
bool Database::beginTransaction() { return false; }
bool Database::commit() { return true; }
bool Database::rollback() { return true; }
std::optional<QSqlQuery> Database::exec(const QString&, const QVariantList&) const { return std::nullopt; }
std::optional<QList<QSqlRecord>> Database::select(const QString&, const QVariantList&) const { return std::nullopt; }
void Database::closeAllConnections(const QString&) {}
bool Database::removeFile(const QString&) { return false; }
QString Database::lockFilePath(const QString& filePath) { return filePath; }
bool Database::isLocked(const QString&) { return false; }

}  // namespace platform::db
