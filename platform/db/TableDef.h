#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include "platform/db/FieldDef.h"

namespace platform::db {

// A table definition: ordered typed fields and one named primary index on one
// field. Field names are looked up without regard to case, as the engine does.
class TableDef {
 public:
  TableDef() = default;
  explicit TableDef(QString name);

  const QString& name() const { return name_; }
  void setName(const QString& name) { name_ = name; }

  void append(const FieldDef& field) { fields_.append(field); }
  const QList<FieldDef>& fields() const { return fields_; }

  // Position of the field, or -1.
  int indexOf(QStringView fieldName) const;
  const FieldDef* field(QStringView fieldName) const;

  void setPrimaryIndex(const QString& indexName, const QString& fieldName);
  bool hasPrimaryIndex() const { return !primaryKeyField_.isEmpty(); }
  const QString& primaryIndexName() const { return primaryIndexName_; }
  const QString& primaryKeyField() const { return primaryKeyField_; }

  bool operator==(const TableDef&) const = default;

 private:
  QString name_;
  QList<FieldDef> fields_;
  QString primaryIndexName_;
  QString primaryKeyField_;
};

}  // namespace platform::db
