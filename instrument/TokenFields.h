#pragma once

#include <QHash>
#include <QString>
#include <QStringView>

namespace platform::db {
class Recordset;
class TableDef;
}

// Stores a printout token into a field of the row being written, converted
// strictly for the field's type. Each returns false, leaving the field as it
// was, when the token does not convert (not a number, out of the field's range,
// text too long) or the recordset refuses the value.
namespace instrument::tokenfields {

// The positions of a layout's fields, looked up by name once per layout, so
// that a row is written without searching its fields for every value. A
// recordset opened on a table of the layout has its fields in this order.
class FieldPositions {
 public:
  explicit FieldPositions(const platform::db::TableDef& layout);
  // The field's position, -1 for a name the layout does not have.
  int operator[](const QString& field) const { return positions_.value(field, -1); }

 private:
  QHash<QString, int> positions_;
};

// Long: the value rounded to the nearest whole number, halves to the even one.
bool setLong(platform::db::Recordset& rs, int field, QStringView token);
// Single: a single-precision number.
bool setSingle(platform::db::Recordset& rs, int field, QStringView token);
// Text: stored as given; an empty text is a missing value and leaves the
// field Null.
bool setText(platform::db::Recordset& rs, int field, const QString& text);

// The name without any ".", as the table creator makes it.
QString withoutDots(QStringView name);

}  // namespace instrument::tokenfields
