#include "support/TestData.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace testsupport {

QString dataPath(const QString& relative) { return QDir(KORVIS_TEST_DATA).filePath(relative); }

QByteArray readData(const QString& relative) {
  QFile file(dataPath(relative));
  if (!file.open(QIODevice::ReadOnly)) {
    ADD_FAILURE() << "cannot read test data " << relative.toStdString();
    return {};
  }
  return file.readAll();
}

}  // namespace testsupport
