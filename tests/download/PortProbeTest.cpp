#include "download/PortProbe.h"

#include <gtest/gtest.h>

#include <future>
#include <thread>

#include "SlowPorts.h"
#include "download/Communication.h"
#include "platform/serial/CommControl.h"
#include "platform/serial/PortClaims.h"
#include "platform/serial/ReceiveClock.h"
#include "platform/serial/ScriptedSerialDevice.h"

namespace download {
namespace {

using platform::ScriptedLine;

// A clock that moves on a little at every look, so a probe of scripted
// lines reaches its two seconds without waiting for them.
class SteppingClock : public platform::ReceiveClock {
 public:
  double seconds() const override { return now += 0.01; }
  mutable double now = 0.0;
};

TEST(PortProbeTest, TellsFreeModemBusyAndMissingPortsAndClosesThem) {
  auto devices = std::make_shared<platform::ScriptedDeviceProvider>();
  devices->line(1);
  devices->line(2)->answerOutputWith("ATI1\r\r\nOK\r\n");
  devices->line(3)->setPresence(ScriptedLine::Presence::InUse);
  platform::PortClaims claims;
  const SteppingClock clock;
  const std::atomic<bool> cancelled{false};
  EXPECT_EQ(probePorts(devices, claims, clock, cancelled), "1mox");
  for (int port : {1, 2}) {
    EXPECT_FALSE(devices->line(port)->isOpen()) << port;
    EXPECT_EQ(devices->line(port)->sent(), "ATI1\r") << port;
    EXPECT_EQ(devices->line(port)->settings()->toString(), "9600,N,8,1") << port;
  }
  // Every port it took is given back.
  for (int port = 1; port <= 4; ++port) EXPECT_TRUE(claims.claimForDownload(port, 0)) << port;
}

TEST(PortProbeTest, ThePortOfADownloadGetsNoByte) {
  auto devices = std::make_shared<platform::ScriptedDeviceProvider>();
  for (int port = 1; port <= 4; ++port) devices->line(port);
  Communication comm;
  platform::CommControl control(devices);
  comm.setComm_Object(&control);
  comm.setSerial_Port(2);
  comm.setBaud_Rate(1200);
  ASSERT_EQ(comm.RunTest(), 0);
  const SteppingClock clock;
  const std::atomic<bool> cancelled{false};
  EXPECT_EQ(probePorts(devices, *comm.portClaims(), clock, cancelled), "1o34");
  EXPECT_TRUE(devices->line(2)->sent().isEmpty());
  EXPECT_EQ(devices->line(2)->opens(), 1);

  // Closed: the port is probed again.
  comm.Close_Port();
  EXPECT_EQ(probePorts(devices, *comm.portClaims(), clock, cancelled), "1234");
}

TEST(PortProbeTest, ADownloadOpeningAPortBeingProbedGetsItAtOnce) {
  auto ports = std::make_shared<testsupport::SilentPorts>();
  platform::PortClaims claims;
  const std::atomic<bool> cancelled{false};
  auto probe = std::async(std::launch::async, [&] {
    const platform::SteadyClock clock;
    return probePorts(ports, claims, clock, cancelled);
  });
  while (ports->openCount < 4) std::this_thread::yield();
  // The probe gives the port up within its polling slice; the others go on.
  EXPECT_TRUE(claims.claimForDownload(3, 1000));
  EXPECT_EQ(probe.get(), "12o4");
  EXPECT_EQ(ports->openCount, 0);
}

TEST(PortProbeTest, ACancelledProbeStopsAndClosesItsPorts) {
  auto ports = std::make_shared<testsupport::SilentPorts>();
  platform::PortClaims claims;
  std::atomic<bool> cancelled{false};
  auto probe = std::async(std::launch::async, [&] {
    const platform::SteadyClock clock;
    return probePorts(ports, claims, clock, cancelled);
  });
  while (ports->openCount < 4) std::this_thread::yield();
  cancelled = true;
  EXPECT_EQ(probe.get().size(), 4);
  EXPECT_EQ(ports->openCount, 0);
}

}  // namespace
}  // namespace download
