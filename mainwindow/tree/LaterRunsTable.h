#pragma once

#include <QString>

#include "instrument/RunTables.h"

namespace mainwindow {

using instrument::LaterRunsMark;

// Whether the table is the stiffness gauge's shared table of later runs
// (header rows only), decided by its rows in the working database, never by
// its name. False for other models and when there is no working database.
bool isLaterRunsTable(int Model_Code, const QString& table);

}  // namespace mainwindow
