#include "platform/db/TableDef.h"

namespace platform::db {

TableDef::TableDef(QString name) : name_(std::move(name)) {}

int TableDef::indexOf(QStringView fieldName) const {
  for (int i = 0; i < fields_.size(); ++i)
    if (QStringView(fields_[i].name).compare(fieldName, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

const FieldDef* TableDef::field(QStringView fieldName) const {
  const int i = indexOf(fieldName);
  return i < 0 ? nullptr : &fields_[i];
}

void TableDef::setPrimaryIndex(const QString& indexName, const QString& fieldName) {
  primaryIndexName_ = indexName;
  primaryKeyField_ = fieldName;
}

}  // namespace platform::db
