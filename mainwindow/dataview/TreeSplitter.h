#pragma once

#include <QWidget>

namespace mainwindow {

// The handle between the project tree and the grids: dragging it widens or
// narrows the tree. It only reports the drag, in pixels from where it began;
// the window layout decides the widths.
class TreeSplitter : public QWidget {
  Q_OBJECT

 public:
  explicit TreeSplitter(QWidget* parent = nullptr);

 signals:
  void dragStarted();
  void dragged(int pixels);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  int pressX_ = 0;
};

}  // namespace mainwindow
