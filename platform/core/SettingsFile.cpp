#include "platform/core/SettingsFile.h"

#include <QDir>

#include "platform/core/RegularFile.h"

namespace platform {
namespace {

const QString TooLargeMessage = QStringLiteral(
    "The settings file %1 is larger than 1 MB, so it was not read. The program goes on with its defaults.");
// %1: what noRegularFileText says of the file.
const QString NoRegularFileMessage = QStringLiteral(
    "The settings file %1, so it was not read. The program goes on with its defaults.");
// %1: the file; %2: the system's reason.
const QString UnreadableMessage = QStringLiteral(
    "The settings file %1 could not be read (%2). The program goes on with its defaults.");

SettingsFile failed(SettingsFile::Outcome outcome, const QString& error) {
  SettingsFile result;
  result.outcome = outcome;
  result.error = error;
  return result;
}

}  // namespace

QString settingsFileTooLarge(const QString& path) { return TooLargeMessage.arg(QDir::toNativeSeparators(path)); }

SettingsFile readSettingsFile(const QString& path) {
  RegularFile file = readRegularFile(path, SettingsFileLimit);
  switch (file.outcome) {
    case RegularFile::Missing: return {};
    case RegularFile::TooLarge: return failed(SettingsFile::TooLarge, settingsFileTooLarge(path));
    case RegularFile::NotRegular:
      return failed(SettingsFile::Unreadable, NoRegularFileMessage.arg(noRegularFileText(path)));
    case RegularFile::Unreadable:
      return failed(SettingsFile::Unreadable, UnreadableMessage.arg(QDir::toNativeSeparators(path), file.error));
    case RegularFile::Read: break;
  }
  SettingsFile result;
  result.outcome = SettingsFile::Read;
  result.bytes = std::move(file.bytes);
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
