#pragma once

#include <QString>

namespace mainwindow {

// What the main window uses of the serial port wrapper, until the wrapper
// joins: the table list of the working database and the port probe.
struct CommStandIn {
  QString Tables_Created;
  bool Halt_ = false;
  bool Finished_ = false;
  QString AvailablePorts() const { return {}; }
};

}  // namespace mainwindow
