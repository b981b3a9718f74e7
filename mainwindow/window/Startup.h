#pragma once

class QApplication;

namespace mainwindow {

// Shows the splash window, then the main window, and runs the event loop.
int runProgram(QApplication& app);

}  // namespace mainwindow
