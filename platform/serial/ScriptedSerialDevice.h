#pragma once

#include <QByteArray>
#include <QMap>
#include <deque>
#include <memory>
#include <optional>

#include "platform/serial/SerialDevice.h"

namespace platform {

// The script of one COM port for tests: what each poll of the line brings.
// The control polls the line when its input buffer is empty (and on a
// discard), so with one-character reads each step below is one read of the
// receive loop. When the script has run out the line is silent.
class ScriptedLine {
 public:
  enum class Presence { Present, Missing, InUse };

  // What opening the port finds.
  void setPresence(Presence presence) { presence_ = presence; }
  Presence presence() const { return presence_; }

  // One poll brings all these bytes at once (a burst larger than the control's
  // input buffer overflows it).
  ScriptedLine& arrive(const QByteArray& bytes);
  // One poll per byte.
  ScriptedLine& chars(const QByteArray& text);
  // Polls that bring nothing.
  ScriptedLine& silence(int polls = 1);
  // The device goes away at this poll.
  ScriptedLine& lose();
  // Each output is answered with reply at the next poll (a modem).
  void answerOutputWith(const QByteArray& reply) { reply_ = reply; }

  // What the test observes.
  bool isOpen() const { return open_; }
  int opens() const { return opens_; }
  int polls() const { return polls_; }
  const QByteArray& sent() const { return sent_; }
  const std::optional<LineSettings>& settings() const { return settings_; }
  int handshaking() const { return handshaking_; }
  bool scriptDone() const { return steps_.empty() && pendingReply_.isEmpty(); }
  bool isLost() const { return lost_; }

 private:
  friend class ScriptedSerialDevice;
  friend class ScriptedDeviceProvider;

  struct Step {
    QByteArray bytes;
    int silentPolls = 0;
    bool lose = false;
  };

  QByteArray poll();

  Presence presence_ = Presence::Present;
  std::deque<Step> steps_;
  QByteArray reply_;
  QByteArray pendingReply_;
  QByteArray sent_;
  std::optional<LineSettings> settings_;
  int handshaking_ = 0;
  bool open_ = false;
  bool lost_ = false;
  int opens_ = 0;
  int polls_ = 0;
};

// A device opened on a ScriptedLine.
class ScriptedSerialDevice : public SerialDevice {
  Q_OBJECT

 public:
  explicit ScriptedSerialDevice(std::shared_ptr<ScriptedLine> line);
  ~ScriptedSerialDevice() override;

  int configure(const LineSettings& settings, int handshaking) override;
  QByteArray takeReceived() override;
  void discardReceived() override;
  int send(const QByteArray& bytes) override;
  void waitForReceived(int millis) override;
  bool lost() const override;
  void close() override;

 private:
  std::shared_ptr<ScriptedLine> line_;
  bool closed_ = false;
};

// COM ports of scripted lines. A port without a line has no device.
class ScriptedDeviceProvider : public SerialDeviceProvider {
 public:
  // The line of port, made present on first use.
  std::shared_ptr<ScriptedLine> line(int port);
  Opened open(int port) override;

 private:
  QMap<int, std::shared_ptr<ScriptedLine>> lines_;
};

}  // namespace platform
