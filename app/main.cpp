#include <QApplication>

#include "mainwindow/window/Startup.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  return mainwindow::runProgram(app);
}
