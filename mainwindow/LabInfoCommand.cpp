#include "mainwindow/MainWindow.h"
#include "mainwindow/MenuCommands.h"

namespace mainwindow {

void MenuCommands::Information_Click() {
  // The company information window (InfoForm) opens here, modeless and owned
  // by the main window.
}

}  // namespace mainwindow
