#pragma once

#include <QString>

#include "platform/db/FieldType.h"

namespace platform::db {

// One field of a table definition. size only applies to Text; 0 means the
// default size.
struct FieldDef {
  QString name;
  FieldType type = FieldType::Text;
  int size = 0;

  int textSize() const { return size > 0 ? size : DefaultTextSize; }
  // Same name, type and, for Text, the same effective size.
  bool operator==(const FieldDef& other) const {
    return name == other.name && type == other.type && (type != FieldType::Text || textSize() == other.textSize());
  }
};

}  // namespace platform::db
