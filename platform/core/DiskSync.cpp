#include "platform/core/DiskSync.h"

#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <unistd.h>

namespace platform {

bool syncPath(const QString& path) {
  const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) return false;
  const bool synced = ::fsync(descriptor) == 0;
  ::close(descriptor);
  return synced;
}

bool syncFileAndFolder(const QString& filePath) {
  return syncPath(filePath) && syncPath(QFileInfo(filePath).absolutePath());
}

}  // namespace platform
