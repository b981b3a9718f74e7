#include "platform/db/Recordset.h"

#include <QSqlError>
#include <QSqlField>
#include <QSqlRecord>
#include <algorithm>
#include <optional>

#include "platform/db/Database.h"
#include "platform/db/FieldValue.h"
#include "platform/db/SqlIdentifier.h"

namespace platform::db {
namespace {

const QString RowIdColumn = QStringLiteral("rowid");

enum class Mode { Browse, Adding, Editing };

struct Row {
  qint64 rowId = 0;
  QVariantList values;
};

FieldType typeOfValue(const QSqlField& field) {
  switch (field.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong: return FieldType::Long;
    case QMetaType::Double:
    case QMetaType::Float: return FieldType::Double;
    default: return FieldType::Text;
  }
}

}  // namespace

struct Recordset::State {
  Database* db = nullptr;
  quint64 serial = 0;
  bool open = false;
  bool updatable = false;
  TableDef def;
  QList<FieldDef> fields;
  QString selectSql;
  QVariantList selectValues;
  bool loaded = false;
  bool stale = false;
  QList<Row> rows;
  qsizetype position = 0;  // -1 before the first row, rows.size() after the last
  Mode mode = Mode::Browse;
  QVariantList buffer;
  qint64 editRowId = 0;
  std::optional<QSqlQuery> insert;
  QString error;
  bool storageError = false;

  bool connected() const { return open && db != nullptr && db->isOpen() && db->openSerial_ == serial; }

  bool fail(const QString& text, bool ofStorage = false) {
    error = text;
    storageError = ofStorage;
    return false;
  }

  bool ensureLoaded() {
    if (!connected()) return fail(QStringLiteral("recordset not open"));
    if (loaded && !stale) return true;
    auto query = db->exec(selectSql, selectValues);
    if (!query) return fail(db->lastError());
    if (!updatable && fields.isEmpty()) {
      const QSqlRecord record = query->record();
      for (int i = 0; i < record.count(); ++i) fields.append(FieldDef{record.fieldName(i), typeOfValue(record.field(i)), 0});
    }
    QList<Row> read;
    const int offset = updatable ? 1 : 0;
    while (query->next()) {
      Row row;
      if (updatable) row.rowId = query->value(0).toLongLong();
      row.values.reserve(fields.size());
      for (int i = 0; i < fields.size(); ++i) {
        const QVariant value = query->value(i + offset);
        row.values.append(value.isNull() ? QVariant() : value);
      }
      read.append(std::move(row));
    }
    rows = std::move(read);
    if (!loaded) position = 0;
    position = std::clamp<qsizetype>(position, rows.isEmpty() ? 0 : -1, rows.size());
    loaded = true;
    stale = false;
    return true;
  }

  bool hasCurrent() const { return position >= 0 && position < rows.size(); }

  bool prepareInsert() {
    if (insert) return true;
    QStringList names, marks;
    for (const FieldDef& field : fields) {
      names << quoteIdentifier(field.name);
      marks << QStringLiteral("?");
    }
    QSqlQuery query(db->connection());
    if (!query.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                           .arg(quoteIdentifier(def.name()), names.join(QLatin1Char(',')), marks.join(QLatin1Char(',')))))
      return fail(query.lastError().text());
    insert = std::move(query);
    return true;
  }

  bool runInsert() {
    if (!prepareInsert()) return false;
    for (int i = 0; i < buffer.size(); ++i) insert->bindValue(i, buffer[i]);
    if (!insert->exec()) {
      db->setError(insert->lastError());
      return fail(db->lastError(), db->lastErrorIsStorage());
    }
    return true;
  }

  bool runUpdate() {
    QStringList sets;
    for (const FieldDef& field : fields) sets << quoteIdentifier(field.name) + QStringLiteral(" = ?");
    QVariantList values = buffer;
    values << editRowId;
    const QString sql = QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?")
                            .arg(quoteIdentifier(def.name()), sets.join(QLatin1Char(',')), RowIdColumn);
    if (!db->exec(sql, values)) return fail(db->lastError(), db->lastErrorIsStorage());
    return true;
  }

  void reset() {
    insert.reset();
    *this = State();
  }
};

Recordset::Recordset() : state_(std::make_unique<State>()) {}
Recordset::~Recordset() = default;

bool Recordset::openTable(Database& db, const QString& table, const QString& where, const QVariantList& values) {
  close();
  State& s = *state_;
  const auto def = db.tableDef(table);
  if (!def) return s.fail(QStringLiteral("no such table: ") + table);
  s.db = &db;
  s.serial = db.openSerial_;
  s.updatable = true;
  s.def = *def;
  s.fields = def->fields();
  QStringList columns{RowIdColumn};
  for (const FieldDef& field : s.fields) columns << quoteIdentifier(field.name);
  s.selectSql = QStringLiteral("SELECT %1 FROM %2").arg(columns.join(QLatin1Char(',')), quoteIdentifier(def->name()));
  if (!where.isEmpty()) s.selectSql += QStringLiteral(" WHERE ") + where;
  s.selectSql += QStringLiteral(" ORDER BY ") +
                 (def->hasPrimaryIndex() ? quoteIdentifier(def->primaryKeyField()) : RowIdColumn);
  s.selectValues = values;
  s.open = true;
  return true;
}

