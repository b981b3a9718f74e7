#include "platform/core/FileErrorText.h"

#include <cerrno>
#include <cstring>

namespace platform {

QString fileErrorText(int error) {
  if (error == ENOSPC || error == EDQUOT) return DiskFullText;
  return QString::fromLocal8Bit(std::strerror(error));
}

}  // namespace platform
