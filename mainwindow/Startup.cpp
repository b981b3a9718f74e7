#include "mainwindow/Startup.h"

#include <QApplication>
#include <QLabel>

namespace mainwindow {

int runProgram(QApplication& app) {
  // Placeholder until the main window exists: a window with the program title.
  QLabel window(QStringLiteral("Quorvane Infrared Download Version 2.6.3"));
  window.setWindowTitle(QStringLiteral("Quorvane Infrared Download Version 2.6.3"));
  window.resize(640, 200);
  window.show();
  return app.exec();
}

}  // namespace mainwindow
