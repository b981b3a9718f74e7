#pragma once

#include <optional>

#include "mainwindow/grids/GridColumns.h"

class QTableView;

namespace mainwindow {

class RecordGridModel;

// Shows, hides and locks the columns of a grid by their field names.
void applyColumnRules(QTableView& grid, RecordGridModel& model, GridKind kind, int Model_Code);
void applyAfterEditColumnRules(QTableView& grid, RecordGridModel& model);

// Gives every column of the grid (hidden ones included) the width of the
// column rule for a grid width in twips; a grid whose divisor would be 0
// keeps its widths. Returns the width given, in twips, if any.
std::optional<float> applyColumnWidths(QTableView& grid, GridKind kind, float gridWidthTwips, float factor);

}  // namespace mainwindow
