#pragma once

#include <QSerialPort>

#include "platform/serial/SerialDevice.h"

namespace platform {

// A real serial port of this computer through Qt SerialPort.
//
// A device that goes away (a USB adapter pulled out, the far end of a
// pseudo-terminal closed) makes Qt report read errors on every pass of the
// event loop; the device then closes itself and reports lost(), so that its
// control sees a closed port and silence instead of an endless stream of
// errors.
class QtSerialDevice : public SerialDevice {
  Q_OBJECT

 public:
  explicit QtSerialDevice(const QString& devicePath, QObject* parent = nullptr);
  ~QtSerialDevice() override;

  // Opens the device for reading and writing; 0 or a CommError code.
  int open();

  int configure(const LineSettings& settings, int handshaking) override;
  QByteArray takeReceived() override;
  void discardReceived() override;
  int send(const QByteArray& bytes) override;
  void waitForReceived(int millis) override;
  bool lost() const override { return lost_; }
  void close() override;

 private:
  void onError(QSerialPort::SerialPortError error);
  void goAway();
  int openError() const;

  QString devicePath_;
  QSerialPort port_;
  bool lost_ = false;
  int readErrorsInARow_ = 0;
};

// Opens COM n on the device that ComPortMap names for it.
class QtSerialDeviceProvider : public SerialDeviceProvider {
 public:
  Opened open(int port) override;
};

}  // namespace platform
