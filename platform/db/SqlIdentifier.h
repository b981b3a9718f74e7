#pragma once

#include <QString>
#include <QStringView>

namespace platform::db {

// Every identifier that reaches SQL goes through quoteIdentifier: it is put in
// double quotes with inner quotes doubled, so a name taken from instrument text
// can never change the statement. Values are always bound, never pasted.
QString quoteIdentifier(QStringView name);

// The longest table or field name the database accepts.
inline constexpr int MaxNameLength = 64;

// Whether the name is acceptable as a table or field name: not empty, at most
// MaxNameLength characters, no leading blank, no control character and none of
// . ! ` [ ] "
bool isValidName(QStringView name);

}  // namespace platform::db
