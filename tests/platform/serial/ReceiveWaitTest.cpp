#include <gtest/gtest.h>

#include <QTimer>

#include "PseudoTerminal.h"
#include "platform/serial/CommControl.h"
#include "platform/serial/ReceiveWait.h"
#include "support/TempProgramFolder.h"

using namespace platform;

TEST(EventLoopWait, IdleLetsEventsRunAndEnds) {
  EventLoopWait wait;
  bool ran = false;
  QTimer::singleShot(0, [&] { ran = true; });
  wait.idle(nullptr);
  EXPECT_TRUE(ran);
  wait.yield();
}

TEST(EventLoopWait, IdleEndsWhenInputArrives) {
  testsupport::TempProgramFolder folder;
  testsupport::PseudoTerminal pty;
  ASSERT_TRUE(pty.ok());
  qputenv("QUORVANE_COM1", pty.slavePath().toLocal8Bit());
  CommControl control;
  ASSERT_EQ(control.setPortOpen(true), 0);
  pty.sendPaced("X", 19200, 0);
  pty.waitSent();
  EventLoopWait wait;
  // Each idle lasts one empty-read interval at most; the byte shows up within
  // a few of them.
  for (int i = 0; i < 1000 && !control.hasInput(); ++i) wait.idle(&control);
  EXPECT_TRUE(control.hasInput());
  qunsetenv("QUORVANE_COM1");
}

TEST(EventLoopWait, BlockTakesInputWithoutTheEventLoop) {
  testsupport::TempProgramFolder folder;
  testsupport::PseudoTerminal pty;
  ASSERT_TRUE(pty.ok());
  qputenv("QUORVANE_COM1", pty.slavePath().toLocal8Bit());
  CommControl control;
  ASSERT_EQ(control.setPortOpen(true), 0);
  pty.sendPaced("OK", 19200, 0);
  pty.waitSent();
  EventLoopWait wait;
  wait.block(&control, 1000);
  EXPECT_GE(control.inBufferCount(), 1);
  qunsetenv("QUORVANE_COM1");
}
