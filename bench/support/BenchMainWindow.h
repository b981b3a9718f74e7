#pragma once

#include <QCoreApplication>
#include <QString>

#include "mainwindow/MainWindow.h"
#include "platform/ui/ScriptedDialogs.h"

namespace benchsupport {

// The main window as a user first sees it, started and shown, with scripted
// dialogs and a port probe that answers at once, for the benchmarks that
// drive the window.
struct BenchMainWindow {
  platform::ui::ScriptedDialogs dialogs;
  platform::ui::ScopedDialogSeam seam{dialogs};
  mainwindow::MainWindow window{quickProbe()};

  BenchMainWindow() {
    window.Form_Load();
    window.resize(1000, 720);
    window.show();
    QCoreApplication::processEvents();
  }

  static mainwindow::MainWindow::Options quickProbe() {
    mainwindow::MainWindow::Options options;
    options.portProbe = [] { return QStringLiteral("1234"); };
    return options;
  }
};

}  // namespace benchsupport
