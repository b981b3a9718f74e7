#include "platform/core/StaleLockAdvice.h"

#include <QDir>

namespace platform {
namespace {

// %1: the lock file; %2: what follows; %3: the account whose file it is.
const QString DeleteIt = QStringLiteral("If that program is no longer running, delete the file \"%1\" and %2.");
const QString AccountDeletesIt = QStringLiteral(
    "If that program is no longer running, the account \"%3\" or an administrator must delete the file \"%1\", "
    "then %2.");
const QString DeleteOnceWritable = QStringLiteral(
    "If that program is no longer running, the file \"%1\" must be deleted once its folder is writable again; "
    "then %2.");

}  // namespace

QString ifNoLongerRunning(const QString& lockFile, const FileRemover& remover, const QString& then) {
  const QString file = QDir::toNativeSeparators(lockFile);
  switch (remover.who) {
    case FileRemover::ThisAccount: return DeleteIt.arg(file, then);
    case FileRemover::OwningAccount: return AccountDeletesIt.arg(file, then, remover.owner);
    case FileRemover::NoneWhileReadOnly: return DeleteOnceWritable.arg(file, then);
  }
  return {};
}

}  // namespace platform
