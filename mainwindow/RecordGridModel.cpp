#include "mainwindow/RecordGridModel.h"

#include <QLocale>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

#include <cmath>

#include "platform/db/Database.h"
#include "platform/db/SqlIdentifier.h"

namespace mainwindow {
namespace {

const QString RowIdOrder = QStringLiteral("rowid");
// Whole numbers up to this size show without a fraction.
constexpr double WholeNumberLimit = 1e15;

}  // namespace

RecordGridModel::RecordGridModel(QObject* parent) : QAbstractTableModel(parent) {}

bool RecordGridModel::open(platform::db::Database& db, const QString& table, const QString& where,
                           const QVariantList& values) {
  beginResetModel();
  db_ = &db;
  table_ = table;
  where_ = where;
  values_ = values;
  Rows rows;
  const bool ok = read(rows);
  if (ok) {
    fields_ = std::move(rows.fields);
    keyField_ = std::move(rows.keyField);
    cells_ = std::move(rows.cells);
    rowCount_ = rows.count;
    editable_ = QList<bool>(fields_.size(), false);
    error_.clear();
  } else {
    const QString error = error_;
    db_ = nullptr;
    fields_.clear();
    keyField_.clear();
    cells_.clear();
    rowCount_ = 0;
    editable_.clear();
    table_.clear();
    error_ = error;
  }
  endResetModel();
  return ok;
}

bool RecordGridModel::requery() {
  if (db_ == nullptr) return false;
  Rows rows;
  if (!read(rows)) return false;
  const bool sameShape = rows.fields == fields_ && rows.count == rowCount_;
  if (sameShape) {
    cells_ = std::move(rows.cells);
    if (rowCount_ > 0 && !fields_.isEmpty())
      emit dataChanged(index(0, 0), index(rowCount_ - 1, static_cast<int>(fields_.size()) - 1));
    return true;
  }
  beginResetModel();
  const bool sameFields = rows.fields == fields_;
  fields_ = std::move(rows.fields);
  keyField_ = std::move(rows.keyField);
  cells_ = std::move(rows.cells);
  rowCount_ = rows.count;
  if (!sameFields) editable_ = QList<bool>(fields_.size(), false);
  endResetModel();
  return true;
}

void RecordGridModel::close() {
  beginResetModel();
  db_ = nullptr;
  table_.clear();
  where_.clear();
  values_.clear();
  fields_.clear();
  keyField_.clear();
  cells_.clear();
  rowCount_ = 0;
  editable_.clear();
  endResetModel();
}

bool RecordGridModel::fail(const QString& error) {
  error_ = error;
  return false;
}

bool RecordGridModel::read(Rows& rows) {
  using platform::db::quoteIdentifier;
  if (db_ == nullptr || !db_->isOpen()) return fail(QStringLiteral("database not open"));
  const auto def = db_->tableDef(table_);
  if (!def) return fail(QStringLiteral("no such table: ") + table_);
  rows.fields = def->fields();
  rows.keyField = def->primaryKeyField();
  QStringList columns;
  for (const platform::db::FieldDef& field : rows.fields) columns << quoteIdentifier(field.name);
  QString sql = QStringLiteral("SELECT %1 FROM %2").arg(columns.join(QLatin1Char(',')), quoteIdentifier(def->name()));
  if (!where_.isEmpty()) sql += QStringLiteral(" WHERE ") + where_;
  sql += QStringLiteral(" ORDER BY ") + (rows.keyField.isEmpty() ? RowIdOrder : quoteIdentifier(rows.keyField));

  // Forward only: the rows are copied once, not cached a second time.
  QSqlQuery query(db_->connection());
  query.setForwardOnly(true);
  if (!query.prepare(sql)) return fail(query.lastError().text());
  for (const QVariant& value : values_) query.addBindValue(value);
  if (!query.exec()) return fail(query.lastError().text());
  const int width = static_cast<int>(rows.fields.size());
  while (query.next()) {
    for (int i = 0; i < width; ++i) {
      const QVariant value = query.value(i);
      rows.cells.append(value.isNull() ? QVariant() : value);
    }
    ++rows.count;
  }
  return true;
}

int RecordGridModel::fieldIndex(QStringView name) const {
  for (int i = 0; i < fields_.size(); ++i)
    if (QStringView(fields_[i].name).compare(name, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

QVariant RecordGridModel::value(int row, int column) const {
  if (row < 0 || row >= rowCount_ || column < 0 || column >= fields_.size()) return {};
  return cells_.at(static_cast<qsizetype>(row) * fields_.size() + column);
}

QVariant RecordGridModel::value(int row, QStringView field) const { return value(row, fieldIndex(field)); }

void RecordGridModel::setColumnEditable(int column, bool editable) {
  if (column >= 0 && column < editable_.size()) editable_[column] = editable;
}

int RecordGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rowCount_; }

int RecordGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(fields_.size());
}

QVariant RecordGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  if (role == Qt::DisplayRole) return displayText(value(index.row(), index.column()));
  if (role == Qt::EditRole) return value(index.row(), index.column());
  return {};
}

QVariant RecordGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Horizontal) return section >= 0 && section < fields_.size() ? fields_[section].name : QString();
  return section + 1;
}

Qt::ItemFlags RecordGridModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
  if (editable_.value(index.column(), false)) flags |= Qt::ItemIsEditable;
  return flags;
}

bool RecordGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !index.isValid() || !(flags(index) & Qt::ItemIsEditable) || !editHandler_)
    return false;
  return editHandler_(index.row(), index.column(), value);
}

QString RecordGridModel::displayText(const QVariant& value) {
  if (value.isNull() || !value.isValid()) return {};
  switch (value.metaType().id()) {
    case QMetaType::Double:
    case QMetaType::Float: {
      const double number = value.toDouble();
      if (std::isfinite(number) && std::fabs(number) < WholeNumberLimit && number == std::trunc(number))
        return QString::number(static_cast<qint64>(number));
      return QString::number(number, 'f', QLocale::FloatingPointShortest);
    }
    default: return value.toString();
  }
}

}  // namespace mainwindow
