#pragma once

#include <QTimer>

namespace platform {

class CommControl;

// How the receive loop and the port probe pass time. The program has one
// user-interface thread: the receive loop yields to the event loop on every
// pass, and when a read found nothing it waits for input or for one
// empty-read interval, so that a count of empty reads is a measure of silence
// (EmptyReadMillis each) and the loop never spins a core. Tests give a wait
// that only advances their clock.
class ReceiveWait {
 public:
  virtual ~ReceiveWait() = default;
  // Lets waiting events run, without waiting for more.
  virtual void yield() = 0;
  // Lets events run until input arrives at control or EmptyReadMillis pass.
  virtual void idle(CommControl* control) = 0;
  // Blocks without running the event loop until input arrives at control or
  // millis pass (the port probe must not yield).
  virtual void block(CommControl* control, int millis) = 0;
};

// One empty read of the receive loop stands for this much silence.
inline constexpr int EmptyReadMillis = 1;

// The wait of the running program: the Qt event loop and a precise timer.
class EventLoopWait : public ReceiveWait {
 public:
  EventLoopWait();
  void yield() override;
  void idle(CommControl* control) override;
  void block(CommControl* control, int millis) override;

 private:
  QTimer interval_;
};

}  // namespace platform
