#pragma once

#include <QWidget>

#include <array>

class QLabel;
class QPushButton;
class QTableView;
class QTreeWidget;

namespace mainwindow {

class TreeSplitter;

// The data tab of the main window: the project tree on the left, the header
// grid and the readings grid on the right, and the three project-file
// buttons below. Tree selection, grids and the file commands are wired up by
// their own classes; the window layout places the controls in twips.
class DataTabPage : public QWidget {
  Q_OBJECT

 public:
  explicit DataTabPage(QWidget* parent = nullptr);

  // Captions of the tab's labels and buttons (set each time the tree is built).
  void setCaptions();

  QLabel* Tab1label = nullptr;
  QLabel* TreeLabel = nullptr;
  QTreeWidget* TreeView1 = nullptr;
  TreeSplitter* Tree_Splitter = nullptr;  // widens the tree
  std::array<QLabel*, 2> Data_Display_label{};  // 0 header grid, 1 readings grid
  QTableView* DataGrid1 = nullptr;  // readings
  QTableView* DataGrid2 = nullptr;  // header record
  QPushButton* Load_DB = nullptr;
  QPushButton* Save_DB = nullptr;
  QPushButton* save_selected = nullptr;
};

}  // namespace mainwindow
