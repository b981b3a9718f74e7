// How long the user-interface thread stands still while COM1 to COM4 are
// probed, with four free ports that answer nothing (each is given its two
// seconds): the probe on its worker thread against the probe run on the
// user-interface thread, and the wait of a download that opens a port the
// probe holds. Prints the longest gap between turns of the event loop.
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <memory>

#include "download/Communication.h"
#include "download/PortProbe.h"
#include "mainwindow/window/ComPortStatus.h"
#include "platform/serial/CommCodes.h"
#include "platform/serial/CommControl.h"
#include "platform/serial/PortClaims.h"
#include "platform/serial/ReceiveClock.h"

namespace {

// A free port with nothing attached: it takes the question and stays silent.
class SilentPort : public platform::SerialDevice {
 public:
  int configure(const platform::LineSettings&, int) override { return 0; }
  QByteArray takeReceived() override { return {}; }
  void discardReceived() override {}
  int send(const QByteArray&) override { return 0; }
  void waitForReceived(int millis) override { QThread::msleep(static_cast<unsigned long>(millis)); }
  bool lost() const override { return false; }
  void close() override {}
};

class SilentPorts : public platform::SerialDeviceProvider {
 public:
  Opened open(int) override { return {std::make_unique<SilentPort>(), 0}; }
};

// The longest gap between two ticks of a 1 ms timer while work runs.
class StallMeter {
 public:
  StallMeter() {
    QObject::connect(&ticker_, &QTimer::timeout, [this] {
      longest_ = std::max(longest_, sinceTick_.restart());
    });
  }
  void start() {
    longest_ = 0;
    sinceTick_.start();
    ticker_.start(1);
  }
  qint64 stop() {
    ticker_.stop();
    return std::max(longest_, sinceTick_.elapsed());
  }

 private:
  QTimer ticker_;
  QElapsedTimer sinceTick_;
  qint64 longest_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  auto ports = std::make_shared<SilentPorts>();
  StallMeter meter;

  // The probe on the user-interface thread, as it was.
  platform::CommControl control(ports);
  download::Communication comm;
  comm.setComm_Object(&control);
  QElapsedTimer total;
  meter.start();
  total.start();
  QTimer::singleShot(5, [&] { comm.AvailablePorts(); });
  while (total.elapsed() < 5 + 8200) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  const qint64 onUiThread = meter.stop();

  // The probe on its worker thread.
  std::array<std::unique_ptr<QAction>, 4> actions;
  for (auto& action : actions) action = std::make_unique<QAction>();
  instrument::LongWork work;
  auto claims = std::make_shared<platform::PortClaims>();
  mainwindow::ComPortStatus status({actions[0].get(), actions[1].get(), actions[2].get(), actions[3].get()},
                                   [&]() -> download::ProbeJob {
                                     return [ports, claims](const std::atomic<bool>& cancelled) {
                                       const platform::SteadyClock clock;
                                       return download::probePorts(ports, *claims, clock, cancelled);
                                     };
                                   },
                                   work);
  qint64 worst = 0;
  qint64 probeMillis = 0;
  qint64 longestClaim = 0;
  constexpr int Runs = 3;
  for (int run = 0; run < Runs; ++run) {
    meter.start();
    total.restart();
    status.Check_Com_Ports();
    // Half-way through, a download opens COM2: the user-interface thread
    // waits for the probe to give the port up.
    QTimer::singleShot(1000, [&] {
      QElapsedTimer claim;
      claim.start();
      claims->claimForDownload(2, 90);
      longestClaim = std::max(longestClaim, claim.elapsed());
      claims->releaseDownload();
    });
    while (status.probing() || total.elapsed() < 1100) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    probeMillis = std::max(probeMillis, total.elapsed());
    worst = std::max(worst, meter.stop());
  }

  std::printf("four silent ports, longest stand-still of the user-interface thread:\n");
  std::printf("  probe on the user-interface thread: %lld ms\n", static_cast<long long>(onUiThread));
  std::printf("  probe on its worker (worst of %d): %lld ms, probe lasting %lld ms\n", Runs,
              static_cast<long long>(worst), static_cast<long long>(probeMillis));
  std::printf("  download opening a port being probed waits: %lld ms\n", static_cast<long long>(longestClaim));
  std::printf("  ratio: %.0f\n", worst > 0 ? static_cast<double>(onUiThread) / static_cast<double>(worst) : 0.0);
  return 0;
}
