#pragma once

#include <QString>
#include <QStringList>

namespace instrument {

// The names of a table list (each followed by one blank), in list order. A
// name not followed by a blank is left out, as is the empty name between two
// blanks in a row.
QStringList listedTables(const QString& tableList);

// The table of a listed name: every "." removed, as the database never keeps
// one in a table name.
QString listedTable(const QString& listed);
// The table of a density-gauge project id: "P" and the id without its dots.
QString projectTable(const QString& listedId);

// The names without those whose table an earlier name already gives (ids 12.5
// and 125 are both the table P125), so no table is written twice.
QStringList withoutRepeatedTables(const QStringList& names, bool projectIds);

}  // namespace instrument
