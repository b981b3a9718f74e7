#include "platform/serial/ReceiveWait.h"

#include <QCoreApplication>
#include <QThread>

#include "platform/serial/CommControl.h"

namespace platform {

EventLoopWait::EventLoopWait() {
  interval_.setSingleShot(true);
  interval_.setTimerType(Qt::PreciseTimer);
  interval_.setInterval(EmptyReadMillis);
}

void EventLoopWait::yield() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void EventLoopWait::idle(CommControl* control) {
  if (QCoreApplication::instance() == nullptr) {
    QThread::msleep(EmptyReadMillis);
    return;
  }
  interval_.start();
  // Each pass sleeps until some event comes (the timer at the latest); other
  // events (a click, a timer of a window) do not shorten the interval.
  while (interval_.isActive() && (control == nullptr || !control->hasInput()))
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  interval_.stop();
}

void EventLoopWait::block(CommControl* control, int millis) {
  if (control != nullptr && control->portOpen()) {
    control->waitForInput(millis);
  } else {
    QThread::msleep(static_cast<unsigned long>(millis));
  }
}

}  // namespace platform
