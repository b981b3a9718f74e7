#pragma once

#include <QPointF>
#include <QSizeF>

#include <optional>

namespace mainwindow {

// The main window's size rules, in twips. Steps 1 and 2 keep the window at
// its minimum size, steps 3 and 4 size the tab strip, and the rest place the
// controls of the tab shown from the tab strip's size.

inline constexpr double MinimumWindowWidth = 7635;
// The tree's width in the design; the user may widen it.
inline constexpr double DesignTreeWidth = 1750;
inline constexpr double MinimumWindowHeight = 7335;

// The window size after the minimum size rule.
QSizeF keepMinimumSize(QSizeF window);
// The tab strip's size for a window size.
QSizeF mainTabSize(QSizeF window);

// What the rules need besides the tab strip's size.
struct PlacementInputs {
  int tab = 0;               // 0 data, 1 report, 2 graph
  bool run21View = false;    // the stiffness gauge's table of later runs is shown
  int Model_Code = 0;
  bool reportEditLoaded = false;  // the report area is in a window of its own
  double treeWidth = 0;
  double loadWidth = 0;      // Load_DB
  double saveAllWidth = 0;   // Save_DB
  double saveSelectedWidth = 0;
};

struct DataTabPlacement {
  double treeHeight = 0;
  double treeWidening = 0;  // the tree's width beyond DesignTreeWidth, taken from the grids
  QSizeF readings;       // DataGrid1
  bool readingsShown = true;  // false: DataGrid1 keeps its visibility (the view of the later runs)
  QSizeF header;         // DataGrid2
  float readingsFactor = 0;
  float headerFactor = 0;
  QPointF loadDb;        // Load_DB left, top
  QPointF saveDb;        // Save_DB
  QPointF saveSelected;  // save_selected
};

struct ReportTabPlacement {
  QSizeF reportTab;  // ReportTab
  QSizeF viewers;    // both CRViewer1
};

struct ControlPlacement {
  std::optional<DataTabPlacement> data;      // tab 0 shown
  std::optional<ReportTabPlacement> report;  // tab 1 shown
  QSizeF graph;                              // MSGraph, always
};

ControlPlacement placeControls(QSizeF mainTab, const PlacementInputs& inputs);

}  // namespace mainwindow
