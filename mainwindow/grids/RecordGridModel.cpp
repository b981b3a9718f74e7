#include "mainwindow/grids/RecordGridModel.h"

#include <QLocale>
#include <QSqlError>
#include <QSqlQuery>

#include <cmath>

#include "instrument/ProjectValues.h"
#include "platform/db/Database.h"
#include "platform/db/SqlIdentifier.h"

namespace mainwindow {
namespace {

const QString RowIdOrder = QStringLiteral("rowid");
// Whole numbers up to this size show without a fraction.
constexpr double WholeNumberLimit = 1e15;

}  // namespace

RecordGridModel::RecordGridModel(QObject* parent) : QAbstractTableModel(parent) {}

bool RecordGridModel::fail(const QString& error) const {
  error_ = error;
  return false;
}

void RecordGridModel::clearRows() {
  db_ = nullptr;
  table_.clear();
  where_.clear();
  values_.clear();
  fields_.clear();
  keyField_.clear();
  order_.clear();
  rowCount_ = 0;
  pages_.clear();
  editable_.clear();
}

bool RecordGridModel::open(platform::db::Database& db, const QString& table, const QString& where,
                           const QVariantList& values) {
  beginResetModel();
  clearRows();
  db_ = &db;
  table_ = table;
  where_ = where;
  values_ = values;
  Shape shape;
  const bool ok = readShape(shape);
  if (ok) {
    fields_ = std::move(shape.fields);
    keyField_ = std::move(shape.keyField);
    order_ = std::move(shape.order);
    rowCount_ = shape.count;
    editable_ = QList<bool>(fields_.size(), false);
    error_.clear();
  } else {
    clearRows();
  }
  endResetModel();
  return ok;
}

bool RecordGridModel::requery() {
  if (db_ == nullptr) return false;
  Shape shape;
  if (!readShape(shape)) return false;
  pages_.clear();
  if (shape.fields == fields_ && shape.count == rowCount_) {
    if (rowCount_ > 0 && !fields_.isEmpty())
      emit dataChanged(index(0, 0), index(rowCount_ - 1, static_cast<int>(fields_.size()) - 1));
    return true;
  }
  beginResetModel();
  if (shape.fields != fields_) editable_ = QList<bool>(shape.fields.size(), false);
  fields_ = std::move(shape.fields);
  keyField_ = std::move(shape.keyField);
  order_ = std::move(shape.order);
  rowCount_ = shape.count;
  endResetModel();
  return true;
}

void RecordGridModel::close() {
  beginResetModel();
  clearRows();
  endResetModel();
}

bool RecordGridModel::readShape(Shape& shape) {
  using platform::db::quoteIdentifier;
  if (db_ == nullptr || !db_->isOpen()) return fail(QStringLiteral("database not open"));
  const auto def = db_->tableDef(table_);
  if (!def) return fail(QStringLiteral("no such table: ") + table_);
  table_ = def->name();
  shape.fields = def->fields();
  shape.keyField = def->primaryKeyField();
  shape.order = shape.keyField.isEmpty() ? RowIdOrder : quoteIdentifier(shape.keyField);
  QString sql = QStringLiteral("SELECT COUNT(*) FROM %1").arg(quoteIdentifier(table_));
  if (!where_.isEmpty()) sql += QStringLiteral(" WHERE ") + where_;
  auto count = db_->exec(sql, values_);
  if (!count || !count->next()) return fail(db_->lastError());
  shape.count = count->value(0).toInt();
  return true;
}

QString RecordGridModel::selectSql(const QStringList& columns) const {
  QString sql = QStringLiteral("SELECT %1 FROM %2")
                    .arg(columns.join(QLatin1Char(',')), platform::db::quoteIdentifier(table_));
  if (!where_.isEmpty()) sql += QStringLiteral(" WHERE ") + where_;
  return sql + QStringLiteral(" ORDER BY ") + order_;
}

const QVariantList* RecordGridModel::page(int number) const {
  if (const auto found = pages_.constFind(number); found != pages_.cend()) return &found.value();
  if (db_ == nullptr || !db_->isOpen()) return nullptr;
  QStringList columns;
  for (const platform::db::FieldDef& field : fields_) columns << platform::db::quoteIdentifier(field.name);
  QSqlQuery query(db_->connection());
  query.setForwardOnly(true);
  if (!query.prepare(selectSql(columns) + QStringLiteral(" LIMIT ? OFFSET ?"))) {
    fail(query.lastError().text());
    return nullptr;
  }
  for (const QVariant& value : values_) query.addBindValue(value);
  query.addBindValue(PageRows);
  query.addBindValue(static_cast<qint64>(number) * PageRows);
  if (!query.exec()) {
    fail(query.lastError().text());
    return nullptr;
  }
  QVariantList cells;
  cells.reserve(static_cast<qsizetype>(PageRows) * fields_.size());
  const int width = static_cast<int>(fields_.size());
  while (query.next())
    for (int i = 0; i < width; ++i) cells.append(query.isNull(i) ? QVariant() : query.value(i));
  return &pages_.insert(number, std::move(cells)).value();
}

std::optional<QList<QVariantList>> RecordGridModel::columns(const QStringList& fieldNames) const {
  QStringList quoted;
  for (const QString& name : fieldNames) {
    if (fieldIndex(name) < 0) {
    fail(QStringLiteral("no such field: ") + name);
    return std::nullopt;
  }
    quoted << platform::db::quoteIdentifier(name);
  }
  if (db_ == nullptr || !db_->isOpen()) {
    fail(QStringLiteral("database not open"));
    return std::nullopt;
  }
  QSqlQuery query(db_->connection());
  query.setForwardOnly(true);
  if (!query.prepare(selectSql(quoted))) {
    fail(query.lastError().text());
    return std::nullopt;
  }
  for (const QVariant& value : values_) query.addBindValue(value);
  if (!query.exec()) {
    fail(query.lastError().text());
    return std::nullopt;
  }
  QList<QVariantList> result(fieldNames.size());
  for (QVariantList& column : result) column.reserve(rowCount_);
  while (query.next())
    for (int i = 0; i < result.size(); ++i) result[i].append(query.isNull(i) ? QVariant() : query.value(i));
  return result;
}

int RecordGridModel::fieldIndex(QStringView name) const {
  for (int i = 0; i < fields_.size(); ++i)
    if (QStringView(fields_[i].name).compare(name, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

QVariant RecordGridModel::value(int row, int column) const {
  if (row < 0 || row >= rowCount_ || column < 0 || column >= fields_.size()) return {};
  const QVariantList* cells = page(row / PageRows);
  if (cells == nullptr) return {};
  return cells->value(static_cast<qsizetype>(row % PageRows) * fields_.size() + column);
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
  if (role == Qt::DisplayRole)
    return displayText(value(index.row(), index.column()), fields_.value(index.column()).type);
  if (role == Qt::EditRole) return editText(value(index.row(), index.column()), fields_.value(index.column()).type);
  return {};
}

// A text editor on every digit of the value: a spin box would round it to its
// own decimals, and Enter on an unchanged cell would store that rounding.
QString RecordGridModel::editText(const QVariant& value, platform::db::FieldType type) {
  if (type == platform::db::FieldType::Single && !value.isNull() && value.canConvert<double>())
    return instrument::projectvalues::exactSingleText(value);
  return displayText(value);
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

QString RecordGridModel::displayText(const QVariant& value, platform::db::FieldType type) {
  if (type == platform::db::FieldType::Single && !value.isNull() && value.canConvert<double>())
    return instrument::projectvalues::singleText(value);
  return displayText(value);
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
