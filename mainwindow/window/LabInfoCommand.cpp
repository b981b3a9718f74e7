#include "mainwindow/MainWindow.h"
#include "mainwindow/window/MenuCommands.h"
#include "report/page/compose/ReportPage.h"

namespace mainwindow {

void MenuCommands::Information_Click() {
  main_.reportPage().Information_Click(&main_);
}

}  // namespace mainwindow
