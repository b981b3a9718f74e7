#include "platform/core/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/core/DiskSync.h"
#include "platform/core/FileErrorText.h"
#include "platform/core/FileRemover.h"
#include "platform/core/MarkedName.h"
#include "platform/core/RegularFile.h"

namespace platform {

namespace {

const QString ReadOnly = QStringLiteral("the file is read-only");
// Names taken by a leftover or a writer of the same moment are tried again.
constexpr int TemporaryNameTries = 100;
// Links that go on naming links further are not followed for ever.
constexpr int LinkDepth = 40;
const QString EndlessLinks = QStringLiteral("%1 is a chain of symbolic links that does not end");
// %1: the link; %2: what noRegularFileText says of the file it names.
const QString LinkToNoRegularFile = QStringLiteral("%1 is a symbolic link: %2");
// %1: the link; %2: the account that made it.
const QString LinkOfOtherAccount = QStringLiteral("%1 is a symbolic link of the account \"%2\", which is not followed");

// A new file of its own beside path (named name), made with the permissions
// a new file gets, or those of the file it replaces. Empty when it was made,
// else why not.
QString openTemporary(const QString& path, QFile& file, QString& name) {
  for (int tries = 0; tries < TemporaryNameTries; ++tries) {
    name = markedName(path, WholeFileTemporaryMark);
    const int fd = ::open(QFile::encodeName(name).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno == EEXIST) continue;
    if (fd < 0) return fileErrorText(errno);
    if (!file.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
      ::close(fd);
      QFile::remove(name);
      return file.errorString();
    }
    if (QFile::exists(path)) QFile::setPermissions(name, QFile::permissions(path));
    return {};
  }
  return fileErrorText(EEXIST);
}

// Removes the temporary file, which the old file outlives.
bool failed(QFile& file, const QString& name, QString* error, const QString& why) {
  if (error != nullptr) *error = why;
  file.close();
  QFile::remove(name);
  return false;
}

// Written, a resource that ran out is the room on the disk.
QString writeFailure(const QFile& file) {
  return file.error() == QFileDevice::ResourceError ? DiskFullText : file.errorString();
}

// A write that meets the end of the room on the disk stores what fits and
// returns short with no error set; writing the rest then fails with the
// reason.
bool writeAll(QFile& file, const QByteArray& bytes) {
  qint64 written = 0;
  while (written < bytes.size()) {
    const qint64 step = file.write(bytes.constData() + written, bytes.size() - written);
    if (step <= 0) return false;
    written += step;
  }
  return true;
}

// The bytes reach the disk before the name does.
QString syncFailure(const QFile& file) {
  const int error = syncDescriptor(file.handle());
  return error == 0 ? QString() : fileErrorText(error);
}

// Where the bytes go: path, or the file a symbolic link in path's place names
// (also one still to be made, so that the link stays). Only a regular file is
// replaced: a device, a pipe or a folder at the end of the link would lose its
// node to the rename, and a chain of links that does not end names nothing.
struct Destination {
  QString target;
  QString refusal;  // why nothing may be written, naming the file
};

// The account that made a link, when it is neither this one, nor the owner
// of the link's folder, nor the administrator: in a folder accounts share,
// such a link may name this account's own file, which a save would replace.
// (The system itself follows no such link in a shared sticky folder, and the
// link is resolved here by name.)
std::optional<uid_t> otherAccountsLink(const QString& link) {
  struct stat made {}, folder {};
  if (::lstat(QFile::encodeName(link).constData(), &made) != 0) return std::nullopt;
  if (made.st_uid == ::geteuid() || made.st_uid == 0) return std::nullopt;
  const QByteArray folderName = QFile::encodeName(QFileInfo(link).absolutePath());
  if (::stat(folderName.constData(), &folder) == 0 && folder.st_uid == made.st_uid) return std::nullopt;
  return made.st_uid;
}

Destination destinationOf(const QString& path) {
  QFileInfo info(path);
  for (int depth = 0; depth < LinkDepth && info.isSymLink(); ++depth) {
    if (const std::optional<uid_t> account = otherAccountsLink(info.filePath()))
      return {{}, LinkOfOtherAccount.arg(QDir::toNativeSeparators(info.filePath()), accountName(*account))};
    info.setFile(info.symLinkTarget());
  }
  const QString shown = QDir::toNativeSeparators(path);
  if (info.isSymLink()) return {{}, EndlessLinks.arg(shown)};
  if (!info.exists() || info.isFile()) return {info.filePath(), {}};
  if (info.filePath() == path) return {{}, noRegularFileText(path)};
  return {{}, LinkToNoRegularFile.arg(shown, noRegularFileText(info.filePath()))};
}

// A file made read-only (no one may write it, or this user may not) is kept,
// as it would be by a write in its place.
bool isReadOnly(const QString& path) {
  const QFileInfo info(path);
  return info.exists() && (!info.isWritable() || !(info.permissions() & QFile::WriteOwner));
}

}  // namespace

bool writeWholeFile(const QString& path, const QByteArray& bytes, QString* error) {
  const Destination destination = destinationOf(path);
  const QString& target = destination.target;
  QFile file;
  QString name;
  const QString notMade = !destination.refusal.isEmpty() ? destination.refusal
                          : isReadOnly(target)            ? ReadOnly
                                                          : openTemporary(target, file, name);
  if (!notMade.isEmpty()) {
    if (error != nullptr) *error = notMade;
    return false;
  }
  if (!writeAll(file, bytes) || !file.flush()) return failed(file, name, error, writeFailure(file));
  if (const QString why = syncFailure(file); !why.isEmpty()) return failed(file, name, error, why);
  file.close();
  if (::rename(QFile::encodeName(name).constData(), QFile::encodeName(target).constData()) != 0)
    return failed(file, name, error, fileErrorText(errno));
  // The new name reaches the disk as well, so that a power loss after the
  // write cannot bring the old file back. The file is in place already.
  (void)syncPath(QFileInfo(target).absolutePath());
  return true;
}

void removeWholeFileLeftovers(const QString& path) { removeMarkedFiles(path, WholeFileTemporaryMark); }

}  // namespace platform
