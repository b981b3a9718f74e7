#include "platform/core/WholeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace platform {

namespace {

const QString DiskFull = QStringLiteral("the disk is full (%1)");
// QSaveFile's temporary file: the name with ".XXXXXX" added, each X a letter.
const QString TemporaryNameFilter = QStringLiteral("%1.??????");
const QString TemporaryNamePattern = QStringLiteral("^%1\\.[A-Za-z]{6}$");

bool failed(QSaveFile& file, QString* error, const QString& why) {
  if (error != nullptr) *error = why;
  file.cancelWriting();
  return false;
}

// Written, a resource that ran out is the room on the disk.
QString writeFailure(const QSaveFile& file) {
  return file.error() == QFileDevice::ResourceError ? DiskFull.arg(file.errorString()) : file.errorString();
}

// A write that meets the end of the room on the disk stores what fits and
// returns short with no error set; writing the rest then fails with the
// reason.
bool writeAll(QSaveFile& file, const QByteArray& bytes) {
  qint64 written = 0;
  while (written < bytes.size()) {
    const qint64 step = file.write(bytes.constData() + written, bytes.size() - written);
    if (step <= 0) return false;
    written += step;
  }
  return true;
}

}  // namespace

bool writeWholeFile(const QString& path, const QByteArray& bytes, QString* error) {
  QSaveFile file(path);
  // Buffered, a write that did not fit on the disk failed only inside
  // commit(), which renamed the short file over the old one all the same.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return failed(file, error, file.errorString());
  if (!writeAll(file, bytes) || !file.flush()) return failed(file, error, writeFailure(file));
  if (!file.commit()) {
    if (error != nullptr) *error = file.errorString();
    return false;
  }
  return true;
}

void removeWholeFileLeftovers(const QString& path) {
  const QFileInfo file(path);
  const QDir folder = file.absoluteDir();
  const QRegularExpression temporaryName(TemporaryNamePattern.arg(QRegularExpression::escape(file.fileName())));
  const QStringList candidates =
      folder.entryList({TemporaryNameFilter.arg(file.fileName())}, QDir::Files | QDir::Hidden);
  for (const QString& name : candidates)
    if (temporaryName.match(name).hasMatch()) QFile::remove(folder.filePath(name));
}

}  // namespace platform
