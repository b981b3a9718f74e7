#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <memory>

#include "platform/serial/LineSettings.h"
#include "platform/serial/SerialDevice.h"

namespace platform {

// The COM port control: one serial port with its number, settings string,
// input length, handshaking, input buffer and communication event. Every
// operation returns 0 or a CommError code; nothing throws.
//
// Received bytes collect in the control's input buffer of inBufferSize()
// bytes; input() takes up to inputLen() of them (0: all). Bytes are 8-bit
// values and keep them. Input that arrives while the buffer is full is lost
// and leaves CommEvent::ReceiveOverflow in commEvent(). With XON/XOFF
// handshaking the control sends XOFF when the buffer is three quarters full
// and XON when it has drained to a quarter.
//
// A port whose device goes away closes itself: portOpen() turns false and
// reads fail with CommError::PortNotOpen.
class CommControl : public QObject {
  Q_OBJECT

 public:
  static constexpr int DefaultInBufferSize = 1024;
  inline static const QString DefaultSettings = QStringLiteral("9600,N,8,1");

  // The real ports of this computer (ComPortMap).
  explicit CommControl(QObject* parent = nullptr);
  // The ports that devices opens (tests give a scripted provider).
  explicit CommControl(std::shared_ptr<SerialDeviceProvider> devices, QObject* parent = nullptr);
  ~CommControl() override;

  const std::shared_ptr<SerialDeviceProvider>& devices() const { return devices_; }

  int commPort() const { return commPort_; }
  // PortOpen while the port is open; InvalidPortNumber below 1.
  int setCommPort(int port);

  const QString& settings() const { return settingsText_; }
  // InvalidPropertyValue for a malformed string; applied at once when open.
  int setSettings(const QString& settings);

  int inputLen() const { return inputLen_; }
  int setInputLen(int length);

  int handshaking() const { return handshaking_; }
  int setHandshaking(int handshaking);

  int inBufferSize() const { return inBufferSize_; }
  // PortOpen while the port is open.
  int setInBufferSize(int size);

  bool portOpen() const;
  // Opening an open port gives PortAlreadyOpen; closing a closed one is fine.
  int setPortOpen(bool open);

  // Sends text; PortNotOpen when closed.
  int output(const QByteArray& text);
  // Takes up to inputLen() waiting bytes into received (empty when none).
  int input(QByteArray& received);
  // Number of bytes waiting; 0 when closed.
  int inBufferCount();
  // Only 0 is allowed: discards all waiting input, here and on the line.
  int setInBufferCount(int count);
  // Whether input is waiting, without asking the device.
  bool hasInput() const { return !buffer_.isEmpty(); }

  // The last communication event since the port was opened.
  int commEvent() const { return commEvent_; }

  // Blocks without running the event loop until input arrives or the time
  // passes (for a port probe that must not yield).
  void waitForInput(int millis);

 signals:
  void inputArrived();
  void commEventRaised(int event);
  void portLost();

 private:
  void takeFromDevice();
  void store(const QByteArray& bytes);
  void applyFlowMarks();
  bool dropLostDevice();
  void closeDevice();

  std::shared_ptr<SerialDeviceProvider> devices_;
  std::unique_ptr<SerialDevice> device_;
  int commPort_ = 1;
  QString settingsText_ = DefaultSettings;
  LineSettings lineSettings_;
  int inputLen_ = 0;
  int handshaking_ = 0;
  int inBufferSize_ = DefaultInBufferSize;
  QByteArray buffer_;
  int commEvent_ = 0;
  bool xoffSent_ = false;
};

}  // namespace platform
