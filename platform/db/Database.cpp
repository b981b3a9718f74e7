#include "platform/db/Database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <set>

#include "platform/core/DiskSync.h"
#include "platform/db/DatabaseLockFile.h"
#include "platform/db/SqlIdentifier.h"

namespace platform::db {
namespace {

const QString SqliteDriver = QStringLiteral("QSQLITE");
const QString GeneratedNamePrefix = QStringLiteral("korvis-db-");
const QString ConnectOptions = QStringLiteral("QSQLITE_BUSY_TIMEOUT=1000");
// Write-ahead logging: a commit costs no disk flush, readers do not block the
// writer, and what was committed survives the end of the process.
const QString JournalMode = QStringLiteral("PRAGMA journal_mode = WAL");
const QString SyncMode = QStringLiteral("PRAGMA synchronous = NORMAL");
const QString FullSyncMode = QStringLiteral("PRAGMA synchronous = FULL");
// Waits for the writer and copies the whole log; its first column is 1 when
// it could not.
const QString FullCheckpoint = QStringLiteral("PRAGMA wal_checkpoint(FULL)");

// Reading only.
const QString LogSuffix = QStringLiteral("-wal");
const QString ReadOnlyOption = QStringLiteral(";QSQLITE_OPEN_READONLY");
const QString UriOption = QStringLiteral(";QSQLITE_OPEN_URI");
// The file is read as it stands: no locks, no log, no index beside it.
const QString AsItStands = QStringLiteral("?immutable=1");

QString nextGeneratedName() {
  static quint64 counter = 0;
  QString name;
  do {
    name = GeneratedNamePrefix + QString::number(++counter);
  } while (QSqlDatabase::contains(name));
  return name;
}

QString declaredType(const FieldDef& field) {
  switch (field.type) {
    case FieldType::Long: return QStringLiteral("INTEGER");
    case FieldType::Single: return QStringLiteral("REAL");
    case FieldType::Double: return QStringLiteral("DOUBLE");
    case FieldType::Text: return QStringLiteral("TEXT(%1) COLLATE NOCASE").arg(field.textSize());
  }
  return {};
}

std::optional<FieldDef> fieldFromDeclared(const QString& name, const QString& declared) {
  static const QRegularExpression text(QStringLiteral("^TEXT\\((\\d+)\\)"), QRegularExpression::CaseInsensitiveOption);
  const QString type = declared.trimmed().toUpper();
  if (type == QLatin1String("INTEGER")) return FieldDef{name, FieldType::Long, 0};
  if (type == QLatin1String("REAL")) return FieldDef{name, FieldType::Single, 0};
  if (type == QLatin1String("DOUBLE")) return FieldDef{name, FieldType::Double, 0};
  const auto match = text.match(type);
  if (match.hasMatch()) return FieldDef{name, FieldType::Text, match.captured(1).toInt()};
  return std::nullopt;
}

QString primaryIndexNameIn(const QString& createSql) {
  static const QRegularExpression constraint(
      QStringLiteral("CONSTRAINT\\s+\"((?:[^\"]|\"\")*)\"\\s+PRIMARY\\s+KEY"),
      QRegularExpression::CaseInsensitiveOption);
  const auto match = constraint.match(createSql);
  return match.hasMatch() ? match.captured(1).replace(QLatin1String("\"\""), QLatin1String("\"")) : QString();
}

bool validDefinition(const TableDef& table, QString* error) {
  if (!isValidName(table.name())) return *error = QStringLiteral("invalid table name"), false;
  if (table.fields().isEmpty()) return *error = QStringLiteral("a table needs fields"), false;
  for (int i = 0; i < table.fields().size(); ++i) {
    const FieldDef& field = table.fields()[i];
    if (!isValidName(field.name)) return *error = QStringLiteral("invalid field name"), false;
    if (table.indexOf(field.name) != i) return *error = QStringLiteral("duplicate field name"), false;
    if (field.type == FieldType::Text && (field.size < 0 || field.textSize() > MaxTextSize))
      return *error = QStringLiteral("invalid text size"), false;
  }
  if (table.hasPrimaryIndex() &&
      (table.indexOf(table.primaryKeyField()) < 0 || !isValidName(table.primaryIndexName())))
    return *error = QStringLiteral("invalid primary index"), false;
  return true;
}

}  // namespace

void Database::setError(const QSqlError& error) const {
  // SQLite's primary result codes of the file rather than the statement:
  // read-only, input/output error, corrupt, full, cannot open, not a database.
  static const std::set<int> storageCodes{8, 10, 11, 13, 14, 26};
  constexpr int PrimaryCodeMask = 0xff;
  bool isNumber = false;
  const int code = error.nativeErrorCode().toInt(&isNumber);
  lastError_ = error.text();
  storageError_ = isNumber && storageCodes.count(code & PrimaryCodeMask) > 0;
}

Database::Database() = default;

Database::~Database() {
  close();
  if (!connectionName_.isEmpty() && QSqlDatabase::contains(connectionName_))
    QSqlDatabase::removeDatabase(connectionName_);
}

bool Database::open(const QString& filePath, const QString& connectionName) {
  if (!openConnection(filePath, connectionName, ConnectOptions, filePath)) return false;
  QSqlDatabase db = connection();
  for (const QString& pragma : {JournalMode, SyncMode}) QSqlQuery(pragma, db).finish();
  return true;
}

bool Database::openForReading(const QString& filePath) {
  if (!QFileInfo(filePath).isFile()) {
    close();
    setError(QStringLiteral("no database file ") + filePath);
    return false;
  }
  // While the log holds nothing and no other connection could write, the file
  // alone holds every commit: it is read as it stands, without the locks and
  // the shared-memory index that would need room beside it. Otherwise the log
  // is read as well, through the index that the connections to it keep; a
  // connection reading as it stands would not see another's later commits.
  const QFileInfo log(filePath + LogSuffix);
  const bool fileHoldsAll = (!log.exists() || log.size() == 0) && !DatabaseLockFile::openElsewhere(this, filePath);
  QString options = ConnectOptions + ReadOnlyOption;
  QString name = filePath;
  if (fileHoldsAll) {
    options += UriOption;
    name = QUrl::fromLocalFile(QFileInfo(filePath).absoluteFilePath()).toString(QUrl::FullyEncoded) + AsItStands;
  }
  if (!openConnection(filePath, QString(), options, name)) return false;
  if (!select(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
    const QString why = lastError_;
    const bool storage = storageError_;
    close();
    lastError_ = why;
    storageError_ = storage;
    return false;
  }
  return true;
}

bool Database::openConnection(const QString& filePath, const QString& connectionName, const QString& options,
                              const QString& databaseName) {
  close();
  const QString name = connectionName.isEmpty() ? nextGeneratedName() : connectionName;
  if (name != connectionName_) {
    if (QSqlDatabase::contains(name)) {
      setError(QStringLiteral("connection name in use: ") + name);
      return false;
    }
    if (!connectionName_.isEmpty() && QSqlDatabase::contains(connectionName_))
      QSqlDatabase::removeDatabase(connectionName_);
    connectionName_ = name;
  }
  QSqlDatabase db = QSqlDatabase::contains(name) ? QSqlDatabase::database(name, false)
                                                 : QSqlDatabase::addDatabase(SqliteDriver, name);
  db.setDatabaseName(databaseName);
  db.setConnectOptions(options);
  filePath_ = filePath;
  if (!QFileInfo(filePath).absoluteDir().exists()) {
    setError(QStringLiteral("no folder for ") + filePath);
    return false;
  }
  if (!db.open()) {
    setError(db.lastError().text());
    db.close();
    return false;
  }
  ++openSerial_;
  open_ = true;
  DatabaseLockFile::opened(this, filePath_);
  return true;
}

void Database::close() {
  if (!isOpen()) return;
  if (inTransaction_) commit();
  connection().close();
  inTransaction_ = false;
  open_ = false;
  ++openSerial_;
  DatabaseLockFile::closed(this, filePath_);
}

bool Database::isOpen() const { return open_; }

QSqlDatabase Database::connection() const { return QSqlDatabase::database(connectionName_, false); }

QStringList Database::tableNames() const {
  if (!isOpen()) return {};
  return connection().tables(QSql::Tables);
}

bool Database::hasTable(const QString& table) const {
  return tableNames().contains(table, Qt::CaseInsensitive);
}

std::optional<TableDef> Database::tableDef(const QString& table) const {
  const auto master = select(QStringLiteral("SELECT name, sql FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE"),
                             {table});
  if (!master || master->isEmpty()) return std::nullopt;
  TableDef def(master->first().value(0).toString());
  const auto columns = select(QStringLiteral("PRAGMA table_info(%1)").arg(quoteIdentifier(def.name())));
  if (!columns) return std::nullopt;
  QString key;
  for (const QSqlRecord& column : *columns) {
    const auto field = fieldFromDeclared(column.value(QStringLiteral("name")).toString(),
                                         column.value(QStringLiteral("type")).toString());
    if (!field) return std::nullopt;
    def.append(*field);
    if (column.value(QStringLiteral("pk")).toInt() == 1) key = field->name;
  }
  if (!key.isEmpty()) def.setPrimaryIndex(primaryIndexNameIn(master->first().value(1).toString()), key);
  return def;
}

bool Database::createTable(const TableDef& table) {
  QString error;
  if (!validDefinition(table, &error)) {
    setError(error);
    return false;
  }
  QStringList columns;
  for (const FieldDef& field : table.fields())
    columns << quoteIdentifier(field.name) + QLatin1Char(' ') + declaredType(field);
  if (table.hasPrimaryIndex())
    columns << QStringLiteral("CONSTRAINT %1 PRIMARY KEY (%2)")
                   .arg(quoteIdentifier(table.primaryIndexName()), quoteIdentifier(table.primaryKeyField()));
  const QString sql = QStringLiteral("CREATE TABLE %1 (%2)").arg(quoteIdentifier(table.name()), columns.join(QStringLiteral(", ")));
  return exec(sql).has_value();
}

bool Database::dropTable(const QString& table) {
  return exec(QStringLiteral("DROP TABLE %1").arg(quoteIdentifier(table))).has_value();
}

bool Database::beginTransaction() {
  if (inTransaction_) return true;
  if (!isOpen() || !connection().transaction()) {
    if (isOpen()) {
      setError(connection().lastError());
    } else {
      setError(QStringLiteral("database not open"));
    }
    return false;
  }
  inTransaction_ = true;
  return true;
}

bool Database::commit() {
  if (!inTransaction_) return true;
  inTransaction_ = false;
  if (!isOpen()) return false;
  if (connection().commit()) return true;
  setError(connection().lastError());
  connection().rollback();
  return false;
}

bool Database::rollback() {
  if (!inTransaction_) return true;
  inTransaction_ = false;
  return isOpen() && connection().rollback();
}

std::optional<QSqlQuery> Database::exec(const QString& sql, const QVariantList& values) const {
  if (!isOpen()) {
    setError(QStringLiteral("database not open"));
    return std::nullopt;
  }
  QSqlQuery query(connection());
  if (!query.prepare(sql)) {
    setError(query.lastError().text());
    return std::nullopt;
  }
  for (const QVariant& value : values) query.addBindValue(value);
  if (!query.exec()) {
    setError(query.lastError());
    return std::nullopt;
  }
  return query;
}

std::optional<QList<QSqlRecord>> Database::select(const QString& sql, const QVariantList& values) const {
  auto query = exec(sql, values);
  if (!query) return std::nullopt;
  QList<QSqlRecord> rows;
  while (query->next()) rows.append(query->record());
  return rows;
}

void Database::closeAllConnections(const QString& filePath) {
  for (Database* db : DatabaseLockFile::connections(filePath)) db->close();
}

bool Database::removeFile(const QString& filePath) {
  closeAllConnections(filePath);
  for (const char* suffix : {"-journal", "-wal", "-shm"}) QFile::remove(filePath + QLatin1String(suffix));
  QFile::remove(filePath);
  return !QFileInfo::exists(filePath);
}

bool Database::renameFile(const QString& filePath, const QString& newPath) {
  closeAllConnections(filePath);
  if (!QFile::rename(filePath, newPath)) return false;
  // Committed rows the log alone holds would be missing from the file moved
  // aside: without its log the file goes back.
  const bool logMoved =
      !QFile::exists(filePath + LogSuffix) || QFile::rename(filePath + LogSuffix, newPath + LogSuffix);
  if (!logMoved) {
    QFile::rename(newPath, filePath);
    return false;
  }
  QFile::remove(filePath + QStringLiteral("-shm"));
  return true;
}

bool Database::syncToDisk(const QString& filePath) {
  if (!QFileInfo::exists(filePath)) return true;
  {
    Database db;
    if (!db.open(filePath)) return false;
    const auto result = db.exec(FullSyncMode) ? db.select(FullCheckpoint) : std::nullopt;
    if (!result || result->isEmpty()) return false;
    // A read still open on an older state (this process's own cannot end
    // while this waits) keeps the checkpoint from copying the whole log. What
    // the log holds is committed all the same and is read back from it after
    // a power loss, so then the log itself goes to the disk.
    const bool checkpointed = result->first().value(0).toInt() == 0;
    if (!checkpointed && !syncPath(filePath + LogSuffix)) return false;
  }
  // A file made new by the work (a download recreates it) needs its name on
  // the disk too; so does a log left beside it.
  return syncFileAndFolder(filePath);
}

}  // namespace platform::db
