#include "platform/serial/QtSerialDevice.h"

#include <QFileInfo>
#include <QThread>

#include <unistd.h>

#include "platform/serial/CommCodes.h"
#include "platform/serial/ComPortMap.h"

namespace platform {
namespace {

// Read errors that follow each other with no input in between before the
// device counts as gone; a single one may be a glitch of the line.
constexpr int ReadErrorsBeforeLost = 3;

QSerialPort::Parity toQt(LineSettings::Parity parity) {
  switch (parity) {
    case LineSettings::Parity::Even: return QSerialPort::EvenParity;
    case LineSettings::Parity::Odd: return QSerialPort::OddParity;
    case LineSettings::Parity::Mark: return QSerialPort::MarkParity;
    case LineSettings::Parity::Space: return QSerialPort::SpaceParity;
    case LineSettings::Parity::None: break;
  }
  return QSerialPort::NoParity;
}

QSerialPort::StopBits toQt(LineSettings::StopBits stopBits) {
  switch (stopBits) {
    case LineSettings::StopBits::OneAndHalf: return QSerialPort::OneAndHalfStop;
    case LineSettings::StopBits::Two: return QSerialPort::TwoStop;
    case LineSettings::StopBits::One: break;
  }
  return QSerialPort::OneStop;
}

QSerialPort::FlowControl flowControl(int handshaking) {
  switch (handshaking) {
    case Handshaking::XonXoff: return QSerialPort::SoftwareControl;
    case Handshaking::RtsCts:
    case Handshaking::XonXoffRtsCts: return QSerialPort::HardwareControl;
    default: return QSerialPort::NoFlowControl;
  }
}

}  // namespace

QtSerialDevice::QtSerialDevice(const QString& devicePath, QObject* parent)
    : SerialDevice(parent), devicePath_(devicePath) {
  port_.setPortName(devicePath);
  connect(&port_, &QSerialPort::readyRead, this, [this] {
    readErrorsInARow_ = 0;
    emit received();
  });
  connect(&port_, &QSerialPort::errorOccurred, this, &QtSerialDevice::onError);
}

QtSerialDevice::~QtSerialDevice() { close(); }

int QtSerialDevice::open() {
  if (port_.open(QIODevice::ReadWrite)) return CommError::None;
  return openError();
}

int QtSerialDevice::openError() const {
  switch (port_.error()) {
    case QSerialPort::DeviceNotFoundError: return CommError::InvalidPortNumber;
    case QSerialPort::PermissionError: {
      // Qt reports a device held by another program (its lock file, or an
      // exclusive open) as a permission error; tell that from a device this
      // user may not use at all.
      const QByteArray path = QFileInfo(devicePath_).absoluteFilePath().toLocal8Bit();
      const bool accessible = ::access(path.constData(), R_OK | W_OK) == 0;
      return accessible ? CommError::PortAlreadyOpen : CommError::HardwareNotAvailable;
    }
    default: return CommError::HardwareNotAvailable;
  }
}

int QtSerialDevice::configure(const LineSettings& settings, int handshaking) {
  if (lost_ || !port_.isOpen()) return CommError::PortNotOpen;
  const bool applied = port_.setBaudRate(settings.baudRate) &&
                       port_.setDataBits(static_cast<QSerialPort::DataBits>(settings.dataBits)) &&
                       port_.setParity(toQt(settings.parity)) && port_.setStopBits(toQt(settings.stopBits)) &&
                       port_.setFlowControl(flowControl(handshaking));
  return applied ? CommError::None : CommError::SetCommStateFailed;
}

QByteArray QtSerialDevice::takeReceived() {
  if (lost_ || !port_.isOpen()) return {};
  return port_.readAll();
}

void QtSerialDevice::discardReceived() {
  if (lost_ || !port_.isOpen()) return;
  port_.clear(QSerialPort::Input);
  port_.readAll();
}

int QtSerialDevice::send(const QByteArray& bytes) {
  if (lost_ || !port_.isOpen()) return CommError::PortNotOpen;
  if (port_.write(bytes) != bytes.size()) return CommError::WriteFailed;
  // Without the event loop (the port probe does not yield) the bytes would
  // stay in Qt's buffer; hand them to the driver now.
  port_.flush();
  return CommError::None;
}

void QtSerialDevice::waitForReceived(int millis) {
  if (lost_ || !port_.isOpen()) {
    QThread::msleep(static_cast<unsigned long>(millis));
    return;
  }
  port_.waitForReadyRead(millis);
}

void QtSerialDevice::close() {
  if (port_.isOpen()) port_.close();
}

void QtSerialDevice::onError(QSerialPort::SerialPortError error) {
  if (lost_) return;
  if (error == QSerialPort::ResourceError) {
    goAway();
  } else if (error == QSerialPort::ReadError && ++readErrorsInARow_ >= ReadErrorsBeforeLost) {
    goAway();
  }
}

void QtSerialDevice::goAway() {
  lost_ = true;
  // Closed from the event loop, not from inside Qt's own notification.
  QMetaObject::invokeMethod(this, &QtSerialDevice::close, Qt::QueuedConnection);
  emit wentAway();
}

SerialDeviceProvider::Opened QtSerialDeviceProvider::open(int port) {
  const QString path = ComPortMap::devicePath(port);
  if (path.isEmpty()) return {nullptr, CommError::InvalidPortNumber};
  auto device = std::make_unique<QtSerialDevice>(path);
  const int error = device->open();
  if (error != CommError::None) return {nullptr, error};
  return {std::move(device), CommError::None};
}

}  // namespace platform
