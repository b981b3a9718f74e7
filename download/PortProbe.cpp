#include "download/PortProbe.h"

#include <QByteArray>

#include <array>
#include <memory>

#include "download/Communication.h"
#include "platform/serial/CommCodes.h"
#include "platform/serial/CommControl.h"
#include "platform/serial/PortClaims.h"
#include "platform/serial/ReceiveClock.h"

namespace download {
namespace {

using platform::CommControl;

const QString ProbeSettings = QStringLiteral("9600,N,8,1");
const QByteArray ProbeCommand = QByteArrayLiteral("ATI1\r");
constexpr double ProbeWaitSeconds = 2.0;
constexpr int SliceMillis = 10;  // per port and pass: a download waits at most four of them
constexpr int ModemReplyLength = 2;
constexpr int PortCount = 4;

// One port being probed.
struct Probing {
  int port = 0;
  std::unique_ptr<CommControl> control;
  QChar result;
  bool done = false;
};

QChar failed(int error) {
  return error == platform::CommError::PortAlreadyOpen ? Communication::PortInUse : Communication::PortUnavailable;
}

// Opens the port and sends the modem question; 0 or the first error.
int open(CommControl& control, int port) {
  for (const auto& step : std::array<std::function<int()>, 5>{
           [&] { return control.setCommPort(port); }, [&] { return control.setSettings(ProbeSettings); },
           [&] { return control.setInputLen(0); }, [&] { return control.setPortOpen(true); },
           [&] { return control.output(ProbeCommand); }}) {
    if (const int error = step(); error != 0) return error;
  }
  return 0;
}

void finish(Probing& p, QChar result, platform::PortClaims& claims) {
  if (p.control) {
    p.control->setPortOpen(false);
    p.control.reset();
    claims.endProbe(p.port);
  }
  p.result = result;
  p.done = true;
}

void start(Probing& p, const std::shared_ptr<platform::SerialDeviceProvider>& devices,
           platform::PortClaims& claims) {
  if (!devices) return finish(p, Communication::PortUnavailable, claims);
  if (!claims.beginProbe(p.port)) return finish(p, Communication::PortInUse, claims);
  p.control = std::make_unique<CommControl>(devices);
  if (const int error = open(*p.control, p.port); error != 0) finish(p, failed(error), claims);
}

// One look at a port that is waiting for its answer.
void poll(Probing& p, platform::PortClaims& claims, bool timeUp) {
  CommControl& control = *p.control;
  if (claims.probeMustYield(p.port)) return finish(p, Communication::PortInUse, claims);
  if (!control.portOpen()) return finish(p, Communication::PortUnavailable, claims);
  control.waitForInput(SliceMillis);
  const int received = control.inBufferCount();
  if (received == 0 && !timeUp) return;
  finish(p, received >= ModemReplyLength ? Communication::ModemPort : QChar(u'0' + p.port), claims);
}

}  // namespace

QString probePorts(const std::shared_ptr<platform::SerialDeviceProvider>& devices, platform::PortClaims& claims,
                   const platform::ReceiveClock& clock, const std::atomic<bool>& cancelled) {
  std::array<Probing, PortCount> ports;
  for (int i = 0; i < PortCount; ++i) {
    ports[i].port = i + 1;
    start(ports[i], devices, claims);
  }
  const double started = clock.seconds();
  bool pending = true;
  while (pending && !cancelled) {
    const bool timeUp = clock.seconds() - started >= ProbeWaitSeconds;
    pending = false;
    for (Probing& p : ports) {
      if (p.done) continue;
      poll(p, claims, timeUp);
      pending = pending || !p.done;
    }
  }
  QString states;
  for (Probing& p : ports) {
    if (!p.done) finish(p, Communication::PortUnavailable, claims);
    states += p.result;
  }
  return states;
}

ProbeJob portProbeJob(const Communication& comm) {
  std::shared_ptr<platform::SerialDeviceProvider> devices;
  if (comm.Comm_Object() != nullptr) devices = comm.Comm_Object()->devices();
  std::shared_ptr<platform::PortClaims> claims = comm.portClaims();
  return [devices, claims](const std::atomic<bool>& cancelled) {
    const platform::SteadyClock clock;
    return probePorts(devices, *claims, clock, cancelled);
  };
}

}  // namespace download
