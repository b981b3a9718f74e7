#pragma once

#include <QStringView>

#include <optional>

namespace mainwindow {

// Which of the two data grids a column belongs to.
enum class GridKind { Readings, Header };

// How a grid shows one field.
struct ColumnRule {
  bool visible = false;
  bool editable = false;
};

// The column rule applied when a table is selected: header fields (and the
// channel names, run header and time) go to the header grid, everything else
// to the readings grid; MAXD in the header grid is the one editable cell.
ColumnRule selectionColumnRule(GridKind grid, QStringView field);

// The readings grid's rule after a header edit: a shorter list of hidden
// fields, so the channel names, run header and time show there.
ColumnRule afterEditColumnRule(QStringView field);

// Column width factors of the two grids by model code; 0 for an unknown model.
struct WidthFactors {
  float readings = 0.0F;
  float header = 0.0F;
};
WidthFactors widthFactors(int Model_Code);

// The width of every column of a grid of gridWidth twips with columnCount
// columns (hidden ones included): gridWidth × factor ÷ n, where n is the count
// less one for the readings grid and the count for the header grid. Nothing
// when n is below 1: the columns keep their widths.
std::optional<float> columnWidth(GridKind grid, float gridWidth, float factor, int columnCount);

}  // namespace mainwindow
