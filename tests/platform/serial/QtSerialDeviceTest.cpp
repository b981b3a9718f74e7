#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include "PseudoTerminal.h"
#include "platform/serial/CommCodes.h"
#include "platform/serial/CommControl.h"
#include "platform/serial/ComPortMap.h"
#include "support/TempProgramFolder.h"

using namespace platform;

namespace {

// COM1 is the pseudo-terminal's slave for the life of the object.
class PtyPort {
 public:
  PtyPort() { qputenv("QUORVANE_COM1", pty.slavePath().toLocal8Bit()); }
  ~PtyPort() { qunsetenv("QUORVANE_COM1"); }

  testsupport::TempProgramFolder folder;
  testsupport::PseudoTerminal pty;
};

// Runs the event loop until done() or about millis passed.
template <typename Done>
bool processUntil(Done done, int millis = 2000) {
  QElapsedTimer elapsed;
  elapsed.start();
  while (!done() && elapsed.elapsed() < millis) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
  }
  return done();
}

}  // namespace

TEST(QtSerialDevice, OpensThePortWithItsSettingsAndKeepsEightBitBytes) {
  PtyPort port;
  ASSERT_TRUE(port.pty.ok());
  CommControl control;
  control.setSettings("19200,N,8,1");
  control.setHandshaking(Handshaking::XonXoff);
  control.setInputLen(0);
  ASSERT_EQ(control.setPortOpen(true), CommError::None);

  const termios line = port.pty.slaveSettings();
  EXPECT_EQ(cfgetispeed(&line), static_cast<speed_t>(B19200));
  EXPECT_EQ(line.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
  EXPECT_FALSE(line.c_cflag & PARENB);
  EXPECT_FALSE(line.c_cflag & CSTOPB);
  EXPECT_TRUE(line.c_iflag & IXON);
  EXPECT_TRUE(line.c_iflag & IXOFF);
  EXPECT_FALSE(line.c_iflag & ISTRIP);

  port.pty.sendPaced(QByteArray("A\xCA\xFD\r\n", 5), 19200, 0);
  port.pty.waitSent();
  ASSERT_TRUE(processUntil([&] { return control.inBufferCount() >= 5; }));
  QByteArray received;
  EXPECT_EQ(control.input(received), CommError::None);
  EXPECT_EQ(received, QByteArray("A\xCA\xFD\r\n", 5));

  EXPECT_EQ(control.output("ATI1\r"), CommError::None);
  EXPECT_EQ(port.pty.readMaster(1000), "ATI1\r");

  // The speed follows a new settings string on the open port.
  EXPECT_EQ(control.setSettings("1200,N,8,1"), CommError::None);
  const termios slower = port.pty.slaveSettings();
  EXPECT_EQ(cfgetospeed(&slower), static_cast<speed_t>(B1200));
}

TEST(QtSerialDevice, BusyAndMissingPortsGiveTheirCodes) {
  PtyPort port;
  ASSERT_TRUE(port.pty.ok());
  qputenv("QUORVANE_COM2", "/dev/quorvane-no-such-port");
  CommControl first;
  CommControl second;
  CommControl missing;
  missing.setCommPort(2);
  ASSERT_EQ(first.setPortOpen(true), CommError::None);
  EXPECT_EQ(second.setPortOpen(true), CommError::PortAlreadyOpen);
  EXPECT_EQ(missing.setPortOpen(true), CommError::InvalidPortNumber);
  qunsetenv("QUORVANE_COM2");

  // Closing releases the port at once.
  first.setPortOpen(false);
  EXPECT_EQ(second.setPortOpen(true), CommError::None);
}

TEST(QtSerialDevice, DeviceThatGoesAwayClosesThePortInsteadOfFailingForever) {
  PtyPort port;
  ASSERT_TRUE(port.pty.ok());
  CommControl control;
  control.setInputLen(1);
  ASSERT_EQ(control.setPortOpen(true), CommError::None);
  int lostSignals = 0;
  QObject::connect(&control, &CommControl::portLost, [&] { ++lostSignals; });

  port.pty.hangUp();
  EXPECT_TRUE(processUntil([&] { return !control.portOpen(); }));
  QByteArray received;
  EXPECT_EQ(control.input(received), CommError::PortNotOpen);
  EXPECT_TRUE(received.isEmpty());
  // No stream of errors afterwards.
  processUntil([] { return false; }, 200);
  EXPECT_EQ(lostSignals, 1);

  // The port can be opened again once the device is back (here: it is not).
  EXPECT_NE(control.setPortOpen(true), CommError::None);
}
