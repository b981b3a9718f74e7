#include "platform/core/DiskSync.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace platform {

int syncDescriptor(int descriptor) {
  if (::fsync(descriptor) == 0 || errno == EINVAL) return 0;
  return errno;
}

bool syncPath(const QString& path) {
  // Never waits on a pipe in a file's place.
  const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (descriptor < 0) return false;
  const bool synced = syncDescriptor(descriptor) == 0;
  ::close(descriptor);
  return synced;
}

bool syncFileAndFolder(const QString& filePath) {
  return syncPath(filePath) && syncPath(QFileInfo(filePath).absolutePath());
}

}  // namespace platform
