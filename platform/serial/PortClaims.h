#pragma once

#include <condition_variable>
#include <mutex>

namespace platform {

// Which COM ports the program itself is using, shared by the download (on
// the user-interface thread) and the port probe (on its worker thread). The
// probe takes a port only while it probes it and never one the download
// holds or wants; a download that wants a port the probe holds asks for it,
// and the probe gives it up within one polling slice.
class PortClaims {
 public:
  // Probe side. False when the download holds or wants the port.
  bool beginProbe(int port);
  // True once the download wants the port being probed: stop and give it up.
  bool probeMustYield(int port) const;
  void endProbe(int port);

  // Download side: the port becomes the download's; waits up to timeoutMillis
  // for the probe to leave it. False when the probe still held it then.
  bool claimForDownload(int port, int timeoutMillis);
  void releaseDownload();
  // The download's port, 0 when none.
  int downloadPort() const;

 private:
  static unsigned bit(int port) { return port >= 1 && port <= 16 ? 1U << port : 0U; }

  mutable std::mutex mutex_;
  std::condition_variable left_;
  unsigned probing_ = 0;  // one bit per port
  int download_ = 0;
};

}  // namespace platform
