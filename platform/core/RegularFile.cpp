#include "platform/core/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <optional>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/core/FileErrorText.h"

namespace platform {
namespace {

// Reads go in steps of this, so that a large limit costs nothing for a small file.
constexpr qint64 ChunkSize = 1024 * 1024;
const QString NoRegularFile = QStringLiteral("%1 is no regular file (a folder, a device, a pipe or a socket)");

RegularFile refused(RegularFile::Outcome outcome, const QString& error = {}) {
  RegularFile result;
  result.outcome = outcome;
  result.error = error;
  return result;
}

// Opens the file for reading only when it is a regular file. The type is
// checked by name first, so that no device is ever opened, and again on what
// was opened (without waiting on a pipe), since the name may have been
// replaced between. error: the system's reason when Unreadable.
RegularFile::Outcome openRegularFile(const QString& path, QFile& file, QString& error) {
  if (!QFileInfo(path).isFile()) return RegularFile::NotRegular;
  const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (descriptor < 0) {
    error = fileErrorText(errno);
    return RegularFile::Unreadable;
  }
  struct stat status {};
  if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(descriptor);
    return RegularFile::NotRegular;
  }
  // Reads of a regular file never wait; the flag only kept the open from it.
  ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
  if (file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) return RegularFile::Read;
  error = file.errorString();
  ::close(descriptor);
  return RegularFile::Unreadable;
}

// Why the name, links followed, names nothing to read: empty when it is
// missing (a link to nothing included); a chain of links that never ends,
// or a folder on the way that may not be searched, is said.
std::optional<QString> whyNotThere(const QString& path) {
  struct stat status {};
  if (::stat(QFile::encodeName(path).constData(), &status) == 0) return std::nullopt;
  if (errno == ENOENT || errno == ENOTDIR) return QString();
  return fileErrorText(errno);
}

}  // namespace

QString noRegularFileText(const QString& path) { return NoRegularFile.arg(QDir::toNativeSeparators(path)); }

RegularFile readRegularFile(const QString& path, qint64 limit) {
  if (path.isEmpty()) return {};
  if (const std::optional<QString> why = whyNotThere(path))
    return why->isEmpty() ? RegularFile{} : refused(RegularFile::Unreadable, *why);
  QFile file;
  QString error;
  if (const RegularFile::Outcome opened = openRegularFile(path, file, error); opened != RegularFile::Read)
    return refused(opened, error);
  if (file.size() > limit) return refused(RegularFile::TooLarge);
  // Read to its end rather than to its size: the file may have grown since.
  QByteArray bytes;
  bytes.reserve(file.size());
  while (bytes.size() <= limit) {
    const QByteArray chunk = file.read(std::min(ChunkSize, limit + 1 - bytes.size()));
    if (file.error() != QFileDevice::NoError) return refused(RegularFile::Unreadable, file.errorString());
    if (chunk.isEmpty()) break;
    bytes += chunk;
  }
  if (bytes.size() > limit) return refused(RegularFile::TooLarge);
  RegularFile result;
  result.outcome = RegularFile::Read;
  result.bytes = std::move(bytes);
  return result;
}

}  // namespace platform
