#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <future>
#include <thread>
#include <unistd.h>

namespace testsupport {

// Guards a call that must not wait on a pipe: when the call has not ended
// within the limit, the pipe gets a writer that closes at once, which lets
// the call end, and waited() says so. A regression then fails its test
// instead of hanging the suite. The call runs on the test's own thread.
class PipeWaitGuard {
 public:
  explicit PipeWaitGuard(const QString& pipe, std::chrono::seconds limit = std::chrono::seconds(10))
      : pipe_(QFile::encodeName(pipe)), watcher_([this, limit] { watch(limit); }) {}
  ~PipeWaitGuard() { ended(); }
  PipeWaitGuard(const PipeWaitGuard&) = delete;
  PipeWaitGuard& operator=(const PipeWaitGuard&) = delete;

  // After the guarded call: whether it had to be let go.
  bool waited() {
    ended();
    return waited_;
  }

 private:
  void ended() {
    if (!watcher_.joinable()) return;
    done_.set_value();
    watcher_.join();
  }
  void watch(std::chrono::seconds limit) {
    if (done_.get_future().wait_for(limit) == std::future_status::ready) return;
    waited_ = true;
    // The reader may still be on its way to the pipe: a writer needs one.
    for (int tries = 0; tries < 100; ++tries) {
      const int writer = ::open(pipe_.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
      if (writer >= 0 && ::close(writer) == 0) return;
      ::usleep(10000);
    }
  }

  QByteArray pipe_;
  std::promise<void> done_;
  std::atomic<bool> waited_{false};
  std::thread watcher_;
};

}  // namespace testsupport
