// The COM port status items, probed on the probe's worker thread.
#include "mainwindow/window/ComPortStatus.h"

#include <QAction>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

#include "../PortProbeWait.h"
#include "download/SlowPorts.h"
#include "platform/serial/PortClaims.h"
#include "platform/serial/ReceiveClock.h"

namespace mainwindow {
namespace {

class ComPortStatusTest : public ::testing::Test {
 protected:
  ComPortStatusTest() {
    for (int i = 0; i < 4; ++i) actions[i] = std::make_unique<QAction>();
  }
  std::unique_ptr<ComPortStatus> make(ComPortStatus::Probe probe) {
    return std::make_unique<ComPortStatus>(std::array<QAction*, 4>{actions[0].get(), actions[1].get(),
                                                                   actions[2].get(), actions[3].get()},
                                           std::move(probe), work);
  }
  // A probe that lasts until the test lets it end (or it is cancelled).
  ComPortStatus::Probe heldProbe(QString states) {
    return [this, states] {
      ++jobs;
      return download::ProbeJob([this, states](const std::atomic<bool>& cancelled) {
        while (!release && !cancelled) QThread::msleep(1);
        return states;
      });
    };
  }

  std::array<std::unique_ptr<QAction>, 4> actions;
  instrument::LongWork work;
  std::atomic<bool> release{false};
  int jobs = 0;
};

TEST_F(ComPortStatusTest, TheWindowGoesOnWhileTheProbeRunsAndGetsItsResultAfterwards) {
  auto status = make(heldProbe(QStringLiteral("1mox")));
  QStringList seen;
  status->refresh([&](const QString& states) { seen << states; });
  ASSERT_TRUE(status->probing());
  // The event loop turns, and a second request joins the running probe.
  bool turned = false;
  QTimer::singleShot(0, [&] { turned = true; });
  QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  status->refresh([&](const QString& states) { seen << states; });
  EXPECT_TRUE(turned);
  EXPECT_TRUE(status->probing());
  EXPECT_EQ(jobs, 1);
  EXPECT_TRUE(actions[0]->text().isEmpty());

  release = true;
  ASSERT_TRUE(waitForPortProbe(*status));
  EXPECT_EQ(seen, QStringList(2, QStringLiteral("1mox")));
  EXPECT_EQ(status->captions(),
            (QStringList{"COM1: AVAILABLE", "COM2: MODEM", "COM3: IN USE", "COM4: UNAVAILABLE"}));
  EXPECT_EQ(status->states(), QStringLiteral("1mox"));
}

TEST_F(ComPortStatusTest, NoProbeWhileLongWorkRunsAndTheLastStatesServe) {
  auto status = make(heldProbe(QStringLiteral("1234")));
  release = true;
  status->Check_Com_Ports();
  ASSERT_TRUE(waitForPortProbe(*status));
  const instrument::LongWorkScope download(work);
  QString answer;
  status->refresh([&](const QString& states) { answer = states; });
  EXPECT_FALSE(status->probing());
  EXPECT_EQ(answer, QStringLiteral("1234"));
  EXPECT_EQ(jobs, 1);
}

TEST_F(ComPortStatusTest, ClosingDuringAProbeCancelsIt) {
  auto status = make(heldProbe(QStringLiteral("1234")));
  status->Check_Com_Ports();
  ASSERT_TRUE(status->probing());
  status.reset();  // returns once the worker has seen the cancel
  EXPECT_TRUE(actions[0]->text().isEmpty());
}

TEST_F(ComPortStatusTest, FourSilentPortsKeepTheEventLoopTurning) {
  auto ports = std::make_shared<testsupport::SilentPorts>();
  auto claims = std::make_shared<platform::PortClaims>();
  auto status = make([&]() -> download::ProbeJob {
    return [ports, claims](const std::atomic<bool>& cancelled) {
      const platform::SteadyClock clock;
      return download::probePorts(ports, *claims, clock, cancelled);
    };
  });
  int ticks = 0;
  QTimer ticker;
  QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
  ticker.start(10);
  status->Check_Com_Ports();
  ASSERT_TRUE(waitForPortProbe(*status));
  // Each free port waited for its answer, yet the loop went on throughout.
  EXPECT_EQ(status->states(), QStringLiteral("1234"));
  EXPECT_GT(ticks, 20);
  EXPECT_EQ(ports->openCount, 0);
}

}  // namespace
}  // namespace mainwindow
