#include "platform/serial/PortClaims.h"

#include <chrono>

namespace platform {

bool PortClaims::beginProbe(int port) {
  const std::lock_guard lock(mutex_);
  if (port == download_) return false;
  probing_ |= bit(port);
  return true;
}

bool PortClaims::probeMustYield(int port) const {
  const std::lock_guard lock(mutex_);
  return port == download_;
}

void PortClaims::endProbe(int port) {
  {
    const std::lock_guard lock(mutex_);
    probing_ &= ~bit(port);
  }
  left_.notify_all();
}

bool PortClaims::claimForDownload(int port, int timeoutMillis) {
  std::unique_lock lock(mutex_);
  download_ = port;
  return left_.wait_for(lock, std::chrono::milliseconds(timeoutMillis),
                        [&] { return (probing_ & bit(port)) == 0; });
}

void PortClaims::releaseDownload() {
  const std::lock_guard lock(mutex_);
  download_ = 0;
}

int PortClaims::downloadPort() const {
  const std::lock_guard lock(mutex_);
  return download_;
}

}  // namespace platform
