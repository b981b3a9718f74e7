#include "platform/core/SettingsFile.h"

#include <QDir>
#include <QFile>

namespace platform {
namespace {

const QString TooLargeMessage = QStringLiteral(
    "The settings file %1 is larger than 1 MB, so it was not read. The program goes on with its defaults.");

SettingsFile failed(SettingsFile::Outcome outcome, const QString& error) {
  SettingsFile result;
  result.outcome = outcome;
  result.error = error;
  return result;
}

}  // namespace

QString settingsFileTooLarge(const QString& path) { return TooLargeMessage.arg(QDir::toNativeSeparators(path)); }

SettingsFile readSettingsFile(const QString& path) {
  QFile file(path);
  if (path.isEmpty() || !file.exists()) return {};
  if (file.size() > SettingsFileLimit) return failed(SettingsFile::TooLarge, settingsFileTooLarge(path));
  if (!file.open(QIODevice::ReadOnly)) return failed(SettingsFile::Unreadable, file.errorString());
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
