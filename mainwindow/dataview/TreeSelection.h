#pragma once

#include <QString>

#include "mainwindow/tree/SelectionQueries.h"

namespace mainwindow {

class LoadFrameChart;
class MainWindow;
class ViewConnection;

// A click on the project tree selects a table of the working database for
// viewing: the readings go into the readings grid, the header record(s) into
// the header grid, the report is reset for the new table and, for the load
// frame, the chart is drawn and its picture saved. What is selected is
// decided by the kind of the node, never by its text alone.
class TreeSelection {
 public:
  TreeSelection(MainWindow& main, ViewConnection& view, LoadFrameChart& chart);

  // Acts on the tree's selected node. Reports nothing.
  void TreeView1_Click();
  // Shows a selection (what a click on its node does after the skip tests).
  void show(const Selection& selection);

 private:
  void resetReport();
  void openRecordsets(const Selection& selection);
  void applyColumns();

  MainWindow& main_;
  ViewConnection& view_;
  LoadFrameChart& chart_;
};

}  // namespace mainwindow
