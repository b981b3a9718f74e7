#pragma once

#include <QString>
#include <QStringList>

namespace report {

// The lines of a remarks column's data text, one per data row: each row's
// text is ended by a carriage return, and a free column (a single blank) has
// none.
QStringList remarkLines(const QString& columnText);

}  // namespace report
