#include "platform/core/WholeFile.h"

#include <QSaveFile>

namespace platform {

namespace {

bool failed(QSaveFile& file, QString* error) {
  if (error != nullptr) *error = file.errorString();
  file.cancelWriting();
  return false;
}

}  // namespace

bool writeWholeFile(const QString& path, const QByteArray& bytes, QString* error) {
  QSaveFile file(path);
  // Buffered, a write that did not fit on the disk failed only inside
  // commit(), which renamed the short file over the old one all the same.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return failed(file, error);
  if (file.write(bytes) != bytes.size() || !file.flush()) return failed(file, error);
  if (!file.commit()) {
    if (error != nullptr) *error = file.errorString();
    return false;
  }
  return true;
}

}  // namespace platform
