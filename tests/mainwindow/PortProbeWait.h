#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>

#include "mainwindow/window/ComPortStatus.h"

namespace mainwindow {

// Lets the event loop run until the port probe's result has been applied
// (with a generous bound, so that a probe that never ends fails the test
// rather than hanging it).
inline bool waitForPortProbe(ComPortStatus& status) {
  QElapsedTimer bound;
  bound.start();
  while (status.probing() && bound.elapsed() < 20000) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  return !status.probing();
}

}  // namespace mainwindow
