#include "platform/core/FileRemover.h"

#include <QFile>
#include <QFileInfo>
#include <vector>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <fcntl.h>

namespace platform {
namespace {

bool folderLetsThisAccountRemove(const QByteArray& folder, const struct stat& file) {
  struct stat dir {};
  if (::stat(folder.constData(), &dir) != 0) return false;
  const uid_t me = ::geteuid();
  return (dir.st_mode & S_ISVTX) == 0 || me == 0 || me == file.st_uid || me == dir.st_uid;
}

}  // namespace

QString accountName(uid_t account) {
  std::vector<char> buffer(16384);
  passwd entry {}, *found = nullptr;
  if (::getpwuid_r(account, &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr)
    return QString::fromLocal8Bit(found->pw_name);
  return QString::number(account);
}

FileRemover whoMayRemove(const QString& path) {
  const QByteArray name = QFile::encodeName(path);
  const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
  struct stat file {};
  if (::lstat(name.constData(), &file) != 0) return {};
  const bool writable = ::faccessat(AT_FDCWD, folder.constData(), W_OK | X_OK, AT_EACCESS) == 0;
  if (writable && folderLetsThisAccountRemove(folder, file)) return {};
  if (!writable && errno == EROFS) return {FileRemover::NoneWhileReadOnly, {}};
  if (file.st_uid != ::geteuid()) return {FileRemover::OwningAccount, accountName(file.st_uid)};
  return {FileRemover::NoneWhileReadOnly, {}};
}

}  // namespace platform
