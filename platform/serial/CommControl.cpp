#include "platform/serial/CommControl.h"

#include "platform/serial/CommCodes.h"
#include "platform/serial/QtSerialDevice.h"

namespace platform {
namespace {

const QByteArray Xon("\x11", 1);
const QByteArray Xoff("\x13", 1);

}  // namespace

CommControl::CommControl(QObject* parent)
    : CommControl(std::make_shared<QtSerialDeviceProvider>(), parent) {}

CommControl::CommControl(std::shared_ptr<SerialDeviceProvider> devices, QObject* parent)
    : QObject(parent), devices_(std::move(devices)) {
  lineSettings_ = *LineSettings::parse(settingsText_);
}

CommControl::~CommControl() { closeDevice(); }

int CommControl::setCommPort(int port) {
  if (portOpen()) return CommError::PortOpen;
  if (port < 1) return CommError::InvalidPortNumber;
  commPort_ = port;
  return CommError::None;
}

int CommControl::setSettings(const QString& settings) {
  const auto parsed = LineSettings::parse(settings);
  if (!parsed) return CommError::InvalidPropertyValue;
  if (portOpen()) {
    const int error = device_->configure(*parsed, handshaking_);
    if (error != CommError::None) return error;
  }
  settingsText_ = settings;
  lineSettings_ = *parsed;
  return CommError::None;
}

int CommControl::setInputLen(int length) {
  if (length < 0) return CommError::InvalidPropertyValue;
  inputLen_ = length;
  return CommError::None;
}

int CommControl::setHandshaking(int handshaking) {
  if (handshaking < Handshaking::None || handshaking > Handshaking::XonXoffRtsCts)
    return CommError::InvalidPropertyValue;
  if (portOpen()) {
    const int error = device_->configure(lineSettings_, handshaking);
    if (error != CommError::None) return error;
  }
  handshaking_ = handshaking;
  return CommError::None;
}

int CommControl::setInBufferSize(int size) {
  if (portOpen()) return CommError::PortOpen;
  if (size < 1) return CommError::InvalidPropertyValue;
  inBufferSize_ = size;
  return CommError::None;
}

bool CommControl::portOpen() const { return device_ != nullptr && !device_->lost(); }

int CommControl::setPortOpen(bool open) {
  dropLostDevice();
  if (!open) {
    closeDevice();
    return CommError::None;
  }
  if (device_) return CommError::PortAlreadyOpen;
  if (!devices_) return CommError::ObjectNotSet;

  SerialDeviceProvider::Opened opened = devices_->open(commPort_);
  if (!opened.device) return opened.error;
  const int error = opened.device->configure(lineSettings_, handshaking_);
  if (error != CommError::None) return error;

  device_ = std::move(opened.device);
  buffer_.clear();
  commEvent_ = CommEvent::None;
  xoffSent_ = false;
  connect(device_.get(), &SerialDevice::received, this, &CommControl::takeFromDevice);
  connect(device_.get(), &SerialDevice::wentAway, this, [this] { emit portLost(); });
  return CommError::None;
}

int CommControl::output(const QByteArray& text) {
  if (dropLostDevice() || !device_) return CommError::PortNotOpen;
  return device_->send(text);
}

int CommControl::input(QByteArray& received) {
  received.clear();
  if (dropLostDevice() || !device_) return CommError::PortNotOpen;
  if (buffer_.isEmpty()) takeFromDevice();
  const qsizetype count = inputLen_ == 0 ? buffer_.size() : qMin<qsizetype>(inputLen_, buffer_.size());
  received = buffer_.left(count);
  buffer_.remove(0, count);
  applyFlowMarks();
  return CommError::None;
}

int CommControl::inBufferCount() {
  if (dropLostDevice() || !device_) return 0;
  if (buffer_.isEmpty()) takeFromDevice();
  return static_cast<int>(buffer_.size());
}

int CommControl::setInBufferCount(int count) {
  if (count != 0) return CommError::InvalidPropertyValue;
  buffer_.clear();
  if (!dropLostDevice() && device_) {
    device_->discardReceived();
    applyFlowMarks();
  }
  return CommError::None;
}

void CommControl::waitForInput(int millis) {
  if (dropLostDevice() || !device_) return;
  if (buffer_.isEmpty()) device_->waitForReceived(millis);
  takeFromDevice();
}

void CommControl::takeFromDevice() {
  if (!device_ || device_->lost()) return;
  const QByteArray bytes = device_->takeReceived();
  if (!bytes.isEmpty()) store(bytes);
}

void CommControl::store(const QByteArray& bytes) {
  const qsizetype room = qMax<qsizetype>(0, inBufferSize_ - buffer_.size());
  buffer_.append(bytes.left(room));
  if (bytes.size() > room) {
    commEvent_ = CommEvent::ReceiveOverflow;
    emit commEventRaised(commEvent_);
  }
  applyFlowMarks();
  emit inputArrived();
}

void CommControl::applyFlowMarks() {
  if (!device_ || (handshaking_ != Handshaking::XonXoff && handshaking_ != Handshaking::XonXoffRtsCts)) return;
  const qsizetype high = inBufferSize_ - inBufferSize_ / 4;
  const qsizetype low = inBufferSize_ / 4;
  if (!xoffSent_ && buffer_.size() >= high) {
    xoffSent_ = device_->send(Xoff) == CommError::None;
  } else if (xoffSent_ && buffer_.size() <= low) {
    xoffSent_ = device_->send(Xon) != CommError::None;
  }
}

bool CommControl::dropLostDevice() {
  if (!device_ || !device_->lost()) return false;
  closeDevice();
  return true;
}

void CommControl::closeDevice() {
  if (!device_) return;
  device_->disconnect(this);
  device_->close();
  // The device may be the sender of the signal being handled: released now,
  // deleted once control is back in the event loop.
  device_.release()->deleteLater();
  buffer_.clear();
  xoffSent_ = false;
}

}  // namespace platform
