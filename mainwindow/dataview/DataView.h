#pragma once

#include <QObject>

#include <memory>

#include "mainwindow/dataview/HeaderRowEdit.h"
#include "mainwindow/grids/LoadFrameChart.h"
#include "mainwindow/dataview/ProjectFileCommands.h"
#include "mainwindow/dataview/TreeSelection.h"
#include "mainwindow/dataview/ViewConnection.h"
#include "mainwindow/dataview/WindowLayout.h"

class QTreeWidgetItem;

namespace mainwindow {

class MainWindow;

// The data view of the main window: the connection and record sets behind
// the two grids, the tree selection, the load-frame chart, the header edit,
// the project-file commands and the window layout, wired to the data tab's
// controls.
class DataView : public QObject {
  Q_OBJECT

 public:
  explicit DataView(MainWindow& main);
  ~DataView() override;

  ViewConnection& view() { return view_; }
  TreeSelection& selection() { return selection_; }
  LoadFrameChart& chart() { return chart_; }
  HeaderRowEdit& headerEdit() { return headerEdit_; }
  ProjectFileCommands& files() { return *files_; }
  WindowLayout& layout() { return layout_; }

  // Closes the connection and both record sets (the grids empty): before
  // anything replaces the working database, and at shutdown.
  void closeDatabaseObjects();
  // Empty grids and an empty chart.
  void clearGrids();
  // Shows the selected tree node again, even when it is the table shown.
  void reloadSelection();

 private:
  void wireControls();

  MainWindow& main_;
  ViewConnection view_;
  LoadFrameChart chart_;
  TreeSelection selection_;
  HeaderRowEdit headerEdit_;
  WindowLayout layout_;
  std::unique_ptr<ProjectFileCommands> files_;
  // The node a mouse press has just made current (and selected).
  QTreeWidgetItem* selectedByPress_ = nullptr;
};

}  // namespace mainwindow