bool Recordset::openQuery(Database& db, const QString& sql, const QVariantList& values) {
  close();
  State& s = *state_;
  s.db = &db;
  s.serial = db.openSerial_;
  s.selectSql = sql;
  s.selectValues = values;
  s.open = true;
  if (s.ensureLoaded()) return true;
  const QString error = s.error;
  close();
  s.error = error;
  return false;
}

void Recordset::close() {
  const QString error = state_->error;
  state_->reset();
  state_->error = error;
}

bool Recordset::isOpen() const { return state_->connected(); }
bool Recordset::isUpdatable() const { return state_->connected() && state_->updatable; }
const QString& Recordset::tableName() const { return state_->def.name(); }
const QList<FieldDef>& Recordset::fields() const {
  if (!state_->updatable) state_->ensureLoaded();
  return state_->fields;
}

int Recordset::fieldIndex(QStringView name) const {
  const QList<FieldDef>& all = fields();
  for (int i = 0; i < all.size(); ++i)
    if (QStringView(all[i].name).compare(name, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

int Recordset::recordCount() { return state_->ensureLoaded() ? static_cast<int>(state_->rows.size()) : 0; }

bool Recordset::bof() {
  if (!state_->ensureLoaded()) return true;
  return state_->rows.isEmpty() || state_->position < 0;
}

bool Recordset::eof() {
  if (!state_->ensureLoaded()) return true;
  return state_->rows.isEmpty() || state_->position >= state_->rows.size();
}

bool Recordset::moveFirst() {
  cancelUpdate();
  if (!state_->ensureLoaded()) return false;
  if (state_->rows.isEmpty()) return state_->fail(QStringLiteral("no current record"));
  state_->position = 0;
  return true;
}

bool Recordset::moveLast() {
  cancelUpdate();
  if (!state_->ensureLoaded()) return false;
  if (state_->rows.isEmpty()) return state_->fail(QStringLiteral("no current record"));
  state_->position = state_->rows.size() - 1;
  return true;
}

bool Recordset::moveNext() {
  cancelUpdate();
  if (!state_->ensureLoaded()) return false;
  if (state_->position >= state_->rows.size()) return state_->fail(QStringLiteral("no current record"));
  ++state_->position;
  return true;
}

bool Recordset::movePrevious() {
  cancelUpdate();
  if (!state_->ensureLoaded()) return false;
  if (state_->position < 0) return state_->fail(QStringLiteral("no current record"));
  --state_->position;
  return true;
}

QVariant Recordset::value(QStringView field) const { return value(fieldIndex(field)); }

QVariant Recordset::value(int fieldIndex) const {
  State& s = *state_;
  if (fieldIndex < 0 || fieldIndex >= s.fields.size()) return {};
  if (s.mode != Mode::Browse) return s.buffer.value(fieldIndex);
  if (!s.ensureLoaded() || !s.hasCurrent()) return {};
  return s.rows[s.position].values.value(fieldIndex);
}

bool Recordset::isNull(QStringView field) const { return value(field).isNull(); }

bool Recordset::addNew() {
  State& s = *state_;
  if (!s.connected() || !s.updatable) return s.fail(QStringLiteral("recordset not updatable"));
  s.mode = Mode::Adding;
  if (s.buffer.size() != s.fields.size()) s.buffer = QVariantList(s.fields.size());
  for (QVariant& value : s.buffer) value = QVariant();  // the buffer is reused row after row
  return true;
}

bool Recordset::edit() {
  State& s = *state_;
  if (!s.connected() || !s.updatable) return s.fail(QStringLiteral("recordset not updatable"));
  if (!s.ensureLoaded() || !s.hasCurrent()) return s.fail(QStringLiteral("no current record"));
  s.mode = Mode::Editing;
  s.buffer = s.rows[s.position].values;
  s.editRowId = s.rows[s.position].rowId;
  return true;
}

bool Recordset::setValue(QStringView field, const QVariant& value) {
  const int index = fieldIndex(field);
  if (index < 0) return state_->fail(QStringLiteral("no such field: ") + field.toString());
  return setValue(index, value);
}

bool Recordset::setValue(int fieldIndex, const QVariant& value) {
  State& s = *state_;
  if (s.mode == Mode::Browse) return s.fail(QStringLiteral("no addNew or edit pending"));
  if (fieldIndex < 0 || fieldIndex >= s.fields.size()) return s.fail(QStringLiteral("no such field"));
  const auto converted = toFieldValue(s.fields[fieldIndex], value, &s.error);
  if (!converted) return false;
  s.buffer[fieldIndex] = *converted;
  return true;
}

bool Recordset::update() {
  State& s = *state_;
  if (!s.connected()) return s.fail(QStringLiteral("recordset not open"));
  if (s.mode == Mode::Browse) return s.fail(QStringLiteral("no addNew or edit pending"));
  if (s.def.hasPrimaryIndex() && s.buffer.value(s.def.indexOf(s.def.primaryKeyField())).isNull())
    return s.fail(QStringLiteral("the primary key cannot be Null"));
  const bool ok = s.mode == Mode::Adding ? s.runInsert() : s.runUpdate();
  if (!ok) return false;
  s.mode = Mode::Browse;
  if (s.loaded) s.stale = true;
  return true;
}

void Recordset::cancelUpdate() { state_->mode = Mode::Browse; }

bool Recordset::isEditing() const { return state_->mode != Mode::Browse; }
QString Recordset::lastError() const { return state_->error; }
bool Recordset::lastErrorIsStorage() const { return state_->storageError; }

}  // namespace platform::db
