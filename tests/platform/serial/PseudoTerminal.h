#pragma once

// A pseudo-terminal for serial tests: the program opens the slave side as a
// COM port, the test plays the instrument on the master side. Header-only, so
// that the download tests can use it too (as "platform/serial/PseudoTerminal.h"
// through the tests include folder).

#include <QByteArray>
#include <QString>

#include <atomic>
#include <chrono>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace testsupport {

class PseudoTerminal {
 public:
  PseudoTerminal() {
    char name[256] = {};
    // No termios: the line discipline keeps its defaults (XON/XOFF characters
    // included) until the program sets the line up.
    if (::openpty(&master_, &slave_, name, nullptr, nullptr) != 0) {
      master_ = slave_ = -1;
      return;
    }
    slavePath_ = QString::fromLocal8Bit(name);
  }

  ~PseudoTerminal() {
    stop_ = true;
    join();
    if (master_ >= 0) ::close(master_);
    if (slave_ >= 0) ::close(slave_);
  }

  PseudoTerminal(const PseudoTerminal&) = delete;
  PseudoTerminal& operator=(const PseudoTerminal&) = delete;

  bool ok() const { return master_ >= 0; }
  const QString& slavePath() const { return slavePath_; }

  // The slave's line settings as the program left them.
  termios slaveSettings() const {
    termios settings{};
    ::tcgetattr(slave_, &settings);
    return settings;
  }

  // Sends bytes from the instrument's side at the pace of the line (ten bit
  // times per character), from a thread of its own, after a delay.
  void sendPaced(const QByteArray& bytes, int baudRate, int delayMillis = 100) {
    join();
    sender_ = std::thread([this, bytes, baudRate, delayMillis] {
      using Clock = std::chrono::steady_clock;
      std::this_thread::sleep_for(std::chrono::milliseconds(delayMillis));
      const auto start = Clock::now();
      const double characterSeconds = 10.0 / baudRate;
      // Chunks of about 5 ms keep the pace without a wake-up per character.
      const qsizetype chunk = qMax<qsizetype>(1, static_cast<qsizetype>(0.005 / characterSeconds));
      for (qsizetype sent = 0; sent < bytes.size() && !stop_;) {
        const qsizetype count = qMin(chunk, bytes.size() - sent);
        writeAll(bytes.constData() + sent, count);
        sent += count;
        std::this_thread::sleep_until(start + std::chrono::duration<double>(sent * characterSeconds));
      }
    });
  }

  // Answers every carriage return the program sends with reply (a modem).
  void answerWith(const QByteArray& reply) {
    join();
    sender_ = std::thread([this, reply] {
      while (!stop_) {
        pollfd ready{master_, POLLIN, 0};
        if (::poll(&ready, 1, 20) <= 0) continue;
        char buffer[256];
        const ssize_t count = ::read(master_, buffer, sizeof buffer);
        if (count <= 0) continue;
        if (QByteArray(buffer, count).contains('\r')) writeAll(reply.constData(), reply.size());
      }
    });
  }

  void waitSent() { join(); }

  // What the program has sent, waiting up to millis for the first byte.
  QByteArray readMaster(int millis) {
    QByteArray received;
    pollfd ready{master_, POLLIN, 0};
    while (::poll(&ready, 1, millis) > 0) {
      char buffer[256];
      const ssize_t count = ::read(master_, buffer, sizeof buffer);
      if (count <= 0) break;
      received.append(buffer, count);
      millis = 20;
    }
    return received;
  }

  // The instrument's end goes away: with the slave closed too, reads of the
  // program's port fail from then on.
  void hangUp() {
    stop_ = true;
    join();
    if (master_ >= 0) ::close(master_);
    if (slave_ >= 0) ::close(slave_);
    master_ = slave_ = -1;
  }

 private:
  void writeAll(const char* data, qsizetype count) {
    while (count > 0 && !stop_) {
      const ssize_t written = ::write(master_, data, static_cast<size_t>(count));
      if (written <= 0) return;
      data += written;
      count -= written;
    }
  }

  void join() {
    if (sender_.joinable()) sender_.join();
  }

  int master_ = -1;
  int slave_ = -1;
  QString slavePath_;
  std::thread sender_;
  std::atomic<bool> stop_{false};
};

}  // namespace testsupport
