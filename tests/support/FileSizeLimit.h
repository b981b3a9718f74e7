#pragma once

#include <csignal>
#include <sys/resource.h>

namespace testsupport {

// While it lives, this process can write no file beyond limit bytes: a write
// past it fails with EFBIG, as a write to a full disk fails with ENOSPC. The
// signal such a write raises is ignored, so the failure reaches the caller.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t limit = 0) {
    previousSignal_ = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &previous_);
    rlimit limited = previous_;
    limited.rlim_cur = limit;
    setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previousSignal_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit previous_{};
  void (*previousSignal_)(int) = nullptr;
};

}  // namespace testsupport
