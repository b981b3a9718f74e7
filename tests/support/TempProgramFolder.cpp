#include "support/TempProgramFolder.h"

#include <QDir>

#include "platform/core/ProgramFolder.h"

namespace testsupport {

TempProgramFolder::TempProgramFolder() : previousRoot_(platform::ProgramFolder::root()) {
  QDir root(dir_.path());
  for (const char* sub : {"info", "images", "help"}) root.mkpath(sub);
  platform::ProgramFolder::setRoot(dir_.path());
}

TempProgramFolder::~TempProgramFolder() { platform::ProgramFolder::setRoot(previousRoot_); }

QString TempProgramFolder::root() const { return dir_.path(); }

QString TempProgramFolder::path(const QString& relative) const {
  return QDir(dir_.path()).filePath(relative);
}

}  // namespace testsupport
