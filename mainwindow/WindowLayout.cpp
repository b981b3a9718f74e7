#include "mainwindow/MainWindow.h"

namespace mainwindow {

void MainWindow::Form_Resize() {
  // Qt layouts keep the controls in place; the window's own size rules join here.
}

}  // namespace mainwindow
