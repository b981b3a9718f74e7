#pragma once

#include <QElapsedTimer>

namespace platform {

// The clock of the receive loop and the port probe: seconds since some fixed
// start, never going back (so a wait that spans midnight lasts as long as any
// other). Tests give one they advance themselves.
class ReceiveClock {
 public:
  virtual ~ReceiveClock() = default;
  virtual double seconds() const = 0;
};

class SteadyClock : public ReceiveClock {
 public:
  SteadyClock() { started_.start(); }
  double seconds() const override { return static_cast<double>(started_.nsecsElapsed()) / 1e9; }

 private:
  QElapsedTimer started_;
};

}  // namespace platform
