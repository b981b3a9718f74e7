#include <gtest/gtest.h>

#include "platform/serial/CommCodes.h"
#include "platform/serial/CommControl.h"
#include "platform/serial/ScriptedSerialDevice.h"

using namespace platform;

namespace {

struct ScriptedControl {
  std::shared_ptr<ScriptedDeviceProvider> devices = std::make_shared<ScriptedDeviceProvider>();
  CommControl control{devices};
  std::shared_ptr<ScriptedLine> line = devices->line(1);
};

QByteArray readOne(CommControl& control) {
  QByteArray received;
  EXPECT_EQ(control.input(received), CommError::None);
  return received;
}

}  // namespace

TEST(CommControl, PropertiesRefuseBadValuesAndChangesWhileOpen) {
  ScriptedControl port;
  CommControl& control = port.control;
  EXPECT_EQ(control.settings(), "9600,N,8,1");
  EXPECT_EQ(control.setSettings("9600,N,8"), CommError::InvalidPropertyValue);
  EXPECT_EQ(control.settings(), "9600,N,8,1");
  EXPECT_EQ(control.setHandshaking(4), CommError::InvalidPropertyValue);
  EXPECT_EQ(control.setCommPort(0), CommError::InvalidPortNumber);

  ASSERT_EQ(control.setPortOpen(true), CommError::None);
  EXPECT_EQ(control.setCommPort(2), CommError::PortOpen);
  EXPECT_EQ(control.setInBufferSize(10), CommError::PortOpen);
  EXPECT_EQ(control.setPortOpen(true), CommError::PortAlreadyOpen);
  // Settings and handshaking apply to the open line at once.
  EXPECT_EQ(control.setSettings("19200,N,8,1"), CommError::None);
  EXPECT_EQ(control.setHandshaking(Handshaking::XonXoff), CommError::None);
  EXPECT_EQ(port.line->settings()->baudRate, 19200);
  EXPECT_EQ(port.line->handshaking(), Handshaking::XonXoff);

  EXPECT_EQ(control.setPortOpen(false), CommError::None);
  EXPECT_EQ(control.setPortOpen(false), CommError::None);
  EXPECT_FALSE(port.line->isOpen());
  EXPECT_EQ(control.output("x"), CommError::PortNotOpen);
}

TEST(CommControl, OpenReportsMissingAndBusyPorts) {
  ScriptedControl port;
  port.devices->line(2)->setPresence(ScriptedLine::Presence::InUse);
  port.devices->line(3)->setPresence(ScriptedLine::Presence::Missing);
  CommControl& control = port.control;
  control.setCommPort(2);
  EXPECT_EQ(control.setPortOpen(true), CommError::PortAlreadyOpen);
  control.setCommPort(3);
  EXPECT_EQ(control.setPortOpen(true), CommError::InvalidPortNumber);
  control.setCommPort(4);  // no line at all
  EXPECT_EQ(control.setPortOpen(true), CommError::InvalidPortNumber);
  EXPECT_FALSE(control.portOpen());

  // A second control on a port that is open counts it as in use.
  control.setCommPort(1);
  ASSERT_EQ(control.setPortOpen(true), CommError::None);
  CommControl other(port.devices);
  EXPECT_EQ(other.setPortOpen(true), CommError::PortAlreadyOpen);
}

TEST(CommControl, ReadsEightBitBytesByInputLength) {
  ScriptedControl port;
  CommControl& control = port.control;
  control.setInputLen(1);
  ASSERT_EQ(control.setPortOpen(true), CommError::None);
  port.line->arrive(QByteArray("A\xCA\xFD\r", 4)).silence();

  EXPECT_EQ(readOne(control), "A");
  EXPECT_EQ(static_cast<unsigned char>(readOne(control).at(0)), 202);
  EXPECT_EQ(static_cast<unsigned char>(readOne(control).at(0)), 253);
  EXPECT_EQ(readOne(control), "\r");
  EXPECT_EQ(readOne(control), "");

  control.setInputLen(0);
  port.line->arrive("HELLO");
  EXPECT_EQ(control.inBufferCount(), 5);
  EXPECT_EQ(readOne(control), "HELLO");

  // Setting the count to 0 discards what waits.
  port.line->arrive("stale").silence();
  EXPECT_EQ(control.inBufferCount(), 5);
  EXPECT_EQ(control.setInBufferCount(0), CommError::None);
  EXPECT_EQ(control.inBufferCount(), 0);
}

TEST(CommControl, OverflowKeepsBufferSizeAndRaisesEventUntilReopened) {
  ScriptedControl port;
  CommControl& control = port.control;
  control.setInBufferSize(8);
  ASSERT_EQ(control.setPortOpen(true), CommError::None);
  EXPECT_EQ(control.commEvent(), CommEvent::None);
  port.line->arrive("0123456789AB");
  EXPECT_EQ(control.inBufferCount(), 8);
  EXPECT_EQ(control.commEvent(), CommEvent::ReceiveOverflow);
  EXPECT_EQ(readOne(control), "01234567");
  EXPECT_EQ(control.commEvent(), CommEvent::ReceiveOverflow);

  control.setPortOpen(false);
  ASSERT_EQ(control.setPortOpen(true), CommError::None);
  EXPECT_EQ(control.commEvent(), CommEvent::None);
}

TEST(CommControl, XonXoffHandshakingThrottlesTheSender) {
  ScriptedControl port;
  CommControl& control = port.control;
  control.setInBufferSize(8);
  control.setInputLen(1);
  control.setHandshaking(Handshaking::XonXoff);
  ASSERT_EQ(control.setPortOpen(true), CommError::None);
  port.line->arrive("012345");  // three quarters of the buffer
  EXPECT_EQ(control.inBufferCount(), 6);
  EXPECT_EQ(port.line->sent(), QByteArray("\x13"));
  for (int i = 0; i < 3; ++i) readOne(control);
  EXPECT_EQ(port.line->sent(), QByteArray("\x13"));
  readOne(control);  // down to a quarter
  EXPECT_EQ(port.line->sent(), QByteArray("\x13\x11"));
}

TEST(CommControl, LostDeviceClosesThePort) {
  ScriptedControl port;
  CommControl& control = port.control;
  control.setInputLen(1);
  ASSERT_EQ(control.setPortOpen(true), CommError::None);
  bool lostSignal = false;
  QObject::connect(&control, &CommControl::portLost, [&] { lostSignal = true; });
  port.line->chars("A").lose().chars("never");

  EXPECT_EQ(readOne(control), "A");
  QByteArray received;
  control.input(received);  // the poll that finds the device gone
  EXPECT_TRUE(lostSignal);
  EXPECT_FALSE(control.portOpen());
  const int polls = port.line->polls();
  for (int i = 0; i < 10; ++i) EXPECT_EQ(control.input(received), CommError::PortNotOpen);
  EXPECT_EQ(port.line->polls(), polls);
  EXPECT_EQ(control.inBufferCount(), 0);
}

TEST(CommControl, OutputReachesTheLineAndAModemAnswers) {
  ScriptedControl port;
  CommControl& control = port.control;
  port.line->answerOutputWith("OK\r\n");
  ASSERT_EQ(control.setPortOpen(true), CommError::None);
  EXPECT_EQ(control.output("ATI1\r"), CommError::None);
  EXPECT_EQ(port.line->sent(), "ATI1\r");
  EXPECT_EQ(control.inBufferCount(), 4);
}
