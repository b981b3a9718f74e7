#include "platform/serial/ScriptedSerialDevice.h"

#include <utility>

#include "platform/serial/CommCodes.h"

namespace platform {

ScriptedLine& ScriptedLine::arrive(const QByteArray& bytes) {
  steps_.push_back({bytes, 0, false});
  return *this;
}

ScriptedLine& ScriptedLine::chars(const QByteArray& text) {
  for (char ch : text) steps_.push_back({QByteArray(1, ch), 0, false});
  return *this;
}

ScriptedLine& ScriptedLine::silence(int polls) {
  if (polls > 0) steps_.push_back({{}, polls, false});
  return *this;
}

ScriptedLine& ScriptedLine::lose() {
  steps_.push_back({{}, 0, true});
  return *this;
}

QByteArray ScriptedLine::poll() {
  ++polls_;
  if (!pendingReply_.isEmpty()) return std::exchange(pendingReply_, {});
  if (steps_.empty()) return {};
  Step& step = steps_.front();
  if (step.lose) {
    lost_ = true;
    steps_.pop_front();
    return {};
  }
  if (step.silentPolls > 0) {
    if (--step.silentPolls == 0) steps_.pop_front();
    return {};
  }
  QByteArray bytes = std::move(step.bytes);
  steps_.pop_front();
  return bytes;
}

ScriptedSerialDevice::ScriptedSerialDevice(std::shared_ptr<ScriptedLine> line) : line_(std::move(line)) {
  line_->open_ = true;
  line_->lost_ = false;
  ++line_->opens_;
}

ScriptedSerialDevice::~ScriptedSerialDevice() { close(); }

int ScriptedSerialDevice::configure(const LineSettings& settings, int handshaking) {
  if (lost()) return CommError::PortNotOpen;
  line_->settings_ = settings;
  line_->handshaking_ = handshaking;
  return CommError::None;
}

QByteArray ScriptedSerialDevice::takeReceived() {
  if (lost()) return {};
  QByteArray bytes = line_->poll();
  if (line_->lost_) emit wentAway();
  return bytes;
}

void ScriptedSerialDevice::discardReceived() { line_->pendingReply_.clear(); }

int ScriptedSerialDevice::send(const QByteArray& bytes) {
  if (lost()) return CommError::PortNotOpen;
  line_->sent_.append(bytes);
  if (!line_->reply_.isEmpty()) line_->pendingReply_ += line_->reply_;
  return CommError::None;
}

void ScriptedSerialDevice::waitForReceived(int) {}

bool ScriptedSerialDevice::lost() const { return closed_ || line_->lost_; }

void ScriptedSerialDevice::close() {
  if (closed_) return;
  closed_ = true;
  line_->open_ = false;
}

std::shared_ptr<ScriptedLine> ScriptedDeviceProvider::line(int port) {
  auto& line = lines_[port];
  if (!line) line = std::make_shared<ScriptedLine>();
  return line;
}

SerialDeviceProvider::Opened ScriptedDeviceProvider::open(int port) {
  const auto found = lines_.constFind(port);
  if (found == lines_.constEnd() || (*found)->presence() == ScriptedLine::Presence::Missing)
    return {nullptr, CommError::InvalidPortNumber};
  if ((*found)->presence() == ScriptedLine::Presence::InUse || (*found)->isOpen())
    return {nullptr, CommError::PortAlreadyOpen};
  return {std::make_unique<ScriptedSerialDevice>(*found), CommError::None};
}

}  // namespace platform
