#include "download/DownloadHost.h"

#include "download/Communication.h"

namespace download {

void DownloadHost::probePorts(const std::function<void(const QString& states)>& done) {
  done(Comm().AvailablePorts());
}

}  // namespace download
