#pragma once

#include <QObject>
#include <QRectF>
#include <QSizeF>

#include <optional>

#include "mainwindow/dataview/WindowPlacement.h"

class QWidget;

namespace mainwindow {

class MainWindow;

// Applies the main window's size rules (WindowPlacement) to its widgets on
// every resize and tab switch: the window's minimum size, the data tab's
// tree, grids, column widths and buttons, the report tab strip and the
// chart. Positions are kept in twips and converted only through Twips.h.
class WindowLayout : public QObject {
 public:
  explicit WindowLayout(MainWindow& main);

  void Form_Resize();

  // A tab page placed in the tab strip (its place is known only then) lays
  // its controls out again.
  bool eventFilter(QObject* watched, QEvent* event) override;

  // Whether the data tab shows the stiffness gauge's table of later runs.
  bool run21View() const;
  // The tab strip's size in twips, as the rules see it.
  QSizeF mainTabTwips() const;
  // The tree's width in twips: wide enough for its texts, or as the user
  // dragged it, never below the design width nor so wide that the grids
  // lose their minimum width.
  double treeWidth() const;
  // The user drags the handle between tree and grids.
  void startTreeDrag();
  void dragTree(int pixels);

  // Design positions of the data tab's fixed controls, in the tab strip's
  // twips (the sizes that follow the window come from the rules).
  static constexpr double ControlLeft = 120;
  static constexpr double LabelTop = 480;
  static constexpr double CaptionTop = 780;
  static constexpr double GridsTop = 1020;
  static constexpr double TreeWidth = DesignTreeWidth;
  static constexpr double GridLeft = 1950;
  static constexpr double LabelHeight = 240;
  static constexpr double ReadingsBelowHeader = 250;
  static constexpr double ButtonHeight = 375;
  static constexpr double GraphLeft = 240;
  static constexpr double GraphTop = 600;
  static constexpr double MinimumGridWidth = 3000;

 private:
  void keepMinimumSize();
  void placeDataTab(const DataTabPlacement& p);
  void placeReportTab(const ReportTabPlacement& p);
  void placeGraph(QSizeF size);
  // Places a widget of a tab page by a rectangle in the tab strip's twips.
  void place(QWidget& widget, const QRectF& twips) const;
  double toTwips(int pixels) const;
  int toPixels(double twips) const;

  double treeFittedToTexts() const;

  MainWindow& main_;
  bool placing_ = false;  // a pass is running: its own moves start none
  std::optional<double> draggedTreeWidth_;  // twips, once the user has dragged
  double dragStartWidth_ = TreeWidth;
};

}  // namespace mainwindow
