#include "platform/core/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <cerrno>
#include <cstdio>
#include <unistd.h>

namespace platform {

namespace {

const QString DiskFull = QStringLiteral("the disk is full (%1)");
const QString TemporaryNameFilter = QStringLiteral("%1%2??????");
const QString TemporaryNamePattern = QStringLiteral("^%1%2[A-Za-z]{6}$");
constexpr int TemporaryNameLetters = 6;
// Names taken by a leftover or a writer of the same moment are tried again.
constexpr int TemporaryNameTries = 100;

QString temporaryName(const QString& path) {
  static const QString Letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  QString name = path + WholeFileTemporaryMark;
  for (int i = 0; i < TemporaryNameLetters; ++i)
    name += Letters.at(QRandomGenerator::global()->bounded(static_cast<int>(Letters.size())));
  return name;
}

// A new file of its own beside path, made with the permissions a new file
// gets, or those of the file it replaces.
bool openTemporary(const QString& path, QFile& file) {
  for (int tries = 0; tries < TemporaryNameTries; ++tries) {
    file.setFileName(temporaryName(path));
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
      if (QFile::exists(path)) file.setPermissions(QFile::permissions(path));
      return true;
    }
    if (QFileInfo::exists(file.fileName())) continue;
    return false;
  }
  return false;
}

// Removes the temporary file, which the old file outlives.
bool failed(QFile& file, QString* error, const QString& why) {
  if (error != nullptr) *error = why;
  file.close();
  QFile::remove(file.fileName());
  return false;
}

// Written, a resource that ran out is the room on the disk.
QString writeFailure(const QFile& file) {
  return file.error() == QFileDevice::ResourceError ? DiskFull.arg(file.errorString()) : file.errorString();
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

// The bytes reach the disk before the name does. A file system that cannot
// sync (EINVAL) has nothing more to do.
QString syncFailure(const QFile& file) {
  if (::fsync(file.handle()) == 0 || errno == EINVAL) return {};
  return errno == ENOSPC || errno == EDQUOT ? DiskFull.arg(qt_error_string(errno)) : qt_error_string(errno);
}

// Where the bytes go: the file a symbolic link in path's place names, so that
// the link stays.
QString finalPath(const QString& path) {
  const QFileInfo info(path);
  const QString target = info.isSymLink() ? info.canonicalFilePath() : QString();
  return target.isEmpty() ? path : target;
}

}  // namespace

bool writeWholeFile(const QString& path, const QByteArray& bytes, QString* error) {
  const QString target = finalPath(path);
  QFile file;
  if (!openTemporary(target, file)) {
    if (error != nullptr) *error = file.errorString();
    return false;
  }
  if (!writeAll(file, bytes) || !file.flush()) return failed(file, error, writeFailure(file));
  if (const QString why = syncFailure(file); !why.isEmpty()) return failed(file, error, why);
  file.close();
  if (::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(target).constData()) != 0)
    return failed(file, error, qt_error_string(errno));
  return true;
}

void removeWholeFileLeftovers(const QString& path) {
  const QFileInfo file(path);
  const QDir folder = file.absoluteDir();
  const QRegularExpression temporaryName(TemporaryNamePattern.arg(
      QRegularExpression::escape(file.fileName()), QRegularExpression::escape(WholeFileTemporaryMark)));
  const QStringList candidates =
      folder.entryList({TemporaryNameFilter.arg(file.fileName(), WholeFileTemporaryMark)}, QDir::Files | QDir::Hidden);
  for (const QString& name : candidates)
    if (temporaryName.match(name).hasMatch()) QFile::remove(folder.filePath(name));
}

}  // namespace platform
