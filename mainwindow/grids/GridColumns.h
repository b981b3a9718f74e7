#pragma once

#include <QList>
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
// to the readings grid; MAXD in the header grid is the one editable cell,
// except for the N2600A, whose tables hold no density or percent compaction
// to recompute from it.
ColumnRule selectionColumnRule(GridKind grid, QStringView field, int Model_Code);

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

// The widths of the shown columns of a grid, whose texts need contentWidths:
// each gets the rule's width or what its texts need, whichever is more, while
// they all fit the room inside the grid's frame and beside its vertical
// scroll bar. When they do not, each gets what its texts need and an even
// share of what room is left; the last column takes what the shares leave
// over, so it ends at the room's edge and is never cut. When even the texts
// do not fit, each keeps what its texts need and the grid scrolls sideways.
QList<int> fitShownColumns(int ruleWidth, int room, const QList<int>& contentWidths);

}  // namespace mainwindow
