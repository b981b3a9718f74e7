#include "mainwindow/DataGrids.h"

#include <QHeaderView>
#include <QTableView>

#include "mainwindow/RecordGridModel.h"
#include "platform/core/Twips.h"

namespace mainwindow {
namespace {

void applyRule(QTableView& grid, RecordGridModel& model, int column, ColumnRule rule) {
  grid.setColumnHidden(column, !rule.visible);
  model.setColumnEditable(column, rule.editable);
}

}  // namespace

void applyColumnRules(QTableView& grid, RecordGridModel& model, GridKind kind) {
  for (int column = 0; column < model.columnCount(); ++column)
    applyRule(grid, model, column, selectionColumnRule(kind, model.fields()[column].name));
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
  for (int column = 0; column < count; ++column) grid.setColumnWidth(column, pixels);
  grid.viewport()->update();
  return width;
}

}  // namespace mainwindow
