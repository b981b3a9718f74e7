#include "mainwindow/grids/DataGrids.h"

#include <QHeaderView>
#include <QStyle>

#include <algorithm>
#include <QTableView>

#include "mainwindow/grids/RecordGridModel.h"
#include "platform/core/Twips.h"

namespace mainwindow {
namespace {

void applyRule(QTableView& grid, RecordGridModel& model, int column, ColumnRule rule) {
  grid.setColumnHidden(column, !rule.visible);
  model.setColumnEditable(column, rule.editable);
}

// The lines either side of a caption.
constexpr int CaptionFrame = 2;

// The width inside the frame, less the vertical scroll bar when the rows
// need one.
int roomForColumns(const QTableView& grid) {
  const int frame = 2 * grid.frameWidth();
  int room = grid.width() - frame;
  const QAbstractItemModel* model = grid.model();
  const int rows = model != nullptr ? model->rowCount() : 0;
  const int rowsHeight = grid.horizontalHeader()->height() + rows * grid.verticalHeader()->defaultSectionSize();
  const bool scrolls = grid.verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn ||
                       (grid.verticalScrollBarPolicy() == Qt::ScrollBarAsNeeded && rowsHeight > grid.height() - frame);
  if (scrolls) room -= grid.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &grid);
  return room;
}

// What the column's caption and the cells shown need: their text and the
// style's margins, nothing for a sort mark (the grids are not sorted).
int textWidth(const QTableView& grid, int column) {
  const QHeaderView& header = *grid.horizontalHeader();
  const QString caption = grid.model()->headerData(column, Qt::Horizontal).toString();
  const int margin = grid.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, &header);
  const int captionWidth = header.fontMetrics().horizontalAdvance(caption) + 2 * margin + CaptionFrame;
  const QAbstractItemView& view = grid;  // the measure is public here
  return std::max(captionWidth, view.sizeHintForColumn(column));
}

}  // namespace

void applyColumnRules(QTableView& grid, RecordGridModel& model, GridKind kind, int Model_Code) {
  for (int column = 0; column < model.columnCount(); ++column)
    applyRule(grid, model, column, selectionColumnRule(kind, model.fields()[column].name, Model_Code));
}

void applyAfterEditColumnRules(QTableView& grid, RecordGridModel& model) {
  for (int column = 0; column < model.columnCount(); ++column)
    applyRule(grid, model, column, afterEditColumnRule(model.fields()[column].name));
}

std::optional<float> applyColumnWidths(QTableView& grid, GridKind kind, float gridWidthTwips, float factor) {
  QAbstractItemModel* model = grid.model();
  const int count = model != nullptr ? model->columnCount() : 0;
  const std::optional<float> width = columnWidth(kind, gridWidthTwips, factor, count);
  if (!width) return std::nullopt;
  const int pixels = platform::twipsToPixels(*width, grid.logicalDpiX());
  grid.horizontalHeader()->setMinimumSectionSize(1);
  QList<int> shown;
  for (int column = 0; column < count; ++column) {
    grid.setColumnWidth(column, pixels);
    if (!grid.isColumnHidden(column)) shown.append(column);
  }
  QList<int> needed;
  for (int column : shown) needed.append(textWidth(grid, column));
  const QList<int> fitted = fitShownColumns(pixels, roomForColumns(grid), needed);
  for (qsizetype i = 0; i < shown.size(); ++i) grid.setColumnWidth(shown[i], fitted[i]);
  grid.viewport()->update();
  return width;
}

}  // namespace mainwindow
