#pragma once

#include <QString>
#include <QStringView>

namespace platform::db {
class Recordset;
}

// Stores a printout token into a field of the row being written, converted
// strictly for the field's type. Each returns false, leaving the field as it
// was, when the token does not convert (not a number, out of the field's range,
// text too long) or the recordset refuses the value.
namespace instrument::tokenfields {

// Long: the value rounded to the nearest whole number, halves to the even one.
bool setLong(platform::db::Recordset& rs, const QString& field, QStringView token);
// Single: a single-precision number.
bool setSingle(platform::db::Recordset& rs, const QString& field, QStringView token);
// Text: stored as given; an empty text is a missing value and leaves the
// field Null.
bool setText(platform::db::Recordset& rs, const QString& field, const QString& text);

// The name without any ".", as the table creator makes it.
QString withoutDots(QStringView name);

}  // namespace instrument::tokenfields
