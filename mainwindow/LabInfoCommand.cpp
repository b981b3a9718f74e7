#include "mainwindow/MainWindow.h"
#include "mainwindow/MenuCommands.h"
#include "report/page/ReportPage.h"

namespace mainwindow {

void MenuCommands::Information_Click() {
  main_.reportPage().Information_Click(&main_);
}

}  // namespace mainwindow
