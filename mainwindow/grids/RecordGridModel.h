#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVariant>
#include <QVariantList>

#include <functional>
#include <optional>

#include "platform/db/FieldDef.h"

namespace platform::db {
class Database;
}

namespace mainwindow {

// A record set of the data view shown by a grid: the rows of one table of the
// working database that meet a condition, in the order of the table's
// primary key. The record count is counted when the set is opened, so it is
// exact however many rows there are; the rows themselves are read a page at a
// time when first shown, so a test of 100,000 readings opens at once. Cells
// are read-only except in the columns marked editable, whose edits go to the
// edit handler.
class RecordGridModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  // Called for an edited cell; true when the value was stored.
  using EditHandler = std::function<bool(int row, int column, const QVariant& value)>;

  explicit RecordGridModel(QObject* parent = nullptr);

  // Opens the rows of table that meet where (an SQL condition with quoted
  // identifiers and "?" for the values). False, and an empty closed model,
  // when the table or the query cannot be read.
  bool open(platform::db::Database& db, const QString& table, const QString& where = QString(),
            const QVariantList& values = {});
  // Reads the rows of the last open again; cells keep their place when the
  // shape is unchanged, so an editor on the grid survives.
  bool requery();
  // No fields, no rows.
  void close();
  bool isOpen() const { return db_ != nullptr; }

  const QString& tableName() const { return table_; }
  const QList<platform::db::FieldDef>& fields() const { return fields_; }
  const QString& keyField() const { return keyField_; }
  int fieldIndex(QStringView name) const;
  int recordCount() const { return rowCount_; }
  QVariant value(int row, int column) const;
  QVariant value(int row, QStringView field) const;
  // Some fields of every row in order, one list per field, read in one pass.
  std::optional<QList<QVariantList>> columns(const QStringList& fieldNames) const;
  const QString& lastError() const { return error_; }

  void setColumnEditable(int column, bool editable);
  void setEditHandler(EditHandler handler) { editHandler_ = std::move(handler); }

  // QAbstractTableModel.
  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

  // The text a grid shows for a value: whole numbers without a fraction,
  // other numbers in their shortest exact form.
  static QString displayText(const QVariant& value);
  // The same for a value of a field: a single-precision value in its shortest
  // single-precision text, without the noise of its widening to double.
  static QString displayText(const QVariant& value, platform::db::FieldType type);
  // The text an editor of the cell starts from: as displayText, but a
  // single-precision value with every digit that gives it back exactly.
  static QString editText(const QVariant& value, platform::db::FieldType type);

  static constexpr int PageRows = 1000;

 private:
  struct Shape {
    QList<platform::db::FieldDef> fields;
    QString keyField;
    QString order;  // the ORDER BY column, quoted
    int count = 0;
  };
  bool readShape(Shape& shape);
  QString selectSql(const QStringList& columns) const;
  const QVariantList* page(int number) const;
  bool fail(const QString& error) const;
  void clearRows();

  platform::db::Database* db_ = nullptr;
  QString table_;
  QString where_;
  QVariantList values_;
  QList<platform::db::FieldDef> fields_;
  QString keyField_;
  QString order_;
  int rowCount_ = 0;
  mutable QHash<int, QVariantList> pages_;  // page number -> its cells, row after row
  QList<bool> editable_;
  EditHandler editHandler_;
  mutable QString error_;
};

}  // namespace mainwindow
