#pragma once

#include <QByteArray>
#include <QString>

namespace testsupport {

// Path of a file under tests/data, e.g. dataPath("lx9100/two_tests.txt").
QString dataPath(const QString& relative);

// The whole file as bytes; fails the calling test when it cannot be read.
QByteArray readData(const QString& relative);

}  // namespace testsupport
