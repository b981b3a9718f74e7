#pragma once

#include <QThread>

#include <atomic>
#include <memory>

#include "platform/serial/CommCodes.h"
#include "platform/serial/SerialDevice.h"

namespace testsupport {

// Serial ports that behave like free ports with nothing attached: they open,
// take the probe's question and stay silent, each wait lasting as long as
// asked. Made and used on whatever thread opens them (the probe's worker).
class SilentPort : public platform::SerialDevice {
 public:
  explicit SilentPort(std::atomic<int>& openCount) : open_(openCount) { ++open_; }
  ~SilentPort() override { close(); }
  int configure(const platform::LineSettings&, int) override { return platform::CommError::None; }
  QByteArray takeReceived() override { return {}; }
  void discardReceived() override {}
  int send(const QByteArray&) override { return platform::CommError::None; }
  void waitForReceived(int millis) override { QThread::msleep(static_cast<unsigned long>(millis)); }
  bool lost() const override { return false; }
  void close() override {
    if (!closed_) --open_;
    closed_ = true;
  }

 private:
  std::atomic<int>& open_;
  bool closed_ = false;
};

class SilentPorts : public platform::SerialDeviceProvider {
 public:
  Opened open(int) override { return {std::make_unique<SilentPort>(openCount), 0}; }
  std::atomic<int> openCount{0};  // ports open now
};

}  // namespace testsupport
