#pragma once

#include <QString>
#include <QStringList>

namespace platform::db {
class Database;
}

namespace instrument {

// Whether a table list belongs to its model code: the code is one of the four
// models, and every listed table the database holds has that model's layout
// (all the fields its parser makes). A list that does not would give a project
// file that holds no table, or none that reads back as the listed ones: the
// writer of each model writes only its own kind of table.
//
// Returns why not, in words for the user; empty when the list fits. Listed
// names are as in the list (ids for the two density gauges); a name the
// database does not hold is not judged here.
QString tableListMisfit(platform::db::Database& db, const QStringList& names, int modelCode);

// The part of tableListMisfit that needs no database: whether the code is one
// of the four models, and why not.
bool isModelCode(int modelCode);
QString modelCodeMisfit(int modelCode);

}  // namespace instrument
