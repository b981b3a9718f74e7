#pragma once

#include <QString>
#include <QVariantList>

#include <optional>

#include "mainwindow/tree/ProjectTree.h"

namespace mainwindow {

// A clicked node of the project tree as the selection sees it: its kind, its
// text and the table-list entry it belongs to.
struct TreeClick {
  TreeNodeKind kind = TreeNodeKind::Root;
  QString text;
  QString listEntry;
};

// A condition on a table: SQL with quoted identifiers and "?" for each value.
struct Condition {
  QString where;
  QVariantList values;
};

// What a tree click selects and which records the two grids read.
struct Selection {
  QString Table_Name;  // the selected table; for the density gauges the project id without dots
  QString Test_Name;   // density gauges: the sample type's text upper-cased; otherwise "NONE"
  QString projectId;   // density gauges: the project id as the tree shows it, dots kept; otherwise empty
  QString table;       // the table of the working database
  bool readingsShown = true;  // false for the stiffness gauge's table of later runs
  Condition rows;
  Condition header;
  // N2600A tables hold no header record: the first reading of the selected
  // sample type stands in for it (headerFor below).
  bool headerFromFirstReading = false;
};

inline const QString NoTestName = QStringLiteral("NONE");

// The selection a click makes, or nothing when the click selects nothing: a
// root, a density-gauge project node, a repeated click on the test or run
// shown (unless a download came in between) or an unknown model.
std::optional<Selection> selectionFor(int Model_Code, const TreeClick& click, const QString& Table_Name,
                                      bool New_Download);

// The N2600A header condition: the reading numbered firstReading, or the
// (missing) record 0 when the sample type has no readings.
Condition n2600aHeader(std::optional<qint64> firstReading);

}  // namespace mainwindow
