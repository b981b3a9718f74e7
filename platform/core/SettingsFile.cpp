#include "platform/core/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

const QString TooLargeMessage = QStringLiteral(
    "The settings file %1 is larger than 1 MB, so it was not read. The program goes on with its defaults.");
const QString NoRegularFileMessage = QStringLiteral(
    "The settings file %1 is no regular file (a folder, a device or a pipe), so it was not read. The program goes "
    "on with its defaults.");

SettingsFile failed(SettingsFile::Outcome outcome, const QString& error) {
  SettingsFile result;
  result.outcome = outcome;
  result.error = error;
  return result;
}

QString noRegularFile(const QString& path) { return NoRegularFileMessage.arg(QDir::toNativeSeparators(path)); }

// Opens the file for reading only when it is a regular file: a pipe or a
// device in a settings file's place would block the read, or never end it.
// The type is checked by name first, so that no device is ever opened, and
// again on what was opened, since the name may have been replaced between.
bool openRegularFile(const QString& path, QFile& file) {
  if (!QFileInfo(path).isFile()) return false;
  const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (descriptor < 0) return file.open(QIODevice::ReadOnly);  // for its error, which the caller reports
  struct stat status {};
  if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(descriptor);
    return false;
  }
  return file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
}

}  // namespace

QString settingsFileTooLarge(const QString& path) { return TooLargeMessage.arg(QDir::toNativeSeparators(path)); }

SettingsFile readSettingsFile(const QString& path) {
  QFile file(path);
  if (path.isEmpty() || !file.exists()) return {};
  if (!openRegularFile(path, file)) {
    if (file.error() == QFileDevice::NoError) return failed(SettingsFile::Unreadable, noRegularFile(path));
    return failed(SettingsFile::Unreadable, file.errorString());
  }
  if (file.size() > SettingsFileLimit) return failed(SettingsFile::TooLarge, settingsFileTooLarge(path));
  // The size is asked again by the read itself: the file may have grown since.
  QByteArray bytes = file.read(SettingsFileLimit + 1);
  if (file.error() != QFileDevice::NoError) return failed(SettingsFile::Unreadable, file.errorString());
  if (bytes.size() > SettingsFileLimit) return failed(SettingsFile::TooLarge, settingsFileTooLarge(path));
  SettingsFile result;
  result.outcome = SettingsFile::Read;
  result.bytes = std::move(bytes);
  return result;
}

bool settingsFileRefused(SettingsFile::Outcome outcome) {
  return outcome == SettingsFile::TooLarge || outcome == SettingsFile::Unreadable;
}

QList<QByteArray> settingsFileLines(const QByteArray& bytes) {
  QList<QByteArray> lines;
  qsizetype start = 0;
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    if (bytes[i] != '\r' && bytes[i] != '\n') continue;
    lines.append(bytes.mid(start, i - start));
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < bytes.size()) lines.append(bytes.mid(start));
  return lines;
}

}  // namespace platform
