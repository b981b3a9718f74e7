#pragma once

#include <QByteArray>
#include <QObject>
#include <memory>

#include "platform/serial/LineSettings.h"

namespace platform {

// One opened serial line as the COM port control sees it: the real port
// (QtSerialDevice) or a scripted line for tests (ScriptedSerialDevice). It
// buffers nothing of its own that the control cannot take at once.
class SerialDevice : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;

  // Applies speed, framing and handshaking (a Handshaking value). Returns 0
  // or a CommError code.
  virtual int configure(const LineSettings& settings, int handshaking) = 0;
  // Everything that has arrived since the last call, without waiting.
  virtual QByteArray takeReceived() = 0;
  // Drops whatever the line holds unread.
  virtual void discardReceived() = 0;
  // Sends bytes. Returns 0 or a CommError code.
  virtual int send(const QByteArray& bytes) = 0;
  // Blocks without running the event loop until something arrives or the
  // time passes.
  virtual void waitForReceived(int millis) = 0;
  // True once the device has gone away; it then delivers nothing more.
  virtual bool lost() const = 0;
  // Releases the device at once, so that it can be opened again right away.
  virtual void close() = 0;

 signals:
  // Input arrived; emitted from the event loop (or from waitForReceived).
  void received();
  // The device went away.
  void wentAway();
};

// Opens the device behind a COM port number.
class SerialDeviceProvider {
 public:
  struct Opened {
    std::unique_ptr<SerialDevice> device;  // null on failure
    int error = 0;                         // CommError code when device is null
  };

  virtual ~SerialDeviceProvider() = default;
  // Fails with CommError::InvalidPortNumber when the port has no device,
  // CommError::PortAlreadyOpen when the device is in use, another code when it
  // cannot be opened.
  virtual Opened open(int port) = 0;
};

}  // namespace platform
